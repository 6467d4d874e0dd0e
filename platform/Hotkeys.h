#pragma once
// System-wide hotkeys delivered to a window of ours as WM_HOTKEY.
#include <windows.h>

#include <vector>

#include "platform/Error.h"

namespace platform {

// The hotkeys registered on one window: each is released when the object is cleared or
// destroyed, in the order they were registered.
class GlobalHotKeys {
 public:
  explicit GlobalHotKeys(HWND window) : window_(window) {}
  GlobalHotKeys(const GlobalHotKeys&) = delete;
  GlobalHotKeys& operator=(const GlobalHotKeys&) = delete;
  ~GlobalHotKeys() { UnregisterAll(); }

  // RegisterHotKey with MOD_* modifiers; a failure (ERROR_HOTKEY_ALREADY_REGISTERED) when
  // another registration holds the combination.
  [[nodiscard]] Outcome Register(int id, unsigned modifiers, unsigned virtualKey);
  void Unregister(int id);
  void UnregisterAll();

 private:
  HWND window_;
  std::vector<int> ids_;
};

}  // namespace platform
