#pragma once
// Where a top-level window is seen. On Windows 10 and 11 the rectangle of a sizable window
// (GetWindowRect) includes invisible resize borders, about 7 pixels left, right and bottom at
// 100 %; the window manager reports the visible frame (DWMWA_EXTENDED_FRAME_BOUNDS, always in
// physical pixels). Where it reports none (Wine, systems without the window manager), the
// window's rectangle is what is seen.
#include <windows.h>

#include <optional>

namespace platform {

// The invisible borders, each the distance from the window's edge to the visible frame's.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct WindowBounds {
  RECT window{};   // GetWindowRect
  RECT visible{};  // inside `window`
  FrameMargins Margins() const;
};

// nullopt when the window has gone (GetWindowRect fails, its error is the last error).
std::optional<WindowBounds> WindowBoundsOf(HWND window);

// The window rectangle whose visible frame is `visible`.
RECT WindowRectFor(const RECT& visible, const FrameMargins& margins);

}  // namespace platform
