#include "platform/WindowRoutines.h"

#include "platform/Prompts.h"
#include "platform/WindowIsolation.h"
#include "platform/WindowMessages.h"
#include "platform/WindowQueries.h"
#include "platform/portable/Opacity.h"

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

void ReportCommandFailure(const std::wstring& what, const Outcome& outcome) {
  LogIfFailed(what, outcome);
  if (!outcome && outcome.code() == ERROR_ACCESS_DENIED) CurrentPrompts().Error(kHigherRightsRefusal);
}

}  // namespace platform
