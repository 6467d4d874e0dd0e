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

// The visible frame as the window manager reports it (DWMWA_EXTENDED_FRAME_BOUNDS), nullopt where
// it reports none. Wine never does, so tests put a report of their own in its place.
using FrameReport = std::optional<RECT> (*)(HWND window);
// Installs `report` for the whole program; nullptr brings back the window manager's.
void SetFrameReport(FrameReport report);

// The window rectangle whose visible frame is `visible`.
RECT WindowRectFor(const RECT& visible, const FrameMargins& margins);

}  // namespace platform
