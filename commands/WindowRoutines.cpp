#include "commands/WindowRoutines.h"

#include "platform/WindowQueries.h"

void SetWindowOpacity(HWND window, int percent) {
  platform::SetExtendedStyle(window, platform::ExtendedStyle(window) | WS_EX_LAYERED);
  platform::SetLayeredAlpha(window, static_cast<BYTE>(percent * 255 / 100));
}
