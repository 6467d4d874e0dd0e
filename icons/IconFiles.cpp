#include "icons/IconFiles.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "icons/Capture.h"
#include "icons/PictureFiles.h"
#include "icons/portable/FileNames.h"
#include "icons/portable/IcoFile.h"
#include "platform/Error.h"
#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"

namespace icons {
namespace {

// The bitmaps of an icon, owned while they are read. A monochrome icon has no colour bitmap: its
// mask holds the AND mask on top of the XOR image, twice the icon's height.
struct IconParts {
  platform::UniqueBitmap mask, colour;
  int width = 0, height = 0;
  WORD bitCount = 1;  // of the colour bitmap
};

std::optional<IconParts> PartsOf(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return std::nullopt;
  IconParts parts{platform::UniqueBitmap(info.hbmMask), platform::UniqueBitmap(info.hbmColor)};
  BITMAP shape{};
  ::GetObjectW(parts.colour ? parts.colour.get() : parts.mask.get(), sizeof(shape), &shape);
  parts.width = shape.bmWidth;
  parts.height = parts.colour ? shape.bmHeight : shape.bmHeight / 2;
  if (parts.colour) parts.bitCount = shape.bmBitsPixel * shape.bmPlanes;
  return parts;
}

// The icon at its own size from the top-left corner of a width x height picture whose other
// pixels are transparent: rows of BGRA pixels, bottom row first, alpha not multiplied in. An
// icon with an alpha channel keeps it; one without is opaque where its mask says so.
Bytes IconPixels(HICON icon, int width, int height) {
  Bytes canvas(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0);
  const auto parts = PartsOf(icon);
  if (!parts) return canvas;
  const int w = parts->width, h = parts->height;
  const bool monochrome = !parts->colour;
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  // Bottom-up, a monochrome icon's XOR image comes first and its AND mask second.
  const Bytes colour = BitmapRows(dc.get(), monochrome ? parts->mask.get() : parts->colour.get(), w,
                                  monochrome ? 2 * h : h, 32, nullptr);
  const Bytes mask = BitmapRows(dc.get(), parts->mask.get(), w, monochrome ? 2 * h : h, 1, nullptr);
  const size_t maskStride = RowStride(static_cast<uint32_t>(w), 1), andAt = monochrome ? maskStride * h : 0;
  bool hasAlpha = false;
  for (size_t i = 3; !monochrome && i < static_cast<size_t>(w) * h * 4; i += 4) hasAlpha |= colour[i] != 0;
  for (int y = 0; y < std::min(h, height); ++y) {  // counted from the top
    for (int x = 0; x < std::min(w, width); ++x) {
      const size_t from = (static_cast<size_t>(h - 1 - y) * w + x) * 4;
      const size_t to = (static_cast<size_t>(height - 1 - y) * width + x) * 4;
      const bool masked = mask[andAt + static_cast<size_t>(h - 1 - y) * maskStride + x / 8] & (0x80 >> (x % 8));
      const uint8_t alpha = hasAlpha ? colour[from + 3] : (masked ? 0 : 0xFF);
      if (alpha == 0) continue;
      std::copy_n(colour.begin() + static_cast<std::ptrdiff_t>(from), 3,
                  canvas.begin() + static_cast<std::ptrdiff_t>(to));
      canvas[to + 3] = alpha;
    }
  }
  return canvas;
}

}  // namespace

void ExportIcon(HICON icon, int width, int height, const std::wstring& path) {
  const PictureFileFormat format = PictureFileFormatOf(path);
  if (format == PictureFileFormat::Ico || format == PictureFileFormat::Png) {
    const Bytes pixels = IconPixels(icon, width, height);
    SaveTransparentPicture({static_cast<uint32_t>(width), static_cast<uint32_t>(height), pixels}, path);
    return;
  }
  platform::CaptureBitmap picture;
  if (const platform::Outcome made = picture.Resize(width, height); !made)
    throw std::runtime_error(platform::Narrow(L"The Icon Could Not Be Drawn. " + made.Reason()));
  {
    const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const platform::SelectRestorer select(dc.get(), picture.bitmap.get());
    RECT all{0, 0, width, height};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (icon) ::DrawIconEx(dc.get(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  }
  SavePicture(picture, path);
}

void SaveIconFile(HICON icon, const std::wstring& path) {
  const auto parts = PartsOf(icon);
  if (!parts) throw std::runtime_error("Icon image is not valid");
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));

  IconPicture picture{};
  picture.width = static_cast<uint32_t>(parts->width);
  picture.height = static_cast<uint32_t>(parts->height);
  if (parts->colour) {
    picture.bitCount = parts->bitCount;
    picture.colourRows =
        BitmapRows(dc.get(), parts->colour.get(), parts->width, parts->height, picture.bitCount, &picture.palette);
    picture.maskRows = BitmapRows(dc.get(), parts->mask.get(), parts->width, parts->height, 1, nullptr);
  } else {
    // A monochrome icon keeps both halves in its mask: AND on top, XOR below (first, bottom-up).
    picture.bitCount = 1;
    Bytes both = BitmapRows(dc.get(), parts->mask.get(), parts->width, 2 * parts->height, 1, &picture.palette);
    const auto half = static_cast<std::ptrdiff_t>(both.size() / 2);
    picture.colourRows.assign(both.begin(), both.begin() + half);
    picture.maskRows.assign(both.begin() + half, both.end());
  }
  const auto file = WriteIco(picture);
  if (!file) throw std::runtime_error("Icon image is not valid");
  platform::WriteFileBytes(path, *file);
}

platform::UniqueIcon LoadIconFile(const std::wstring& path) {
  return platform::UniqueIcon(static_cast<HICON>(::LoadImageW(nullptr, platform::ReachablePath(path).c_str(),
                                                              IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
}

}  // namespace icons
