#pragma once
// What the catalogue reads from a window of another program: its icons and two states.
#include <windows.h>

#include "platform/UniqueHandle.h"

// The window's icon, borrowed from the window, not to be destroyed; null when it has none. The
// class icon comes first, then the window's own (asked with a bounded wait, so a hung window
// cannot hold the list up), and a missing small icon falls back to the large one.
HICON WindowIcon(HWND window, bool large);

// A new copy of `icon` at the system size of the large or small kind; empty for a null icon.
platform::UniqueIcon CopyAtSystemSize(HICON icon, bool large);

bool IsWindowTopmost(HWND window);

// False only when the title bar reports the close button as exactly "unavailable".
bool IsCloseButtonEnabled(HWND window);
