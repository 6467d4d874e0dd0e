#include "platform/ScreenCapture.h"

namespace platform {
namespace {

Outcome CopyInto(CaptureBitmap& target, HDC source, int x, int y) {
  const UniqueMemoryDc memory(::CreateCompatibleDC(nullptr));
  if (!memory) return Outcome::LastError();
  const SelectRestorer select(memory.get(), target.bitmap.get());
  return Outcome::Of(::BitBlt(memory.get(), 0, 0, target.width, target.height, source, x, y, SRCCOPY) != FALSE);
}

}  // namespace

UniqueBitmap ScreenBitmap(int width, int height) {
  const WindowDc screen(nullptr);
  return UniqueBitmap(::CreateCompatibleBitmap(screen.get(), width, height));
}

Outcome CaptureBitmap::Resize(int newWidth, int newHeight) {
  bitmap = ScreenBitmap(newWidth, newHeight);
  if (!bitmap) return Outcome::LastError();
  palette.reset();
  width = newWidth;
  height = newHeight;
  return Outcome::Success();
}

Outcome CaptureWindow(HWND window, CaptureBitmap& bitmap) {
  RECT rect{};
  if (!::GetWindowRect(window, &rect)) return Outcome::LastError();
  const WindowDc dc(window, true);
  if (!dc) return Outcome::LastError();
  if (Outcome made = bitmap.Resize(rect.right - rect.left, rect.bottom - rect.top); !made) return made;
  return CopyInto(bitmap, dc.get(), 0, 0);
}

Outcome CaptureScreenRect(int left, int top, int width, int height, CaptureBitmap& bitmap) {
  if (width == 0 || height == 0) return Outcome::Success();
  if (Outcome made = bitmap.Resize(width, height); !made) return made;
  const WindowDc screen(nullptr);
  if (!screen) return Outcome::LastError();
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
  return CopyInto(bitmap, screen.get(), left, top);
}

}  // namespace platform
