#pragma once
// The six global hotkeys: the id the system reports back in WM_HOTKEY, the default combination
// registered at every start (Ctrl+Alt and a letter), that combination as a hotkey control's
// shortcut value, and the label the options dialog shows beside it.
#include <array>
#include <string_view>

#include "platform/portable/HotKeyCodes.h"

namespace vantora {

// The ids the hotkeys are registered with; each keeps its action whatever its combination.
enum HotKeyId : int {
  kCloseAll = 1,
  kMinimizeAll = 2,
  kMaximizeAll = 3,
  kRestoreAll = 4,
  kHalfOpaque = 5,
  kOpaque = 6
};

struct HotKeyDefinition {
  int id;
  unsigned modifiers;  // MOD_* flags for RegisterHotKey
  unsigned virtualKey;
  platform::ShortCut shortcut;  // the same combination as a hotkey control holds it
  std::wstring_view optionsLabel;
};

inline constexpr unsigned kDefaultHotKeyModifiers = platform::kModAlt | platform::kModControl;

inline constexpr std::array<HotKeyDefinition, 6> kHotKeys{{
    {kCloseAll, kDefaultHotKeyModifiers, 'C', 49219, L"To Close All Windows:"},
    {kMinimizeAll, kDefaultHotKeyModifiers, 'M', 49229, L"To Minimize All Windows:"},
    {kMaximizeAll, kDefaultHotKeyModifiers, 'X', 49240, L"To Maximize All Windows:"},
    {kRestoreAll, kDefaultHotKeyModifiers, 'R', 49234, L"To Restore All Windows:"},
    {kHalfOpaque, kDefaultHotKeyModifiers, 'H', 49224, L"To Set All Windows At 50% Transparency:"},
    {kOpaque, kDefaultHotKeyModifiers, 'F', 49222, L"To Set All Windows At Full Transparency:"},
}};

}  // namespace vantora
