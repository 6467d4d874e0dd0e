#pragma once
// Settings of the logged-on user that SystemParametersInfo changes.
#include <string>

#include "platform/Error.h"

namespace platform {

// Makes the system show `picture` as the desktop wallpaper, keeps it in the user's profile and
// tells every top-level window (SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE); the wallpaper's
// style values are left to the caller.
// A failure when the system refused, for instance a picture it cannot load.
[[nodiscard]] Outcome ShowDesktopWallpaper(const std::wstring& picture);

// Swaps the meaning of the left and right mouse buttons, or puts them back. Not written to
// the user's profile and not broadcast: it lasts until changed again or until logoff.
[[nodiscard]] Outcome SetMouseButtonsSwapped(bool swapped);

}  // namespace platform
