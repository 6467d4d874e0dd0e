#pragma once
// The shell's own windows, found by class name afresh on every use, where each version of
// Windows keeps them. None of them is ours: a missing shell (another shell, or none) or a shell
// that draws the target without a window of its own simply yields no window.
#include <windows.h>

#include <vector>

#include "shell/portable/ShellToggleTable.h"

namespace shell {

// The window, or null when the shell has no such window. The taskbar is the main monitor's.
HWND FindShellWindow(ShellWindow which);

// The taskbars of the other monitors, front to back; none with one monitor.
std::vector<HWND> SecondaryTaskbars();

}  // namespace shell
