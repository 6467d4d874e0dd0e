#include "platform/Hotkeys.h"

namespace platform {

bool RegisterGlobalHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
  return ::RegisterHotKey(window, id, modifiers, virtualKey) != FALSE;
}

void UnregisterGlobalHotKey(HWND window, int id) { ::UnregisterHotKey(window, id); }

}  // namespace platform
