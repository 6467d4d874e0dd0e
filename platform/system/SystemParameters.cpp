#include "platform/system/SystemParameters.h"

#include <windows.h>

namespace platform {

Outcome ShowDesktopWallpaper(const std::wstring& picture) {
  // The path itself, never NULL: since Vista a NULL picture means the default wallpaper rather
  // than the one the registry names. Kept in the user's profile, or the next logon forgets it.
  return Outcome::Of([&] {
    return ::SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(picture.c_str()),
                                   SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE) != FALSE;
  });
}

Outcome SetMouseButtonsSwapped(bool swapped) {
  return Outcome::Of(
      [&] { return ::SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, swapped ? 1 : 0, nullptr, 0) != FALSE; });
}

}  // namespace platform
