#pragma once
// System-wide hotkeys delivered to a window of ours as WM_HOTKEY.
#include <windows.h>

namespace platform {

// RegisterHotKey with MOD_* modifiers; false when another registration holds the combination.
bool RegisterGlobalHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey);
void UnregisterGlobalHotKey(HWND window, int id);

}  // namespace platform
