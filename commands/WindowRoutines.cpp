#include "commands/WindowRoutines.h"

#include "commands/portable/Opacity.h"
#include "platform/WindowQueries.h"

void SetWindowOpacity(HWND window, int percent) {
  platform::SetExtendedStyle(window, platform::ExtendedStyle(window) | WS_EX_LAYERED);
  platform::SetLayeredAlpha(window, vantora::OpacityAlpha(percent));
}

void FadeWindow(HWND window, int fromPercent, int toPercent) {
  const int step = fromPercent < toPercent ? 1 : -1;
  for (int percent = fromPercent;; percent += step) {
    SetWindowOpacity(window, percent);
    ::Sleep(1);
    if (percent == toPercent) break;
  }
}

void SetCloseButtonEnabled(HWND window, bool enable) { platform::SetSystemMenuClose(window, enable); }
