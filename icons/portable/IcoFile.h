#pragma once
// Reading icon files (ICO) and writing one-image icon files. Every offset and size is checked
// against the file before anything is read from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/portable/IconFormats.h"

namespace icons {

enum class ImageKind { Dib, Png };

// The largest icon image a file may hold. The biggest real one, 256 x 256 at 32 bits per pixel
// with its mask, takes 270,376 bytes as a bitmap; a PNG of that size is smaller unless it
// carries other data.
inline constexpr uint32_t kMaxIconImageBytes = 1024 * 1024;

// What an image of an icon file really holds, read from the image itself (directory entries
// are often wrong: 0 planes, 0 bits).
struct IconImageInfo {
  ImageKind kind;
  uint32_t width;
  uint32_t height;  // of the picture, not the doubled height of the DIB header
  uint16_t planes;
  uint16_t bitCount;
  uint32_t colourCount;  // palette entries; 0 for 256 or more
};

struct IcoImage {
  IconDirEntry entry;
  IconImageInfo info;
  ByteView bytes;  // inside the file the reader was given
};

struct IcoFile {
  IconDir header;
  std::vector<IcoImage> images;  // at least one
};

// The file's directory and images, or nothing (and why) when it is not a sound icon file:
// no image, an entry outside the file or larger than kMaxIconImageBytes, an image that is
// neither a bitmap of the size it claims nor a PNG. The images point into `file`, which must outlive the result.
std::optional<IcoFile> ReadIco(ByteView file, std::string* why = nullptr);

// What the image bytes of one entry hold, or nothing when they are not a usable icon image.
std::optional<IconImageInfo> InspectIconImage(ByteView image);

// The picture of a one-image icon: bottom-up rows padded to 32 bits, as GetDIBits gives them.
struct IconPicture {
  uint32_t width;
  uint32_t height;
  uint16_t bitCount;              // of the colour rows
  std::vector<uint32_t> palette;  // RGBQUADs, for 8 bits per pixel and below
  Bytes colourRows;               // RowStride(width, bitCount) * height
  Bytes maskRows;                 // RowStride(width, 1) * height: the AND mask
};

// An ICO file with one directory entry and its image (header, palette, colour rows, mask) at
// offset 22. Nothing when the rows do not have the sizes the picture claims.
std::optional<Bytes> WriteIco(const IconPicture& picture);

}  // namespace icons
