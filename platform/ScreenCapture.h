#pragma once
// Pictures of the screen.
#include <windows.h>

#include "platform/UniqueHandle.h"

namespace platform {

// A bitmap of the rectangle's size holding what the screen shows there (a block transfer from
// the screen's device context); empty when the system refuses.
UniqueBitmap CaptureScreenRect(const RECT& rect);

}  // namespace platform
