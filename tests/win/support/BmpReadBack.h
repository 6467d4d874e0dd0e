#pragma once
// A bitmap file the program wrote, read back by the program's own reader, and its pixels.
#include <gtest/gtest.h>

#include <string>

#include "IconFilesOut.h"
#include "icons/portable/BmpFile.h"

namespace testsupport {

inline icons::BmpPicture ReadBack(const std::wstring& path) {
  const auto picture = icons::ReadBmp(Contents(path));
  EXPECT_TRUE(picture) << "not a bitmap file";
  return picture.value_or(icons::BmpPicture{});
}

// Blue, green, red of a pixel of a 24 or 32 bits-per-pixel picture (rows bottom-up).
inline COLORREF PixelAt(const icons::BmpPicture& p, uint32_t x, uint32_t y) {
  const size_t at = icons::RowStride(p.width, p.bitCount) * (p.height - 1 - y) + x * (p.bitCount / 8);
  return RGB(p.rows[at + 2], p.rows[at + 1], p.rows[at]);
}

}  // namespace testsupport
