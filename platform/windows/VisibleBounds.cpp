#include "platform/windows/VisibleBounds.h"

#include <dwmapi.h>

#include "platform/windows/WindowManager.h"

namespace platform {

FrameMargins WindowBounds::Margins() const {
  return {visible.left - window.left, visible.top - window.top, window.right - visible.right,
          window.bottom - visible.bottom};
}

std::optional<WindowBounds> WindowBoundsOf(HWND window) {
  WindowBounds bounds;
  if (!::GetWindowRect(window, &bounds.window)) return std::nullopt;
  bounds.visible = bounds.window;
  // A frame that is empty or reaches outside the window is no frame of it: kept as the window.
  const auto frame = WindowManagerAttribute<RECT>(window, DWMWA_EXTENDED_FRAME_BOUNDS);
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

}  // namespace platform
