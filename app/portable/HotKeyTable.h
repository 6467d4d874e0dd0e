#pragma once
// The six global hotkeys: the id the system reports back in WM_HOTKEY, the default combination
// registered at every start (Ctrl+Alt and a letter), that combination as a hotkey control's
// shortcut value, and the label the options dialog shows beside it.
#include <array>
#include <string_view>

#include "app/portable/HotKeyCodes.h"

namespace vantora {

struct HotKeyDefinition {
  int id;
  unsigned modifiers;   // MOD_* flags for RegisterHotKey
  unsigned virtualKey;
  ShortCut shortcut;    // the same combination as a hotkey control holds it
  std::wstring_view optionsLabel;
};

inline constexpr unsigned kDefaultHotKeyModifiers = kModAlt | kModControl;

inline constexpr std::array<HotKeyDefinition, 6> kHotKeys{{
    {1, kDefaultHotKeyModifiers, 'C', 49219, L"To Close All Windows:"},
    {2, kDefaultHotKeyModifiers, 'M', 49229, L"To Minimize All Windows:"},
    {3, kDefaultHotKeyModifiers, 'X', 49240, L"To Maximize All Windows:"},
    {4, kDefaultHotKeyModifiers, 'R', 49234, L"To Restore All Windows:"},
    {5, kDefaultHotKeyModifiers, 'H', 49224, L"To Set All Windows At 50% Transparency:"},
    {6, kDefaultHotKeyModifiers, 'F', 49222, L"To Set All Windows At Full Transparency:"},
}};

}  // namespace vantora
