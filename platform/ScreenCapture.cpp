#include "platform/ScreenCapture.h"

#include <optional>

namespace platform {
namespace {

Outcome CopyInto(CaptureBitmap& target, HDC source, int x, int y) {
  UniqueMemoryDc memory;
  if (Outcome made = NewMemoryDc(memory); !made) return made;
  const SelectRestorer select(memory.get(), target.bitmap.get());
  return Outcome::Of([&] { return ::BitBlt(memory.get(), 0, 0, target.width, target.height, source, x, y, SRCCOPY); });
}

// The window's DC (or the screen's, for no window), in `dc`.
Outcome TakeDc(std::optional<WindowDc>& dc, HWND window, bool wholeWindow) {
  return Outcome::Of([&] { return static_cast<bool>(dc.emplace(window, wholeWindow)); });
}

}  // namespace

Outcome NewMemoryDc(UniqueMemoryDc& dc) {
  return Outcome::Of([&] { return dc.reset(::CreateCompatibleDC(nullptr)), static_cast<bool>(dc); });
}

Outcome CaptureBitmap::Resize(int newWidth, int newHeight) {
  const WindowDc screen(nullptr);
  HBITMAP made = nullptr;
  // Read before the old bitmap is deleted, which may leave a code of its own.
  const Outcome outcome =
      Outcome::Of([&] { return (made = ::CreateCompatibleBitmap(screen.get(), newWidth, newHeight)) != nullptr; });
  bitmap.reset(made);
  if (!outcome) return outcome;
  palette.reset();
  width = newWidth;
  height = newHeight;
  return Outcome::Success();
}

Outcome CaptureWindow(HWND window, CaptureBitmap& bitmap) {
  RECT rect{};
  if (Outcome found = Outcome::Of([&] { return ::GetWindowRect(window, &rect); }); !found) return found;
  std::optional<WindowDc> dc;
  if (Outcome taken = TakeDc(dc, window, true); !taken) return taken;
  if (Outcome made = bitmap.Resize(rect.right - rect.left, rect.bottom - rect.top); !made) return made;
  return CopyInto(bitmap, dc->get(), 0, 0);
}

Outcome CaptureScreenRect(int left, int top, int width, int height, CaptureBitmap& bitmap) {
  if (width == 0 || height == 0) return Outcome::Success();
  if (Outcome made = bitmap.Resize(width, height); !made) return made;
  std::optional<WindowDc> screen;
  if (Outcome taken = TakeDc(screen, nullptr, false); !taken) return taken;
  if (::GetDeviceCaps(screen->get(), RASTERCAPS) & RC_PALETTE) {
    struct {
      LOGPALETTE head;
      PALETTEENTRY more[255];
    } logical{};
    logical.head.palVersion = 0x300;
    logical.head.palNumEntries =
        static_cast<WORD>(::GetSystemPaletteEntries(screen->get(), 0, 256, logical.head.palPalEntry));
    if (logical.head.palNumEntries) bitmap.palette.reset(::CreatePalette(&logical.head));
  }
  return CopyInto(bitmap, screen->get(), left, top);
}

}  // namespace platform
