#pragma once
// Icons placed at their own size on a larger transparent canvas, for image lists whose cells
// are larger than the picture.
#include <windows.h>

#include "platform/UniqueHandle.h"

namespace platform {

// A width x height picture of 32 bits with alpha, and its mask (bits set where transparent).
struct CanvasPicture {
  UniqueBitmap picture, mask;
  explicit operator bool() const noexcept { return picture && mask; }
};

// The icon's picture made for `size` pixels square in the middle of a transparent width x height
// canvas. An icon of another size is reloaded at that size from the resource it was loaded from
// (shared, as LoadIcon loads), or else scaled. Empty when the icon cannot be read.
CanvasPicture CentredOnCanvas(HICON icon, int size, int width, int height);

}  // namespace platform
