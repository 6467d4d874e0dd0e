#include "skin/portable/GlyphTint.h"

#include <algorithm>

#include "skin/portable/Colour.h"

namespace skin {
namespace {

std::uint8_t Scaled(int channel, int numerator, int denominator) {
  return static_cast<std::uint8_t>(std::min(255, (channel * numerator + denominator / 2) / denominator));
}

}  // namespace

void TintGlyphPixels(std::span<std::uint8_t> bgra, int hueDegrees, int saturation, AlphaForm form) {
  const Tint tint(hueDegrees, saturation);
  if (tint.IsIdentity()) return;
  // Glyphs repeat few colours: the last pixel's result is kept for the next.
  std::uint32_t lastIn = 0, lastOut = 0;
  bool haveLast = false;
  for (std::size_t at = 0; at + 4 <= bgra.size(); at += 4) {
    std::uint8_t* pixel = &bgra[at];
    const int alpha = pixel[3];
    if (alpha == 0) continue;
    const std::uint32_t in = pixel[0] | pixel[1] << 8 | pixel[2] << 16 | static_cast<std::uint32_t>(alpha) << 24;
    if (!haveLast || in != lastIn) {
      Rgb colour{pixel[2], pixel[1], pixel[0]};
      if (form == AlphaForm::Premultiplied)
        colour = {Scaled(colour.r, 255, alpha), Scaled(colour.g, 255, alpha), Scaled(colour.b, 255, alpha)};
      Rgb out = tint(colour);
      if (form == AlphaForm::Premultiplied)
        out = {Scaled(out.r, alpha, 255), Scaled(out.g, alpha, 255), Scaled(out.b, alpha, 255)};
      lastIn = in;
      lastOut = out.b | out.g << 8 | out.r << 16;
      haveLast = true;
    }
    pixel[0] = static_cast<std::uint8_t>(lastOut);
    pixel[1] = static_cast<std::uint8_t>(lastOut >> 8);
    pixel[2] = static_cast<std::uint8_t>(lastOut >> 16);
  }
}

void PremultiplyAlpha(std::span<std::uint8_t> bgra) {
  for (std::size_t at = 0; at + 4 <= bgra.size(); at += 4) {
    const int alpha = bgra[at + 3];
    for (int c = 0; c < 3; ++c) bgra[at + c] = Scaled(bgra[at + c], alpha, 255);
  }
}

}  // namespace skin
