#include "platform/IconCanvas.h"

#include <cstring>
#include <optional>
#include <vector>

#include "platform/portable/IconCanvas.h"

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

// The icon's picture with straight alpha.
std::optional<vantora::Pixels> IconPixels(HICON icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(icon, &info)) return std::nullopt;
  const UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP shape{};
  if (!::GetObjectW(mask.get(), sizeof(shape), &shape)) return std::nullopt;
  // A monochrome icon has no colour bitmap: its mask holds the AND bits above the picture.
  const int width = shape.bmWidth, height = colour ? shape.bmHeight : shape.bmHeight / 2;
  auto maskPixels = PixelsOf(mask.get(), width, shape.bmHeight);
  if (!maskPixels || width <= 0 || height <= 0) return std::nullopt;
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  std::vector<uint8_t> masked(count);
  for (size_t i = 0; i < count; ++i) masked[i] = ((*maskPixels)[i] & 0xFFFFFFu) != 0;
  std::optional<std::vector<uint32_t>> picture;
  if (colour) {
    picture = PixelsOf(colour.get(), width, height);
  } else {
    picture.emplace(maskPixels->begin() + static_cast<std::ptrdiff_t>(count), maskPixels->end());
  }
  if (!picture) return std::nullopt;
  return vantora::WithMaskAlpha({width, height, std::move(*picture)}, masked);
}

}  // namespace

UniqueIcon CentredOnCanvas(HICON icon, int width, int height) {
  const auto picture = IconPixels(icon);
  if (!picture || width <= 0 || height <= 0) return {};
  const vantora::Pixels canvas = vantora::Centred(*picture, width, height);
  BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  const UniqueBitmap image(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!image || !bits) return {};
  std::memcpy(bits, canvas.argb.data(), canvas.argb.size() * sizeof(uint32_t));
  const std::vector<uint8_t> maskRows = vantora::MaskRows(canvas);
  const UniqueBitmap mask(::CreateBitmap(width, height, 1, 1, maskRows.data()));
  if (!mask) return {};
  ICONINFO made{TRUE, 0, 0, mask.get(), image.get()};
  return UniqueIcon(::CreateIconIndirect(&made));
}

}  // namespace platform
