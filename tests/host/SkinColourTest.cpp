// Skin colour maths: hue and saturation in OKLCh, the contrast guard, and glyph tinting.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "skin/portable/BuiltInSkins.h"
#include "skin/portable/GlyphTint.h"
#include "skin/portable/Palette.h"

using skin::Rgb;

namespace {

// Colours across the whole cube, greys and the corners included.
std::vector<Rgb> SampleColours(int step) {
  std::vector<Rgb> colours;
  for (int r = 0; r <= 255; r += step)
    for (int g = 0; g <= 255; g += step)
      for (int b = 0; b <= 255; b += step)
        colours.push_back({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)});
  return colours;
}

// WCAG 2.0's contrast ratio, written out from its definition.
double Wcag(Rgb one, Rgb two) {
  const auto luminance = [](Rgb c) {
    double channels[3] = {c.r / 255.0, c.g / 255.0, c.b / 255.0};
    for (double& v : channels) v = v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    return 0.2126 * channels[0] + 0.7152 * channels[1] + 0.0722 * channels[2];
  };
  const double a = luminance(one) + 0.05, b = luminance(two) + 0.05;
  return a > b ? a / b : b / a;
}

double HueDistance(double a, double b) {
  const double d = std::fabs(a - b);
  return std::min(d, 360 - d);
}

}  // namespace

TEST(SkinColour, OklabMatchesPublishedValuesAndWcagRatiosMatchKnownPairs) {
  // Reference values of the OKLab definition for sRGB red and white.
  const skin::Lch red = skin::ToOklch({255, 0, 0});
  EXPECT_NEAR(red.L, 0.62796, 1e-4);
  EXPECT_NEAR(red.C, std::hypot(0.22486, 0.12585), 1e-4);
  EXPECT_NEAR(red.h, std::atan2(0.12585, 0.22486) * 180 / M_PI, 0.05);
  EXPECT_NEAR(skin::ToOklch({255, 255, 255}).L, 1.0, 1e-4);
  EXPECT_NEAR(skin::ToOklch({255, 255, 255}).C, 0.0, 1e-4);

  EXPECT_NEAR(skin::ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(skin::ContrastRatio({0x76, 0x76, 0x76}, {255, 255, 255}), 4.54, 0.01);
  EXPECT_NEAR(skin::ContrastRatio({255, 255, 255}, {0x76, 0x76, 0x76}), 4.54, 0.01);
  EXPECT_DOUBLE_EQ(skin::ContrastRatio({40, 90, 200}, {40, 90, 200}), 1.0);
}

TEST(SkinColour, HueZeroIsTheIdentityAndFullTurnsWrap) {
  for (const Rgb c : SampleColours(5)) {
    ASSERT_EQ(skin::FromOklch(skin::ToOklch(c)), c) << int(c.r) << "," << int(c.g) << "," << int(c.b);
  }
  for (const Rgb c : SampleColours(51)) {
    for (int saturation : {-60, 0, 40}) {
      EXPECT_EQ(skin::Tint(360, saturation)(c), skin::Tint(0, saturation)(c));
      EXPECT_EQ(skin::Tint(450, saturation)(c), skin::Tint(90, saturation)(c));
      EXPECT_EQ(skin::Tint(-90, saturation)(c), skin::Tint(270, saturation)(c));
    }
  }
}

TEST(SkinColour, HueRotationKeepsLightnessAndTurnsTheHue) {
  for (const Rgb c : SampleColours(17)) {
    const skin::Lch before = skin::ToOklch(c);
    for (int hue : {30, 90, 180, 270, 359}) {
      const skin::Lch turned = skin::RotateHue(before, hue);
      EXPECT_DOUBLE_EQ(turned.L, before.L);
      EXPECT_DOUBLE_EQ(turned.C, before.C);
      EXPECT_NEAR(HueDistance(turned.h, before.h), std::min(hue, 360 - hue), 1e-9);
      // Through the screen's gamut and 8-bit rounding, lightness still holds.
      const skin::Lch shown = skin::ToOklch(skin::Tint(hue, 0)(c));
      EXPECT_NEAR(shown.L, before.L, 0.006) << int(c.r) << "," << int(c.g) << "," << int(c.b) << " hue " << hue;
    }
  }
  // A muted colour fits the gamut at every hue, so it turns exactly and keeps its chroma.
  const Rgb steel{0x4A, 0x6A, 0x8C};
  const skin::Lch steelLch = skin::ToOklch(steel);
  for (int hue : {60, 120, 180, 240, 300}) {
    const skin::Lch shown = skin::ToOklch(skin::Tint(hue, 0)(steel));
    EXPECT_NEAR(HueDistance(shown.h, steelLch.h), std::min(hue, 360 - hue), 2.0) << hue;
    EXPECT_NEAR(shown.C, steelLch.C, 0.004) << hue;
  }
}

TEST(SkinColour, SaturationScalesChromaAndGreysStayGrey) {
  for (const Rgb c : SampleColours(15)) {
    const Rgb grey = skin::Tint(0, -100)(c);
    EXPECT_TRUE(grey.r == grey.g && grey.g == grey.b) << int(c.r) << "," << int(c.g) << "," << int(c.b);
    // The grey of the same lightness, to the nearest of the 256 greys.
    const auto greyL = [](int level) {
      const auto v = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
      return skin::ToOklch({v, v, v}).L;
    };
    EXPECT_LE(greyL(grey.r - 1), skin::ToOklch(c).L + 1e-9);
    EXPECT_GE(greyL(grey.r + 1), skin::ToOklch(c).L - 1e-9);
    // Doubling is clipped to what the screen shows, but never loses colour.
    EXPECT_GE(skin::ToOklch(skin::Tint(0, 100)(c)).C, skin::ToOklch(c).C - 0.004);
  }
  const Rgb muted{0x8C, 0x7F, 0x73};
  EXPECT_NEAR(skin::ToOklch(skin::Tint(0, 100)(muted)).C, 2 * skin::ToOklch(muted).C, 0.004);
  EXPECT_NEAR(skin::ToOklch(skin::Tint(0, -50)(muted)).C, 0.5 * skin::ToOklch(muted).C, 0.004);

  for (int level = 0; level <= 255; ++level) {
    const auto v = static_cast<std::uint8_t>(level);
    for (int hue : {0, 45, 90, 180, 270})
      for (int saturation : {-100, -30, 0, 60, 100})
        ASSERT_EQ(skin::Tint(hue, saturation)({v, v, v}), (Rgb{v, v, v})) << level << " " << hue << " " << saturation;
  }
}

TEST(SkinColour, EveryBuiltInSkinStaysLegibleAtEveryHueAndSaturation) {
  using skin::Palette;
  struct Need {
    Rgb Palette::*foreground;
    double ratio;
    std::vector<Rgb Palette::*> backgrounds;
  };
  const std::vector<Need> needs{
      {&Palette::text,
       4.5,
       {&Palette::window, &Palette::panel, &Palette::button, &Palette::buttonHot, &Palette::buttonPressed,
        &Palette::buttonDisabled}},
      {&Palette::selectionText, 4.5, {&Palette::selection}},
      {&Palette::disabledText, 3.0, {&Palette::window, &Palette::panel, &Palette::buttonDisabled}},
      {&Palette::border,
       3.0,
       {&Palette::window, &Palette::panel, &Palette::button, &Palette::buttonHot, &Palette::buttonPressed}},
      {&Palette::accent, 3.0, {&Palette::window, &Palette::panel, &Palette::button}},
  };
  std::vector<std::pair<std::wstring, Palette>> skins;
  for (const skin::BuiltInSkin& builtIn : skin::kBuiltInSkins) {
    // As designed, the skins need no help at their own colours.
    EXPECT_EQ(skin::EffectivePalette(builtIn.palette, 0, 0), builtIn.palette);
    skins.emplace_back(builtIn.name, builtIn.palette);
  }
  // Vivid colours as a skin file may bring them, some pairs too close even at their own hue;
  // turned, their luminance moves further, and the guard has to step in.
  skins.emplace_back(L"vivid", Palette{{0xFF, 0xFF, 0xFF},
                                       {0xFF, 0xF8, 0xE0},
                                       {0xE0, 0x30, 0x70},
                                       {0xFF, 0xE0, 0x70},
                                       {0xFF, 0xD0, 0x40},
                                       {0xF0, 0xB0, 0x00},
                                       {0xFF, 0xF0, 0xC0},
                                       {0xC0, 0x00, 0x60},
                                       {0xD0, 0x40, 0x80},
                                       {0xFF, 0x20, 0x80},
                                       {0xE0, 0x00, 0x50},
                                       {0xFF, 0xFF, 0xFF}});
  for (const auto& [name, palette] : skins) {
    for (int hue : {0, 90, 180, 270}) {
      for (int saturation : {-100, 0, 100}) {
        const Palette p = skin::EffectivePalette(palette, hue, saturation);
        for (const Need& need : needs)
          for (auto background : need.backgrounds)
            EXPECT_GE(Wcag(p.*need.foreground, p.*background), need.ratio)
                << std::string(name.begin(), name.end()) << " hue " << hue << " saturation " << saturation;
        if (saturation == -100) {
          EXPECT_TRUE(p.window.r == p.window.g && p.window.g == p.window.b);
        }
      }
    }
  }
}

TEST(SkinColour, ContrastGuardMovesTextTheNearerWayOnlyAsFarAsNeeded) {
  skin::Palette p = skin::kBuiltInSkins[0].palette;
  // Mid-grey backgrounds with grey text: only black reaches 4.5 here.
  p.window = p.panel = p.button = p.buttonHot = p.buttonPressed = p.buttonDisabled = {0x80, 0x80, 0x80};
  p.text = {0x77, 0x77, 0x77};
  Rgb text = skin::EffectivePalette(p, 0, 0).text;
  EXPECT_GE(Wcag(text, p.window), 4.5);
  EXPECT_LT(text.r, 0x77);
  EXPECT_LT(Wcag({static_cast<std::uint8_t>(text.r + 4), static_cast<std::uint8_t>(text.g + 4),
                  static_cast<std::uint8_t>(text.b + 4)},
                 p.window),
            4.5);  // not pushed further than the floor needs

  // Dark backgrounds with a dim coloured text: the text turns lighter and keeps its hue.
  p.window = p.panel = p.button = p.buttonHot = p.buttonPressed = p.buttonDisabled = {0x30, 0x30, 0x34};
  p.text = {0x50, 0x40, 0x90};
  text = skin::EffectivePalette(p, 0, 0).text;
  EXPECT_GE(Wcag(text, p.window), 4.5);
  EXPECT_GT(skin::ToOklch(text).L, skin::ToOklch(p.text).L);
  EXPECT_LT(HueDistance(skin::ToOklch(text).h, skin::ToOklch(p.text).h), 6.0);
}

TEST(SkinColour, GlyphPixelsTakeTheTintAndKeepTheirAlpha) {
  const Rgb red{220, 40, 40}, blue{30, 80, 200};
  // Straight pixels, blue-green-red-alpha, and two trailing bytes of no pixel.
  std::vector<std::uint8_t> straight{red.b, red.g, red.r, 255, blue.b, blue.g, blue.r, 90, 7, 8, 9, 0, 1, 2};
  const std::vector<std::uint8_t> original = straight;
  skin::TintGlyphPixels(straight, 0, 0, skin::AlphaForm::Straight);
  EXPECT_EQ(straight, original);

  skin::TintGlyphPixels(straight, 120, 30, skin::AlphaForm::Straight);
  const skin::Tint tint(120, 30);
  const Rgb redOut = tint(red), blueOut = tint(blue);
  EXPECT_EQ(straight, (std::vector<std::uint8_t>{redOut.b, redOut.g, redOut.r, 255, blueOut.b, blueOut.g, blueOut.r, 90,
                                                 7, 8, 9, 0, 1, 2}));

  // Premultiplied: the colour under the alpha is tinted, and stays premultiplied.
  const auto premultiplied = [](Rgb c, int alpha) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>(c.b * alpha / 255),
                                     static_cast<std::uint8_t>(c.g * alpha / 255),
                                     static_cast<std::uint8_t>(c.r * alpha / 255), static_cast<std::uint8_t>(alpha)};
  };
  std::vector<std::uint8_t> pixel = premultiplied(red, 128);
  skin::TintGlyphPixels(pixel, 120, 30, skin::AlphaForm::Premultiplied);
  const std::vector<std::uint8_t> expected = premultiplied(redOut, 128);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(pixel[i], expected[i], 2) << i;
  EXPECT_EQ(pixel[3], 128);
}
