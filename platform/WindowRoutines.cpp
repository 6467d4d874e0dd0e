#include "platform/WindowRoutines.h"

#include "platform/portable/Opacity.h"
#include "platform/WindowMessages.h"
#include "platform/WindowQueries.h"

namespace platform {

void SetWindowOpacity(HWND window, int percent) {
  SetExtendedStyle(window, ExtendedStyle(window) | WS_EX_LAYERED);
  SetLayeredAlpha(window, vantora::OpacityAlpha(percent));
}

void FadeWindow(HWND window, int fromPercent, int toPercent) {
  const int step = fromPercent < toPercent ? 1 : -1;
  for (int percent = fromPercent;; percent += step) {
    SetWindowOpacity(window, percent);
    ::Sleep(1);
    if (percent == toPercent) break;
  }
}

void SetCloseButtonEnabled(HWND window, bool enable) { SetSystemMenuClose(window, enable); }

void RequestClose(HWND window) { BoundedSend(window, WM_CLOSE, 0, 0, kCloseRequestWait); }

}  // namespace platform
