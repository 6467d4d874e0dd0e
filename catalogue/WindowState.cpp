#include "catalogue/WindowState.h"

#include "platform/WindowMessages.h"
#include "platform/WindowQueries.h"

HICON WindowIcon(HWND window, bool large) {
  auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(window, large ? GCLP_HICON : GCLP_HICONSM));
  const auto ask = [window](WPARAM kind) {
    return reinterpret_cast<HICON>(
        platform::BoundedSend(window, WM_GETICON, kind, 0, platform::kIconQueryWait).value_or(0));
  };
  if (!icon) icon = ask(large ? ICON_BIG : ICON_SMALL);
  if (!icon && !large) icon = ask(ICON_BIG);
  return icon;
}

platform::UniqueIcon CopyAtSystemSize(HICON icon, bool large) {
  const int width = ::GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  const int height = ::GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON);
  return platform::CopyIconScaled(icon, width, height);
}

bool IsWindowTopmost(HWND window) { return (platform::ExtendedStyle(window) & WS_EX_TOPMOST) != 0; }

bool IsCloseButtonEnabled(HWND window) {
  return platform::TitleBarCloseState(window).value_or(0) != STATE_SYSTEM_UNAVAILABLE;
}
