#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/pictures/portable/IconCanvas.h"

namespace {

using vantora::Pixels;

constexpr std::uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kHalfGreen = 0x8000FF00u;

std::uint32_t At(const Pixels& p, int x, int y) {
  return p.argb[static_cast<size_t>(y) * static_cast<size_t>(p.width) + static_cast<size_t>(x)];
}

}  // namespace

TEST(IconCanvas, AnIconWithoutAlphaTakesItFromItsMaskAndOneWithAlphaKeepsIts) {
  // 2 x 2 colours of an older icon (alpha bytes 0) and its mask: the right column is masked.
  const Pixels plain{2, 2, {0x00FF0000u, 0x00123456u, 0x000000FFu, 0x00ABCDEFu}};
  const Pixels masked = vantora::WithMaskAlpha(plain, {0, 1, 0, 1});
  EXPECT_EQ(masked, (Pixels{2, 2, {kRed, 0u, kBlue, 0u}}));
  // A single pixel with alpha makes the icon's alpha its own: the mask is not asked.
  const Pixels own{2, 2, {kHalfGreen, 0x00123456u, 0x000000FFu, 0x00ABCDEFu}};
  EXPECT_EQ(vantora::WithMaskAlpha(own, {1, 1, 1, 1}), own);
}

TEST(IconCanvas, ThePictureSitsInTheMiddleAtItsOwnSizeWithTransparencyAround) {
  // 2 x 3 picture on a 5 x 6 canvas: a 3-pixel margin across (1 before, 2 after), 3 down.
  const Pixels picture{2, 3, {kRed, kBlue, kHalfGreen, kRed, kBlue, kHalfGreen}};
  const Pixels canvas = vantora::Centred(picture, 5, 6);
  ASSERT_EQ(canvas.width, 5);
  ASSERT_EQ(canvas.height, 6);
  ASSERT_EQ(canvas.argb.size(), 30u);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 1 && x < 3 && y >= 1 && y < 4;
      EXPECT_EQ(At(canvas, x, y), inside ? At(picture, x - 1, y - 1) : 0u) << x << "," << y;
    }
  // The same size stays as it is; a larger picture keeps its middle.
  EXPECT_EQ(vantora::Centred(picture, 2, 3), picture);
  const Pixels cut = vantora::Centred(picture, 2, 1);
  EXPECT_EQ(cut, (Pixels{2, 1, {kHalfGreen, kRed}}));
}

TEST(IconCanvas, TheMaskIsSetExactlyWhereTheCanvasIsFullyTransparent) {
  // 18 pixels across: three bytes of bits, padded to four; a half-transparent pixel is drawn.
  Pixels canvas{18, 2, std::vector<std::uint32_t>(36)};
  canvas.argb[0] = kRed;              // (0, 0)
  canvas.argb[9] = kHalfGreen;        // (9, 0)
  canvas.argb[18 + 17] = kBlue;       // (17, 1)
  canvas.argb[18 + 8] = 0x00FFFFFFu;  // (8, 1): colour without alpha is still transparent
  const std::vector<std::uint8_t> rows = vantora::MaskRows(canvas);
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0], 0x7F);  // x 0 drawn
  EXPECT_EQ(rows[1], 0xBF);  // x 9 drawn
  EXPECT_EQ(rows[2], 0xC0);  // x 16 and 17 transparent, the rest is padding
  EXPECT_EQ(rows[3], 0x00);
  EXPECT_EQ(rows[4], 0xFF);
  EXPECT_EQ(rows[5], 0xFF);
  EXPECT_EQ(rows[6], 0x80);  // x 17 drawn
  EXPECT_EQ(rows[7], 0x00);
}
