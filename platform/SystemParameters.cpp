#include "platform/SystemParameters.h"

#include <windows.h>

namespace platform {

bool ShowDesktopWallpaper(const std::wstring& picture) {
  // The path itself, never NULL: since Vista a NULL picture means the default wallpaper rather
  // than the one the registry names.
  return ::SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, const_cast<wchar_t*>(picture.c_str()),
                                 SPIF_SENDWININICHANGE) != FALSE;
}

bool SetMouseButtonsSwapped(bool swapped) {
  return ::SystemParametersInfoW(SPI_SETMOUSEBUTTONSWAP, swapped ? 1 : 0, nullptr, 0) != FALSE;
}

}  // namespace platform
