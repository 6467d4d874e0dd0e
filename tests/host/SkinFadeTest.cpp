// Fades of button faces and the premultiplied glyph pixels AlphaBlend is given.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/portable/Fade.h"
#include "skin/portable/GlyphTint.h"

using skin::Rgb;

TEST(SkinFade, AmountRisesSmoothlyFromZeroToOneAndStaysThere) {
  EXPECT_EQ(skin::FadeAmount(0), 0.0);
  EXPECT_EQ(skin::FadeAmount(skin::kFadeMilliseconds), 1.0);
  EXPECT_EQ(skin::FadeAmount(10 * skin::kFadeMilliseconds), 1.0);
  EXPECT_EQ(skin::FadeAmount(5, 0), 1.0);  // no duration: over at once
  EXPECT_DOUBLE_EQ(skin::FadeAmount(75, 150), 0.5);
  double previous = 0;
  for (unsigned ms = 1; ms <= skin::kFadeMilliseconds; ++ms) {
    const double now = skin::FadeAmount(ms);
    EXPECT_GT(now, previous) << ms;
    // Eased: no frame jumps by more than twice the even share.
    EXPECT_LT(now - previous, 2.0 / skin::kFadeMilliseconds) << ms;
    previous = now;
  }
  // Slow at both ends.
  EXPECT_LT(skin::FadeAmount(15), 15.0 / skin::kFadeMilliseconds);
  EXPECT_GT(skin::FadeAmount(135), 135.0 / skin::kFadeMilliseconds);
}

TEST(SkinFade, MixRunsEachChannelFromOneColourToTheOther) {
  const Rgb from{200, 10, 100}, to{0, 250, 100};
  EXPECT_EQ(skin::Mix(from, to, 0), from);
  EXPECT_EQ(skin::Mix(from, to, 1), to);
  EXPECT_EQ(skin::Mix(from, to, 0.5), (Rgb{100, 130, 100}));
  EXPECT_EQ(skin::Mix(from, to, 0.25), (Rgb{150, 70, 100}));
  EXPECT_EQ(skin::Mix(from, to, -3), from);  // clamped
  EXPECT_EQ(skin::Mix(from, to, 7), to);
  EXPECT_EQ(skin::Mix(to, from, 0.5), (Rgb{100, 130, 100})) << "the same midpoint either way";
}

TEST(SkinFade, PremultiplyScalesColoursByAlphaAndLeavesAPartialPixel) {
  std::vector<std::uint8_t> pixels = {200, 100, 50, 255,  // opaque: unchanged
                                      200, 100, 50, 0,    // transparent: black
                                      200, 100, 51, 128,  // half: rounded halves
                                      9,   9};            // a partial pixel stays
  skin::PremultiplyAlpha(pixels);
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{200, 100, 50, 255, 0, 0, 0, 0, 100, 50, 26, 128, 9, 9}));
}
