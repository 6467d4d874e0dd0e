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
  ~GlobalHotKeys();

  // RegisterHotKey with MOD_* modifiers, and MOD_NOREPEAT where the system knows it (Windows 7
  // and later); a failure (ERROR_HOTKEY_ALREADY_REGISTERED) when another registration holds the
  // combination.
  [[nodiscard]] Outcome Register(int id, unsigned modifiers, unsigned virtualKey);
  void Unregister(int id);
  void UnregisterAll();

  // Whether a WM_HOTKEY (its wParam and lParam) is the first of its press. Older systems, and
  // Wine, which ignores MOD_NOREPEAT, send one for every repeat of the key while the combination
  // is held; those are not. The key counts as released once the system reports it up.
  bool FirstOfPress(WPARAM id, LPARAM keys);

 private:
  static void CALLBACK WatchRelease(HWND window, UINT, UINT_PTR self, DWORD);

  HWND window_;
  std::vector<int> ids_;
  WPARAM heldId_ = 0;  // the hotkey whose key is still down, if `held_`
  UINT heldKey_ = 0;
  bool held_ = false;
};

}  // namespace platform
