#pragma once
// System-wide hotkeys delivered to a window of ours as WM_HOTKEY.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/Error.h"
#include "platform/system/KeyPresses.h"

namespace platform {

// The hotkeys registered on one window: each is released when the object is cleared or
// destroyed, in the order they were registered.
class GlobalHotKeys {
 public:
  explicit GlobalHotKeys(HWND window);
  GlobalHotKeys(const GlobalHotKeys&) = delete;
  GlobalHotKeys& operator=(const GlobalHotKeys&) = delete;
  ~GlobalHotKeys();

  // RegisterHotKey with MOD_* modifiers, and MOD_NOREPEAT where the system knows it (Windows 7
  // and later); a failure (ERROR_HOTKEY_ALREADY_REGISTERED) when another registration holds the
  // combination.
  [[nodiscard]] Outcome Register(int id, unsigned modifiers, unsigned virtualKey);
  void Unregister(int id);
  void UnregisterAll();

  // Whether the WM_HOTKEY being handled (its wParam and lParam) is the first of its press. Where
  // MOD_NOREPEAT holds, every one is. Older systems, and Wine, which ignores it, send one for every
  // repeat of the key while the combination is held: one is the first when its key went down
  // anew, as the keyboard reported, since the press the last one acted on.
  bool FirstOfPress(WPARAM id, LPARAM keys);

 private:
  HWND window_;
  std::vector<int> ids_;
  std::shared_ptr<KeyPresses> presses_;  // where the system repeats hotkeys
  std::map<WPARAM, DWORD> actedPress_;   // by hotkey: when the press it last acted on went down
};

}  // namespace platform
