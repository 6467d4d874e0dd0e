#pragma once
// An icon's picture at its own size in the middle of a larger transparent canvas, pixel by
// pixel, so an image list with bigger cells does not stretch it.
#include <cstdint>
#include <vector>

namespace vantora {

// 32-bit pixels 0xAARRGGBB with straight alpha, rows top-down.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;
  friend bool operator==(const Pixels&, const Pixels&) = default;
};

// An icon's colour picture with its alpha: a picture whose pixels all have alpha 0 carries none
// of its own (an older icon), so its AND mask decides: `masked` holds one entry per pixel,
// nonzero where the mask's bit is set and the pixel transparent, and the rest are opaque.
Pixels WithMaskAlpha(Pixels colour, const std::vector<std::uint8_t>& masked);

// The picture centred on a fully transparent canvas (an odd margin puts the extra pixel after
// it); a picture larger than the canvas keeps its middle.
Pixels Centred(const Pixels& picture, int width, int height);

// The AND mask of the picture as a monochrome bitmap's rows (most significant bit first, each
// row padded to 16 bits): the bit is set where the pixel is fully transparent.
std::vector<std::uint8_t> MaskRows(const Pixels& picture);

}  // namespace vantora
