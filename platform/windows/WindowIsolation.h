#pragma once
// What the system keeps between the program and another program's window, which Wine never does:
// the window manager may cloak a window (kept, and visible by its style, but not on the screen
// the user looks at: another virtual desktop, a suspended Store app), and User Interface
// Privilege Isolation refuses calls that change a window of a program running with higher rights
// (an administrator's program, for a program that is not one). Tests replace these two questions.
#include <windows.h>

#include "platform/Error.h"

namespace platform {

class WindowIsolation {
 public:
  virtual ~WindowIsolation() = default;
  // The window manager's DWMWA_CLOAKED; false where it has no such attribute.
  virtual bool Cloaked(HWND window) = 0;
  // The window's process runs at a higher integrity level than ours; false where the system has
  // no integrity levels or the process cannot be asked (a program of another account).
  virtual bool RunsWithHigherRights(HWND window) = 0;
};

WindowIsolation& CurrentWindowIsolation();
// Installs `isolation` for the whole program; nullptr brings back the system's answers.
void SetWindowIsolation(WindowIsolation* isolation);

// Whether the program may try to change the window: ERROR_ACCESS_DENIED, as the system reports a
// refused call, when its program runs with higher rights. Some refused calls (ShowWindow,
// EnableWindow) report nothing at all, so the question is asked before, not after.
[[nodiscard]] Outcome ChangeAllowed(HWND window);

}  // namespace platform
