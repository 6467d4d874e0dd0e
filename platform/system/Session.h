#pragma once
// Ending the session and ending our own process: the two things a test must never really do.
#include <windows.h>

#include "platform/Error.h"

namespace platform {

class Session {
 public:
  virtual ~Session() = default;
  // Enables the shutdown privilege and calls ExitWindowsEx with the flags and the reason code.
  // Success when the system accepted the request; otherwise why the privilege or the request
  // was refused.
  [[nodiscard]] virtual Outcome PowerOff(UINT flags, DWORD reason) = 0;
  // Ends the process that owns `applicationWindow` (our own) at once with `exitCode`.
  virtual void TerminateOwnProcess(HWND applicationWindow, UINT exitCode) = 0;
};

Session& CurrentSession();
// Installs `session` for the whole program; nullptr brings back the Win32 session.
void SetSession(Session* session);

}  // namespace platform
