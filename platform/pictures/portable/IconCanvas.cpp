#include "platform/pictures/portable/IconCanvas.h"

#include <algorithm>

namespace vantora {

namespace {
constexpr std::uint32_t kAlpha = 0xFF000000u;
}

Pixels WithMaskAlpha(Pixels colour, const std::vector<std::uint8_t>& masked) {
  const bool ownAlpha = std::any_of(colour.argb.begin(), colour.argb.end(), [](std::uint32_t p) { return p & kAlpha; });
  if (ownAlpha || masked.size() != colour.argb.size()) return colour;
  for (size_t i = 0; i < colour.argb.size(); ++i) colour.argb[i] = masked[i] ? 0u : (colour.argb[i] | kAlpha);
  return colour;
}

Pixels Centred(const Pixels& picture, int width, int height) {
  Pixels canvas{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
  // Where the picture's first column and row land; negative when it is cut.
  const int left = (width - picture.width) / 2, top = (height - picture.height) / 2;
  for (int y = std::max(0, top); y < std::min(height, top + picture.height); ++y)
    for (int x = std::max(0, left); x < std::min(width, left + picture.width); ++x)
      canvas.argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          picture
              .argb[static_cast<size_t>(y - top) * static_cast<size_t>(picture.width) + static_cast<size_t>(x - left)];
  return canvas;
}

std::vector<std::uint8_t> MaskRows(const Pixels& picture) {
  const size_t stride = static_cast<size_t>((picture.width + 15) / 16) * 2;
  std::vector<std::uint8_t> rows(stride * static_cast<size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if ((picture.argb[static_cast<size_t>(y) * static_cast<size_t>(picture.width) + static_cast<size_t>(x)] &
           kAlpha) == 0)
        rows[static_cast<size_t>(y) * stride + static_cast<size_t>(x / 8)] |=
            static_cast<std::uint8_t>(0x80u >> (x % 8));
  return rows;
}

}  // namespace vantora
