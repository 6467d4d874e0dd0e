#include "platform/windows/VisibleBounds.h"

#include <dwmapi.h>

#include "platform/windows/WindowManager.h"

namespace platform {
namespace {

std::optional<RECT> WindowManagerFrame(HWND window) {
  return WindowManagerAttribute<RECT>(window, DWMWA_EXTENDED_FRAME_BOUNDS);
}

FrameReport g_frameReport = &WindowManagerFrame;

}  // namespace

FrameMargins WindowBounds::Margins() const {
  return {visible.left - window.left, visible.top - window.top, window.right - visible.right,
          window.bottom - visible.bottom};
}

std::optional<WindowBounds> WindowBoundsOf(HWND window) {
  WindowBounds bounds;
  if (!::GetWindowRect(window, &bounds.window)) return std::nullopt;
  bounds.visible = bounds.window;
  // A frame that is empty or reaches outside the window is no frame of it: kept as the window.
  const std::optional<RECT> frame = g_frameReport(window);
  RECT inside{};
  if (frame && !::IsRectEmpty(&*frame) && ::IntersectRect(&inside, &*frame, &bounds.window) &&
      ::EqualRect(&inside, &*frame))
    bounds.visible = *frame;
  return bounds;
}

RECT WindowRectFor(const RECT& visible, const FrameMargins& margins) {
  return RECT{visible.left - margins.left, visible.top - margins.top, visible.right + margins.right,
              visible.bottom + margins.bottom};
}

void SetFrameReport(FrameReport report) { g_frameReport = report ? report : &WindowManagerFrame; }

}  // namespace platform
