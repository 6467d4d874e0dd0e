#include "platform/WindowRoutines.h"

#include "platform/portable/Opacity.h"
#include "platform/WindowMessages.h"
#include "platform/WindowQueries.h"

namespace platform {

Outcome SetWindowOpacity(HWND window, int percent) {
  if (Outcome layered = SetExtendedStyle(window, ExtendedStyle(window) | WS_EX_LAYERED); !layered) return layered;
  return SetLayeredAlpha(window, vantora::OpacityAlpha(percent));
}

Outcome SetCloseButtonEnabled(HWND window, bool enable) { return SetSystemMenuClose(window, enable); }

Outcome RequestClose(HWND window) {
  const bool answered = BoundedSend(window, WM_CLOSE, 0, 0, kCloseRequestWait).has_value();
  return answered ? Outcome::Success() : Outcome::Failure(ERROR_TIMEOUT);
}

}  // namespace platform
