#include "platform/pictures/IconCanvas.h"

#include <cstring>
#include <optional>
#include <vector>

#include "platform/windows/WindowQueries.h"
#include "platform/pictures/portable/IconCanvas.h"

namespace platform {

namespace {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

// The bitmap's pixels at 32 bits, top-down; a monochrome bitmap's set bits come out white.
std::optional<std::vector<uint32_t>> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  BITMAPINFO info = TopDown32(width, height);
  const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  if (::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) != height)
    return std::nullopt;
  return pixels;
}

// An icon's own bitmaps. A monochrome icon has no colour bitmap: its mask, twice as tall, holds
// the AND bits above the picture.
struct IconBitmaps {
  UniqueBitmap colour, mask;
  int width = 0, height = 0;
};

std::optional<IconBitmaps> BitmapsOf(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return std::nullopt;
  IconBitmaps icons{UniqueBitmap(info.hbmColor), UniqueBitmap(info.hbmMask)};
  BITMAP shape{};
  if (!::GetObjectW(icons.mask.get(), sizeof(shape), &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 1)
    return std::nullopt;
  icons.width = shape.bmWidth;
  icons.height = icons.colour ? shape.bmHeight : shape.bmHeight / 2;
  return icons;
}

// The icon's picture with straight alpha.
std::optional<vantora::Pixels> PictureOf(const IconBitmaps& icon) {
  const bool colour = static_cast<bool>(icon.colour);
  auto maskPixels = PixelsOf(icon.mask.get(), icon.width, colour ? icon.height : icon.height * 2);
  if (!maskPixels) return std::nullopt;
  const size_t count = static_cast<size_t>(icon.width) * static_cast<size_t>(icon.height);
  std::vector<uint8_t> masked(count);
  for (size_t i = 0; i < count; ++i) masked[i] = ((*maskPixels)[i] & 0xFFFFFFu) != 0;
  std::optional<std::vector<uint32_t>> picture;
  if (colour)
    picture = PixelsOf(icon.colour.get(), icon.width, icon.height);
  else
    picture.emplace(maskPixels->begin() + static_cast<std::ptrdiff_t>(count), maskPixels->end());
  if (!picture) return std::nullopt;
  return vantora::WithMaskAlpha({icon.width, icon.height, std::move(*picture)}, masked);
}

UniqueIcon CopyForSize(HICON icon, int size) {
  if (UniqueIcon reloaded{static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE))})
    return reloaded;
  return CopyIconScaled(icon, size, size);
}

}  // namespace

CanvasPicture CentredOnCanvas(HICON icon, int size, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  auto bitmaps = BitmapsOf(icon);
  UniqueIcon sized;  // the picture made for the size, when the icon is of another
  if (bitmaps && (bitmaps->width != size || bitmaps->height != size)) {
    sized = CopyForSize(icon, size);
    bitmaps = BitmapsOf(sized.get());
  }
  const auto picture = bitmaps ? PictureOf(*bitmaps) : std::nullopt;
  if (!picture) return {};
  const vantora::Pixels canvas = vantora::Centred(*picture, width, height);
  BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  CanvasPicture made;
  made.picture.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!made.picture || !bits) return {};
  std::memcpy(bits, canvas.argb.data(), canvas.argb.size() * sizeof(uint32_t));
  const std::vector<uint8_t> maskRows = vantora::MaskRows(canvas);
  made.mask.reset(::CreateBitmap(width, height, 1, 1, maskRows.data()));
  return made;
}

}  // namespace platform
