#pragma once
// The pixels of a part of the screen, read back as the user sees them (BitBlt from the screen).
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

class ScreenPicture {
 public:
  // `area` in screen coordinates.
  explicit ScreenPicture(const RECT& area) : width_(area.right - area.left), height_(area.bottom - area.top) {
    pixels_.resize(static_cast<size_t>(width_) * height_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB};
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width_, height_, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(source, source + pixels_.size());
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
  }

  // The client area of a window.
  static ScreenPicture OfClient(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return ScreenPicture(client);
  }

  // The whole window, frame and title bar included.
  static ScreenPicture OfWindow(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return ScreenPicture(r);
  }

  // Writes a 32-bit top-down BMP file; false when it cannot.
  bool SaveBmp(const std::wstring& path) const {
    BITMAPINFOHEADER info{sizeof(info), width_, -height_, 1, 32, BI_RGB};
    const DWORD bytes = static_cast<DWORD>(pixels_.size() * 4);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(file) + sizeof(info) + bytes), 0, 0,
                          static_cast<DWORD>(sizeof(file) + sizeof(info))};
    // The screen has no alpha: every pixel is written opaque, or viewers would show it clear.
    std::vector<std::uint32_t> opaque(pixels_);
    for (std::uint32_t& p : opaque) p |= 0xFF000000u;
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(opaque.data()), bytes);
    return static_cast<bool>(out);
  }

  int Width() const noexcept { return width_; }
  int Height() const noexcept { return height_; }
  COLORREF At(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // How many pixels of the rectangle (picture coordinates) have the colour.
  int Count(const RECT& r, COLORREF colour) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }
  // How many pixels differ from another picture of the same size.
  int Differences(const ScreenPicture& other) const {
    int n = 0;
    for (size_t i = 0; i < pixels_.size(); ++i) n += (pixels_[i] & 0xFFFFFF) != (other.pixels_[i] & 0xFFFFFF);
    return n;
  }

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace testsupport
