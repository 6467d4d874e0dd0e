#include "commands/WindowRoutines.h"

#include "commands/portable/Opacity.h"
#include "platform/WindowQueries.h"

void SetWindowOpacity(HWND window, int percent) {
  platform::SetExtendedStyle(window, platform::ExtendedStyle(window) | WS_EX_LAYERED);
  platform::SetLayeredAlpha(window, vantora::OpacityAlpha(percent));
}

void SetCloseButtonEnabled(HWND window, bool enable) { platform::SetSystemMenuClose(window, enable); }
