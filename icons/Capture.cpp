#include "icons/Capture.h"

#include <stdexcept>

#include "icons/portable/BmpFile.h"

namespace icons {

namespace {

// GetDIBits of the whole bitmap into `rows`, which has room for them.
void ReadRows(HDC dc, HBITMAP bitmap, int width, int height, WORD bits, uint8_t* rows, std::vector<uint32_t>* palette) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header = {sizeof(BITMAPINFOHEADER), width, height, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
  if (::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows, reinterpret_cast<BITMAPINFO*>(&info),
                  DIB_RGB_COLORS) != height)
    throw std::runtime_error("Bitmap image is not valid");
  if (palette && bits <= 8) {
    const size_t colours = TableColours(info.header.biClrUsed, bits);
    for (size_t i = 0; i < colours && i < 256; ++i) {
      uint32_t value;
      std::memcpy(&value, &info.colours[i], 4);
      palette->push_back(value);
    }
  }
}

}  // namespace

Bytes BitmapRows(HDC dc, HBITMAP bitmap, int width, int height, WORD bits, std::vector<uint32_t>* palette) {
  Bytes rows(RowStride(static_cast<uint32_t>(width), bits) * static_cast<size_t>(height));
  ReadRows(dc, bitmap, width, height, bits, rows.data(), palette);
  return rows;
}

platform::UniqueMemoryDc PaletteDc(HPALETTE palette) {
  platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  if (palette) {
    ::SelectPalette(dc.get(), palette, FALSE);
    ::RealizePalette(dc.get());
  }
  return dc;
}

std::vector<uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette) {
  BITMAP shape{};
  if (!::GetObjectW(bitmap, sizeof(shape), &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
    throw std::runtime_error("Bitmap image is not valid");
  const WORD bits = shape.bmBitsPixel * shape.bmPlanes;
  const uint32_t width = static_cast<uint32_t>(shape.bmWidth), height = static_cast<uint32_t>(shape.bmHeight);
  // The colour table of a palette depth comes from the palette selected into the DC.
  const platform::UniqueMemoryDc dc = PaletteDc(palette);
  std::optional<Bytes> file;
  if (bits > 8) {
    // No colour table: the rows go straight into the file's bytes, a screen's worth copied once.
    if ((file = BmpHeaders(width, height, bits, 0))) {
      const size_t headers = file->size();
      file->resize(headers + RowStride(width, bits) * height);
      ReadRows(dc.get(), bitmap, shape.bmWidth, shape.bmHeight, bits, file->data() + headers, nullptr);
    }
  } else {
    BmpPicture picture{width, height, bits, {}, {}};
    picture.rows = BitmapRows(dc.get(), bitmap, shape.bmWidth, shape.bmHeight, bits, &picture.palette);
    file = WriteBmp(picture);
  }
  if (!file) throw std::runtime_error("Bitmap image is not valid");
  return std::move(*file);
}

}  // namespace icons
