#pragma once
// Icons placed at their own size on a larger transparent canvas.
#include <windows.h>

#include "platform/UniqueHandle.h"

namespace platform {

// A width x height icon (a 32-bit picture with alpha, and its mask) holding `icon` at its own
// size in the middle, transparent around it; empty when the icon cannot be read.
UniqueIcon CentredOnCanvas(HICON icon, int width, int height);

}  // namespace platform
