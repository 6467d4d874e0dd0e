#include "platform/ScreenCapture.h"

#include "platform/VisibleBounds.h"
#include "platform/WindowMessages.h"
#include "platform/Wine.h"

namespace platform {
namespace {

Outcome CopyInto(CaptureBitmap& target, HDC source, int x, int y) {
  const UniqueMemoryDc memory(::CreateCompatibleDC(nullptr));
  if (!memory) return Outcome::LastError();
  const SelectRestorer select(memory.get(), target.bitmap.get());
  return Outcome::Of(::BitBlt(memory.get(), 0, 0, target.width, target.height, source, x, y, SRCCOPY) != FALSE);
}

// The window draws itself into `target` (PrintWindow), so windows above it do not show and a
// window the GPU draws is pictured where the system can (PW_RENDERFULLCONTENT, Windows 8.1 and
// later; older systems refuse the flag and are asked without it). The picture is cut to the
// visible frame. False when the window does not answer or the system refuses.
// Wine's PrintWindow only sends WM_PRINT: it reaches no window of another process (and still
// reports success with nothing drawn), and draws neither the frame nor the client area in its
// place; there Wine's window device context holds the window's own pixels, so it is not asked.
bool PrintInto(HWND window, const WindowBounds& bounds, CaptureBitmap& target) {
  if (RunningOnWine() || !Answering(window)) return false;  // PrintWindow waits for the window's thread
  const int width = bounds.window.right - bounds.window.left, height = bounds.window.bottom - bounds.window.top;
  const UniqueBitmap whole = ScreenBitmap(width, height);
  const UniqueMemoryDc memory(::CreateCompatibleDC(nullptr));
  if (!whole || !memory) return false;
  const SelectRestorer select(memory.get(), whole.get());
  if (!::PrintWindow(window, memory.get(), PW_RENDERFULLCONTENT) && !::PrintWindow(window, memory.get(), 0))
    return false;
  const FrameMargins margins = bounds.Margins();
  return static_cast<bool>(CopyInto(target, memory.get(), margins.left, margins.top));
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
  const std::optional<WindowBounds> bounds = WindowBoundsOf(window);
  if (!bounds) return Outcome::LastError();
  const RECT& seen = bounds->visible;
  if (Outcome made = bitmap.Resize(seen.right - seen.left, seen.bottom - seen.top); !made) return made;
  if (PrintInto(window, *bounds, bitmap)) return Outcome::Success();
  // What the screen shows of the window, through its own device context.
  const WindowDc dc(window, true);
  if (!dc) return Outcome::LastError();
  const FrameMargins margins = bounds->Margins();
  return CopyInto(bitmap, dc.get(), margins.left, margins.top);
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
