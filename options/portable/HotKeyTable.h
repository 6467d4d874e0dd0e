#pragma once
// The six global hotkeys: the id the system reports back in WM_HOTKEY, the default combination
// registered at every start (Ctrl+Alt and a letter), and the label the options dialog shows
// beside it.
#include <array>
#include <string_view>

#include "ui/portable/HotKeyCodes.h"

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
  std::wstring_view optionsLabel;

  // The same combination as a hotkey control holds it.
  constexpr ui::ShortCut ShortCut() const { return ui::ShortCutFromHotKey({virtualKey, modifiers}); }
};

inline constexpr unsigned kDefaultHotKeyModifiers = ui::kModAlt | ui::kModControl;

inline constexpr std::array<HotKeyDefinition, 6> kHotKeys{{
    {kCloseAll, kDefaultHotKeyModifiers, 'C', L"To Close All Windows:"},
    {kMinimizeAll, kDefaultHotKeyModifiers, 'M', L"To Minimize All Windows:"},
    {kMaximizeAll, kDefaultHotKeyModifiers, 'X', L"To Maximize All Windows:"},
    {kRestoreAll, kDefaultHotKeyModifiers, 'R', L"To Restore All Windows:"},
    {kHalfOpaque, kDefaultHotKeyModifiers, 'H', L"To Set All Windows At 50% Transparency:"},
    {kOpaque, kDefaultHotKeyModifiers, 'F', L"To Set All Windows At Full Transparency:"},
}};

}  // namespace vantora
