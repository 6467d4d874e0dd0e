#include "platform/ScreenCapture.h"

namespace platform {

UniqueBitmap CaptureScreenRect(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  WindowDc screen(nullptr);
  if (!screen || width <= 0 || height <= 0) return {};
  UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
  UniqueMemoryDc target(::CreateCompatibleDC(screen.get()));
  if (!bitmap || !target) return {};
  SelectRestorer select(target.get(), bitmap.get());
  if (!::BitBlt(target.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY)) return {};
  return bitmap;
}

}  // namespace platform
