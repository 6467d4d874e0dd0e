#include "platform/windows/WindowRoutines.h"

#include "platform/windows/WindowIsolation.h"
#include "platform/windows/WindowMessages.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/portable/Opacity.h"

namespace platform {

Outcome SetWindowOpacity(HWND window, int percent) {
  if (Outcome layered = SetExtendedStyle(window, ExtendedStyle(window) | WS_EX_LAYERED); !layered) return layered;
  return SetLayeredAlpha(window, vantora::OpacityAlpha(percent));
}

Outcome SetCloseButtonEnabled(HWND window, bool enable) { return SetSystemMenuClose(window, enable); }

Outcome RequestClose(HWND window) {
  // Not asked whether it answers first: a busy program keeps the whole wait to answer WM_CLOSE.
  if (Outcome allowed = ChangeAllowed(window); !allowed) return allowed;
  return Outcome::Of([&] { return BoundedSend(window, WM_CLOSE, 0, 0, kCloseRequestWait).has_value(); });
}

}  // namespace platform
