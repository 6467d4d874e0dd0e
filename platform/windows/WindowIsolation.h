#pragma once
// What the system keeps between the program and another program's window, which Wine never does:
// the window manager may cloak a window (kept, and visible by its style, but not on the screen
// the user looks at: another virtual desktop, a suspended Store app), and User Interface
// Privilege Isolation refuses calls that change a window of a program running with higher rights
// (an administrator's program, for a program that is not one). Tests replace these two questions.
#include <windows.h>

#include <optional>

#include "platform/Error.h"

namespace platform {

class WindowIsolation {
 public:
  virtual ~WindowIsolation() = default;
  // The window manager's DWMWA_CLOAKED; false where it has no such attribute.
  virtual bool Cloaked(HWND window) = 0;
  // The window's process runs at a higher integrity level than ours; false where the system has
  // no integrity levels.
  virtual bool RunsWithHigherRights(HWND window) = 0;
};

// The mandatory integrity level (SECURITY_MANDATORY_*_RID) of the process with this id;
// nullopt where the system has none, and where the process or its token cannot be opened.
std::optional<DWORD> ProcessIntegrity(DWORD processId);

// The system's answers, with `integrity` asking for a process's level (tests give the levels of
// processes Wine cannot make: another account's, SYSTEM's).
class SystemIsolation final : public WindowIsolation {
 public:
  explicit SystemIsolation(std::optional<DWORD> (*integrity)(DWORD) = &ProcessIntegrity) : integrity_(integrity) {}
  bool Cloaked(HWND window) override;
  // Below high rights, a process that cannot be asked counts as higher: one elevated under
  // another account's credentials, or SYSTEM, refuses such a program all the same.
  bool RunsWithHigherRights(HWND window) override;

 private:
  std::optional<DWORD> (*integrity_)(DWORD);
};

WindowIsolation& CurrentWindowIsolation();
// Installs `isolation` for the whole program; nullptr brings back the system's answers.
void SetWindowIsolation(WindowIsolation* isolation);

// Whether the program may try to change the window: ERROR_ACCESS_DENIED, as the system reports a
// refused call, when its program runs with higher rights. Some refused calls (ShowWindow,
// EnableWindow) report nothing at all, so the question is asked before, not after.
[[nodiscard]] Outcome ChangeAllowed(HWND window);

// A program running above the user's ordinary rights hears no message from a program with less,
// the shell included: lets `message` to `window` through from them (ChangeWindowMessageFilterEx,
// Windows 7 and later). Nothing is changed where the program runs with ordinary rights or less,
// or where the system has no such filter.
[[nodiscard]] Outcome AllowFromLowerRights(HWND window, UINT message);

}  // namespace platform
