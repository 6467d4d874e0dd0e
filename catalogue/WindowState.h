#pragma once
// What the catalogue reads from a window of another program: its icons and two states.
#include <windows.h>

#include "platform/UniqueHandle.h"

// A new icon of the system size for its kind, owned by the caller; empty when the window has none.
// The class icon comes first, then the window's own (asked with a bounded wait, so a hung window
// cannot hold the list up), and a missing small icon falls back to the large one.
platform::UniqueIcon CopyWindowIcon(HWND window, bool large);

// The icon CopyWindowIcon would copy: borrowed from the window, not to be destroyed.
HICON WindowIcon(HWND window, bool large);

bool IsWindowTopmost(HWND window);

// False only when the title bar reports the close button as exactly "unavailable".
bool IsCloseButtonEnabled(HWND window);
