#include "icons/Capture.h"

#include <stdexcept>

#include "icons/portable/BmpFile.h"
#include "platform/FileBytes.h"

namespace icons {
namespace {

// A window DC covering the whole window, frame included (GetDC covers the client area only).
class WholeWindowDc {
 public:
  explicit WholeWindowDc(HWND window) noexcept : window_(window), dc_(::GetWindowDC(window)) {}
  WholeWindowDc(const WholeWindowDc&) = delete;
  WholeWindowDc& operator=(const WholeWindowDc&) = delete;
  ~WholeWindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const noexcept { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

void CopyInto(CaptureBitmap& target, HDC source, int x, int y) {
  const platform::WindowDc screen(nullptr);
  const platform::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  const platform::SelectRestorer select(memory.get(), target.bitmap.get());
  ::BitBlt(memory.get(), 0, 0, target.width, target.height, source, x, y, SRCCOPY);
}

}  // namespace

void CaptureBitmap::Resize(int newWidth, int newHeight) {
  const platform::WindowDc screen(nullptr);
  bitmap.reset(::CreateCompatibleBitmap(screen.get(), newWidth, newHeight));
  palette.reset();
  width = newWidth;
  height = newHeight;
}

bool CaptureForegroundWindow(CaptureBitmap& bitmap) {
  const HWND window = ::GetForegroundWindow();
  RECT rect{};
  if (!window || !::GetWindowRect(window, &rect)) return false;
  const WholeWindowDc dc(window);
  if (!dc.get()) return false;
  bitmap.Resize(rect.right - rect.left, rect.bottom - rect.top);
  CopyInto(bitmap, dc.get(), 0, 0);
  return true;
}

void CaptureScreenRect(int left, int top, int width, int height, CaptureBitmap& bitmap) {
  if (width == 0 || height == 0) return;
  bitmap.Resize(width, height);
  const platform::WindowDc screen(nullptr);
  if (!screen) return;
  if (::GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE) {
    struct {
      LOGPALETTE head;
      PALETTEENTRY more[255];
    } logical{};
    logical.head.palVersion = 0x300;
    logical.head.palNumEntries = static_cast<WORD>(::GetSystemPaletteEntries(screen.get(), 0, 256, logical.head.palPalEntry));
    if (logical.head.palNumEntries) bitmap.palette.reset(::CreatePalette(&logical.head));
  }
  CopyInto(bitmap, screen.get(), left, top);
}

std::vector<uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette) {
  BITMAP shape{};
  if (!::GetObjectW(bitmap, sizeof(shape), &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
    throw std::runtime_error("Bitmap image is not valid");
  const WORD bits = shape.bmBitsPixel * shape.bmPlanes;
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = shape.bmWidth;
  info.header.biHeight = shape.bmHeight;
  info.header.biPlanes = 1;
  info.header.biBitCount = bits;
  info.header.biCompression = BI_RGB;

  BmpPicture picture{static_cast<uint32_t>(shape.bmWidth), static_cast<uint32_t>(shape.bmHeight), bits, {}, {}};
  picture.rows.resize(RowStride(picture.width, bits) * picture.height);
  const platform::WindowDc screen(nullptr);
  const platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  HPALETTE previous = palette ? ::SelectPalette(dc.get(), palette, FALSE) : nullptr;
  if (palette) ::RealizePalette(dc.get());
  const int lines = ::GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(shape.bmHeight), picture.rows.data(),
                                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  if (previous) ::SelectPalette(dc.get(), previous, FALSE);
  if (lines != shape.bmHeight) throw std::runtime_error("Bitmap image is not valid");
  if (bits <= 8) {
    const size_t colours = info.header.biClrUsed ? info.header.biClrUsed : (size_t{1} << bits);
    for (size_t i = 0; i < colours && i < 256; ++i) {
      uint32_t value;
      std::memcpy(&value, &info.colours[i], 4);
      picture.palette.push_back(value);
    }
  }
  auto file = WriteBmp(picture);
  if (!file) throw std::runtime_error("Bitmap image is not valid");
  return std::move(*file);
}

void SaveBitmapFile(const CaptureBitmap& bitmap, const std::wstring& path) {
  platform::WriteFileBytes(path, BitmapFileBytes(bitmap.bitmap.get(), bitmap.palette.get()));
}

}  // namespace icons
