#include "platform/ScreenCapture.h"

namespace platform {
namespace {

void CopyInto(CaptureBitmap& target, HDC source, int x, int y) {
  const UniqueMemoryDc memory(::CreateCompatibleDC(nullptr));
  const SelectRestorer select(memory.get(), target.bitmap.get());
  ::BitBlt(memory.get(), 0, 0, target.width, target.height, source, x, y, SRCCOPY);
}

}  // namespace

UniqueBitmap ScreenBitmap(int width, int height) {
  const WindowDc screen(nullptr);
  return UniqueBitmap(::CreateCompatibleBitmap(screen.get(), width, height));
}

void CaptureBitmap::Resize(int newWidth, int newHeight) {
  bitmap = ScreenBitmap(newWidth, newHeight);
  palette.reset();
  width = newWidth;
  height = newHeight;
}

bool CaptureForegroundWindow(CaptureBitmap& bitmap) {
  const HWND window = ::GetForegroundWindow();
  RECT rect{};
  if (!window || !::GetWindowRect(window, &rect)) return false;
  const WindowDc dc(window, true);
  if (!dc.get()) return false;
  bitmap.Resize(rect.right - rect.left, rect.bottom - rect.top);
  CopyInto(bitmap, dc.get(), 0, 0);
  return true;
}

void CaptureScreenRect(int left, int top, int width, int height, CaptureBitmap& bitmap) {
  if (width == 0 || height == 0) return;
  bitmap.Resize(width, height);
  const WindowDc screen(nullptr);
  if (!screen) return;
  if (::GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE) {
    struct {
      LOGPALETTE head;
      PALETTEENTRY more[255];
    } logical{};
    logical.head.palVersion = 0x300;
    logical.head.palNumEntries =
        static_cast<WORD>(::GetSystemPaletteEntries(screen.get(), 0, 256, logical.head.palPalEntry));
    if (logical.head.palNumEntries) bitmap.palette.reset(::CreatePalette(&logical.head));
  }
  CopyInto(bitmap, screen.get(), left, top);
}

}  // namespace platform
