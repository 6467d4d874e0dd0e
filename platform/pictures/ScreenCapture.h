#pragma once
// Pictures of the screen and of windows, in the display's own format. Sizes are physical
// pixels: the program is per-monitor DPI aware.
#include <windows.h>

#include "platform/Error.h"
#include "platform/UniqueHandle.h"

namespace platform {

// A bitmap in the display's device format, with the system palette on a palette display.
struct CaptureBitmap {
  UniqueBitmap bitmap;
  UniquePalette palette;
  int width = 0;
  int height = 0;
  // Replaces the bitmap with a new one of this size, compatible with the screen; fails, with
  // the bitmap empty, when the system cannot make one.
  [[nodiscard]] Outcome Resize(int newWidth, int newHeight);
};

// A memory DC compatible with the screen, in `dc`; fails with the system's reason, or with none.
[[nodiscard]] Outcome NewMemoryDc(UniqueMemoryDc& dc);

// The captures fail with the system's reason when it cannot make the bitmap or refuses the
// copy: a picture that was not taken is never handed on as a black one.

// The window, frame and title bar included, cut to its visible frame (platform/windows/VisibleBounds.h),
// into the bitmap sized to that: drawn by the window itself where it answers and the system
// can (so other windows over it do not show), otherwise copied from what the screen shows of
// it. A window that has gone fails with ERROR_INVALID_WINDOW_HANDLE.
[[nodiscard]] Outcome CaptureWindow(HWND window, CaptureBitmap& bitmap);

// Copies the screen rectangle into the bitmap sized to it. A width or height of 0 leaves the
// bitmap as it was.
[[nodiscard]] Outcome CaptureScreenRect(int left, int top, int width, int height, CaptureBitmap& bitmap);

}  // namespace platform
