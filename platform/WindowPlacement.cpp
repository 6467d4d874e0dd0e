#include "platform/WindowPlacement.h"

#include <chrono>

#include "platform/WindowMessages.h"

namespace platform {

namespace {
constexpr std::chrono::milliseconds kAnswerWait{500};
}  // namespace

bool PlaceWindow(HWND window, HWND insertAfter, const RECT& bounds, UINT flags) {
  if (!BoundedSend(window, WM_NULL, 0, 0, kAnswerWait)) return false;
  return ::SetWindowPos(window, insertAfter, bounds.left, bounds.top, bounds.right - bounds.left,
                        bounds.bottom - bounds.top, flags) != FALSE;
}

}  // namespace platform
