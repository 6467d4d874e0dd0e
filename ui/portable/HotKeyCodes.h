#pragma once
// Shortcut values as a hotkey edit control keeps them, and their conversion for RegisterHotKey.
#include <cstdint>

namespace ui {

// Bits 0-12: virtual key; 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
using ShortCut = std::uint16_t;

inline constexpr ShortCut kShortCutShift = 0x2000;
inline constexpr ShortCut kShortCutCtrl = 0x4000;
inline constexpr ShortCut kShortCutAlt = 0x8000;
inline constexpr ShortCut kShortCutKeyMask = 0x1FFF;

// RegisterHotKey modifier flags (MOD_ALT, MOD_CONTROL, MOD_SHIFT); MOD_WIN is never produced.
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;

struct HotKeyCombination {
  unsigned virtualKey = 0;
  unsigned modifiers = 0;
  friend bool operator==(const HotKeyCombination&, const HotKeyCombination&) = default;
};

// Each modifier as a shortcut value's bit and as a RegisterHotKey flag.
struct ModifierBits {
  ShortCut shortcut;
  unsigned hotKey;
};
inline constexpr ModifierBits kModifierBits[] = {
    {kShortCutShift, kModShift}, {kShortCutCtrl, kModControl}, {kShortCutAlt, kModAlt}};

// A shortcut value as RegisterHotKey takes it, and back.
constexpr HotKeyCombination ShortCutToHotKey(ShortCut shortcut) {
  HotKeyCombination result{static_cast<unsigned>(shortcut & kShortCutKeyMask), 0};
  for (const ModifierBits& bits : kModifierBits)
    if (shortcut & bits.shortcut) result.modifiers |= bits.hotKey;
  return result;
}

constexpr ShortCut ShortCutFromHotKey(const HotKeyCombination& keys) {
  ShortCut result = static_cast<ShortCut>(keys.virtualKey & kShortCutKeyMask);
  for (const ModifierBits& bits : kModifierBits)
    if (keys.modifiers & bits.hotKey) result |= bits.shortcut;
  return result;
}

// The hotkey common control reports HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4 in the
// high byte of its 16-bit value; these convert between that and a shortcut value.
ShortCut ShortCutFromHotKeyControl(std::uint16_t controlValue);
std::uint16_t HotKeyControlFromShortCut(ShortCut shortcut);

}  // namespace ui
