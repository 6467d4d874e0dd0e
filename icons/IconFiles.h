#pragma once
// Icons to files and back: the white-backed picture export of a window icon, the icon file of an
// executable's icon, and loading an icon file for display.
#include <windows.h>

#include <string>

#include "platform/UniqueHandle.h"

namespace icons {

// Saves the icon at its own size at the top-left corner of a width x height picture, in the
// format the name's extension says (SavePicture). An icon file or a PNG keeps the icon's
// transparency (the rest of the picture transparent too); the other formats have none, so the
// icon is drawn with its mask on white, in the display's format. A null icon gives a picture
// of nothing but the background.
void ExportIcon(HICON icon, int width, int height, const std::wstring& path);

// Writes the icon as an icon file (one image with its AND mask) whatever the name's extension.
// Throws "Icon image is not valid" for a null or unreadable icon, before creating the file.
void SaveIconFile(HICON icon, const std::wstring& path);

// The image of an icon file that best fits the system's large-icon size and the display's
// depth; empty when the file is not an icon the system can load.
platform::UniqueIcon LoadIconFile(const std::wstring& path);

}  // namespace icons
