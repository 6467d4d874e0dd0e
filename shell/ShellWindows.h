#pragma once
// The shell's own windows that the taskbar and desktop toggles act on, found by class name
// afresh on every use. None of them is ours: a missing shell (another shell, or none) simply
// yields no window.
#include <windows.h>

namespace shell {

enum class ShellWindow {
  TaskbarClock,  // "TrayClockWClass" in "TrayNotifyWnd" in the taskbar
  Taskbar,       // the top-level "Shell_TrayWnd"
  DesktopIcons,  // the first child of the top-level "ProgMan"
  TaskbarItems,  // "ReBarWindow32" in the taskbar
};

// The window, or null when the shell has no such window.
HWND FindShellWindow(ShellWindow which);

}  // namespace shell
