#pragma once
// The shell's own windows, found by class name afresh on every use. None of them is ours: a
// missing shell (another shell, or none) simply yields no window.
#include <windows.h>

#include "shell/portable/ShellToggleTable.h"

namespace shell {

// The window, or null when the shell has no such window.
HWND FindShellWindow(ShellWindow which);

}  // namespace shell
