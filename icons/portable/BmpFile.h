#pragma once
// Writing and reading uncompressed Windows bitmap files (BMP).
#include <cstdint>
#include <optional>
#include <vector>

#include "icons/portable/IconFormats.h"

namespace icons {

// Rows as GetDIBits gives them: bottom-up, each padded to 32 bits.
struct BmpPicture {
  uint32_t width;
  uint32_t height;
  uint16_t bitCount;              // 1, 4, 8, 16, 24 or 32
  std::vector<uint32_t> palette;  // RGBQUADs; 8 bits per pixel and below need one
  Bytes rows;                     // RowStride(width, bitCount) * height
};

// The file header and BITMAPINFOHEADER of a picture of this shape with `colours` table entries,
// with room reserved for the table and the rows that follow them. Nothing for a shape no file
// holds (a depth of 8 bits or below needs a table).
std::optional<Bytes> BmpHeaders(uint32_t width, uint32_t height, uint16_t bitCount, size_t colours);

// File header, BITMAPINFOHEADER, colour table (8 bits per pixel and below), rows. Nothing when
// the rows or the palette do not fit the picture.
std::optional<Bytes> WriteBmp(const BmpPicture& picture);

// An uncompressed bitmap file read back (bottom-up or top-down; rows returned bottom-up).
std::optional<BmpPicture> ReadBmp(ByteView file);

}  // namespace icons
