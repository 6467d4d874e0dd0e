#pragma once
// Saving a picture in the format its file name says.
#include <string>

#include "platform/ScreenCapture.h"

namespace icons {

// Writes the picture whole (or, on failure, leaves the file as it was) in the format of the
// name's extension: a bitmap in its own depth for .bmp and any other extension; PNG, JPEG and GIF
// through the system's imaging component; an icon file (one 32-bit image) for .ico; an enhanced
// metafile (.emf) or a placeable Windows metafile (.wmf) that draws it. Throws, before the file
// is touched, when the picture does not fit the format (an icon is at most 256 x 256 pixels)
// or cannot be encoded, and when the file cannot be written.
void SavePicture(const platform::CaptureBitmap& picture, const std::wstring& path);

}  // namespace icons
