#include "ui/portable/HotKeyCodes.h"

namespace ui {

namespace {
constexpr unsigned kControlShift = 1, kControlCtrl = 2, kControlAlt = 4;
}

ShortCut ShortCutFromHotKeyControl(std::uint16_t controlValue) {
  const unsigned flags = controlValue >> 8;
  ShortCut result = controlValue & 0xFF;
  if (flags & kControlShift) result |= kShortCutShift;
  if (flags & kControlCtrl) result |= kShortCutCtrl;
  if (flags & kControlAlt) result |= kShortCutAlt;
  return result;
}

std::uint16_t HotKeyControlFromShortCut(ShortCut shortcut) {
  unsigned flags = 0;
  if (shortcut & kShortCutShift) flags |= kControlShift;
  if (shortcut & kShortCutCtrl) flags |= kControlCtrl;
  if (shortcut & kShortCutAlt) flags |= kControlAlt;
  return static_cast<std::uint16_t>((flags << 8) | (shortcut & 0xFF));
}

}  // namespace ui
