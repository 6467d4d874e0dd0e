#include "icons/PictureFiles.h"

#include <stdexcept>

#include "icons/Capture.h"
#include "icons/portable/FileNames.h"
#include "icons/portable/IcoFile.h"
#include "platform/files/FileBytes.h"
#include "platform/pictures/PictureEncoding.h"

namespace icons {
namespace {

constexpr uint32_t kLargestIconSide = 256;

// The picture at 32 bits per pixel, every pixel opaque: the display leaves the fourth byte 0,
// which readers of 32-bit icons and PNG would take for fully transparent.
Bytes OpaqueRows(const platform::CaptureBitmap& picture) {
  const platform::UniqueMemoryDc dc = PaletteDc(picture.palette.get());
  Bytes rows = BitmapRows(dc.get(), picture.bitmap.get(), picture.width, picture.height, 32, nullptr);
  for (size_t alpha = 3; alpha < rows.size(); alpha += 4) rows[alpha] = 0xFF;
  return rows;
}

Bytes IconFileOf(const platform::OpaquePixels& pixels) {
  if (pixels.width > kLargestIconSide || pixels.height > kLargestIconSide)
    throw std::runtime_error("The picture is " + std::to_string(pixels.width) + " x " + std::to_string(pixels.height) +
                             " pixels, too large for an icon: an icon is at most 256 x 256 pixels.");
  IconPicture icon{pixels.width,
                   pixels.height,
                   32,
                   {},
                   Bytes(pixels.rows.begin(), pixels.rows.end()),
                   Bytes(RowStride(pixels.width, 1) * pixels.height, 0)};
  // The mask marks the fully transparent pixels too, for readers that know no alpha.
  const size_t maskStride = RowStride(pixels.width, 1);
  for (size_t y = 0; y < pixels.height; ++y)
    for (size_t x = 0; x < pixels.width; ++x)
      if (pixels.rows[(y * pixels.width + x) * 4 + 3] == 0) icon.maskRows[y * maskStride + x / 8] |= 0x80 >> (x % 8);
  auto file = WriteIco(icon);
  if (!file) throw std::runtime_error("Icon image is not valid");
  return std::move(*file);
}

Bytes EncodedFile(const platform::OpaquePixels& pixels, PictureFileFormat format, bool transparent = false) {
  switch (format) {
    case PictureFileFormat::Png:
      return platform::EncodeImagingFile(
          pixels, transparent ? platform::ImagingFormat::PngWithAlpha : platform::ImagingFormat::Png);
    case PictureFileFormat::Jpeg: return platform::EncodeImagingFile(pixels, platform::ImagingFormat::Jpeg);
    case PictureFileFormat::Gif: return platform::EncodeImagingFile(pixels, platform::ImagingFormat::Gif);
    case PictureFileFormat::Ico: return IconFileOf(pixels);
    case PictureFileFormat::Emf: return platform::EnhancedMetafileFile(pixels);
    case PictureFileFormat::Wmf: return platform::MetafileFile(pixels);
    case PictureFileFormat::Bmp: break;
  }
  throw std::logic_error("a bitmap is not encoded from opaque pixels");
}

}  // namespace

void SavePicture(const platform::CaptureBitmap& picture, const std::wstring& path) {
  const PictureFileFormat format = PictureFileFormatOf(path);
  if (format == PictureFileFormat::Bmp) {
    platform::WriteFileBytes(path, BitmapFileBytes(picture.bitmap.get(), picture.palette.get()));
    return;
  }
  const Bytes rows = OpaqueRows(picture);
  const platform::OpaquePixels pixels{static_cast<uint32_t>(picture.width), static_cast<uint32_t>(picture.height),
                                      rows};
  platform::WriteFileBytes(path, EncodedFile(pixels, format));
}

void SaveTransparentPicture(const platform::OpaquePixels& pixels, const std::wstring& path) {
  const PictureFileFormat format = PictureFileFormatOf(path);
  if (format != PictureFileFormat::Ico && format != PictureFileFormat::Png)
    throw std::logic_error("only icon files and PNG keep a picture's transparency");
  platform::WriteFileBytes(path, EncodedFile(pixels, format, true));
}

}  // namespace icons
