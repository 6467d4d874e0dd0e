#include "platform/pictures/ScreenCapture.h"

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/windows/VisibleBounds.h"
#include "platform/windows/WindowMessages.h"
#include "platform/system/Wine.h"

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

// The longest the window is given to draw itself: it answered just before, so this is its
// painting, not a hang.
constexpr std::chrono::milliseconds kPrintWait{500};

// The window draws itself into a bitmap of its whole size (PrintWindow) on a thread of its own,
// since the call waits for the window's thread, which may stop answering right after it did.
// Past the wait the thread is left to end with the call, and takes its bitmap with it.
bool PrintWhole(HWND window, int width, int height, CaptureBitmap& whole) {
  struct Job {
    CaptureBitmap picture;
    std::promise<bool> printed;
  };
  auto job = std::make_shared<Job>();
  std::future<bool> printed = job->printed.get_future();
  try {
    std::thread([job, window, width, height] {
      UniqueMemoryDc memory;
      bool drawn = false;
      if (job->picture.Resize(width, height) && NewMemoryDc(memory)) {
        const SelectRestorer select(memory.get(), job->picture.bitmap.get());
        drawn = ::PrintWindow(window, memory.get(), PW_RENDERFULLCONTENT) || ::PrintWindow(window, memory.get(), 0);
      }
      job->printed.set_value(drawn);
    }).detach();
  } catch (const std::system_error&) {
    return false;  // no thread to spare: the screen's pixels serve
  }
  if (printed.wait_for(kPrintWait) != std::future_status::ready || !printed.get()) return false;
  whole = std::move(job->picture);
  return true;
}

// The window draws itself into `target`, so windows above it do not show and a window the GPU
// draws is pictured where the system can (PW_RENDERFULLCONTENT, Windows 8.1 and later; older
// systems refuse the flag and are asked without it). The picture is cut to the visible frame.
// False when the window does not answer, draws too slowly, or the system refuses.
// Wine's PrintWindow only sends WM_PRINT: it reaches no window of another process (and still
// reports success with nothing drawn), and draws neither the frame nor the client area in its
// place; there Wine's window device context holds the window's own pixels, so it is not asked.
bool PrintInto(HWND window, const WindowBounds& bounds, CaptureBitmap& target) {
  if (RunningOnWine() || !Answering(window)) return false;
  CaptureBitmap whole;
  UniqueMemoryDc memory;
  if (!PrintWhole(window, bounds.window.right - bounds.window.left, bounds.window.bottom - bounds.window.top, whole) ||
      !NewMemoryDc(memory))
    return false;
  const SelectRestorer select(memory.get(), whole.bitmap.get());
  const FrameMargins margins = bounds.Margins();
  return static_cast<bool>(CopyInto(target, memory.get(), margins.left, margins.top));
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
  const std::optional<WindowBounds> bounds = WindowBoundsOf(window);
  if (!bounds) return Outcome::LastError();
  const RECT& seen = bounds->visible;
  if (Outcome made = bitmap.Resize(seen.right - seen.left, seen.bottom - seen.top); !made) return made;
  if (PrintInto(window, *bounds, bitmap)) return Outcome::Success();
  // What the screen shows of the window, through its own device context.
  std::optional<WindowDc> dc;
  if (Outcome taken = TakeDc(dc, window, true); !taken) return taken;
  const FrameMargins margins = bounds->Margins();
  return CopyInto(bitmap, dc->get(), margins.left, margins.top);
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
