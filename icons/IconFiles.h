#pragma once
// Icons to files and back: the white-backed picture export of a window icon, the icon file of an
// executable's icon, and loading an icon file for display.
#include <windows.h>

#include <string>

#include "platform/UniqueHandle.h"

namespace icons {

// Draws the icon at its own size, with its mask, at the top-left corner of a white bitmap of
// width x height in the display's format, and saves that in the format the name's extension
// says (SavePicture). A null icon gives a white picture.
void ExportIcon(HICON icon, int width, int height, const std::wstring& path);

// Writes the icon as an icon file (one image with its AND mask) whatever the name's extension.
// Throws "Icon image is not valid" for a null or unreadable icon, before creating the file.
void SaveIconFile(HICON icon, const std::wstring& path);

// The image of an icon file that best fits the system's large-icon size and the display's
// depth; empty when the file is not an icon the system can load.
platform::UniqueIcon LoadIconFile(const std::wstring& path);

}  // namespace icons
