#include <gtest/gtest.h>

#include "ui/portable/HotKeyCodes.h"

using namespace ui;

TEST(ShortCutToHotKey, DefaultsAreCtrlAltAndTheirLetterBothWays) {
  // The six defaults: 0xC000 plus C, M, X, R, H, F.
  const ShortCut defaults[] = {49219, 49229, 49240, 49234, 49224, 49222};
  const unsigned keys[] = {67, 77, 88, 82, 72, 70};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(ShortCutToHotKey(defaults[i]), (HotKeyCombination{keys[i], 3})) << i;
    EXPECT_EQ(ShortCutFromHotKey({keys[i], 3}), defaults[i]) << i;
  }
}

TEST(ShortCutFromHotKey, RoundTripsEveryModifierCombinationAndKeepsThirteenKeyBits) {
  for (unsigned mods = 0; mods < 8; ++mods) {
    const HotKeyCombination keys{0x1123, mods};
    EXPECT_EQ(ShortCutToHotKey(ShortCutFromHotKey(keys)), keys) << mods;
  }
  EXPECT_EQ(ShortCutFromHotKey({'A', kModShift}), 0x2000 | 'A');
  EXPECT_EQ(ShortCutFromHotKey({'Z', 0}), 'Z');
  EXPECT_EQ(ShortCutFromHotKey({0x2041, kModControl}), 0x4041);  // bits above the key are not a modifier
}

TEST(ShortCutToHotKey, ShiftCtrlAltGivesSevenAndLowThirteenBits) {
  EXPECT_EQ(ShortCutToHotKey(0xE000 | 0x1123), (HotKeyCombination{0x1123, 7}));
  EXPECT_EQ(ShortCutToHotKey(0x2000 | 'A'), (HotKeyCombination{'A', 4}));
  EXPECT_EQ(ShortCutToHotKey('Z'), (HotKeyCombination{'Z', 0}));
}

TEST(HotKeyControlValue, RoundTripsEveryModifierCombination) {
  for (unsigned mods = 0; mods < 8; ++mods) {
    const std::uint16_t control = static_cast<std::uint16_t>((mods << 8) | 0x74);
    const ShortCut sc = ShortCutFromHotKeyControl(control);
    EXPECT_EQ(sc & kShortCutKeyMask, 0x74);
    EXPECT_EQ(HotKeyControlFromShortCut(sc), control) << mods;
  }
  EXPECT_EQ(ShortCutFromHotKeyControl((6 << 8) | 'M'), 49229);  // Ctrl+Alt+M
}
