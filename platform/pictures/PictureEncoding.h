#pragma once
// Picture files other than bitmaps: PNG, JPEG and GIF through the Windows Imaging Component,
// and metafiles that hold the picture. Each is made whole in memory, so that the caller writes
// the file in one step.
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// A picture as rows of 32-bit BGRA pixels, bottom row first (as GetDIBits gives them), each
// pixel opaque (for ImagingFormat::PngWithAlpha, the fourth byte is the pixel's own alpha,
// not multiplied into its colour).
struct OpaquePixels {
  uint32_t width = 0;
  uint32_t height = 0;
  std::span<const uint8_t> rows;  // width * 4 * height bytes
};

enum class ImagingFormat { Png, PngWithAlpha, Jpeg, Gif };

// The picture in the format's file layout, through the system's encoder. GIF holds at most 256
// colours: the encoder picks them from the picture. Throws Win32Error with the failing call's
// code when the encoder is missing or fails.
std::vector<uint8_t> EncodeImagingFile(const OpaquePixels& picture, ImagingFormat format);

// An enhanced metafile (EMF) that draws the picture at its size in pixels.
std::vector<uint8_t> EnhancedMetafileFile(const OpaquePixels& picture);

// A Windows metafile (WMF) that draws the picture, behind the placeable header that gives
// readers its size. Throws when a side does not fit the header's 16-bit coordinates.
std::vector<uint8_t> MetafileFile(const OpaquePixels& picture);

}  // namespace platform
