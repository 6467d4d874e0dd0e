#pragma once
// Glyphs (button pictures) take the skin's hue offset and saturation like its colours do.
// The result depends only on the pixels, the hue and the saturation, so callers can keep the
// tinted copy per skin, hue and saturation.
#include <cstdint>
#include <span>

namespace skin {

// How the colour channels of a 32-bit pixel relate to its alpha: as stored in a bitmap file
// (straight), or already multiplied by alpha as AlphaBlend wants them (premultiplied).
enum class AlphaForm { Straight, Premultiplied };

// Tints 32-bit pixels in place, four bytes each in the order blue, green, red, alpha; alpha is
// kept. A trailing partial pixel is left alone.
void TintGlyphPixels(std::span<std::uint8_t> bgra, int hueDegrees, int saturation, AlphaForm form);

// Multiplies the colour channels of straight-alpha pixels by their alpha, as AlphaBlend wants.
void PremultiplyAlpha(std::span<std::uint8_t> bgra);

}  // namespace skin
