#pragma once
// Saving a picture in the format its file name says.
#include <string>

#include "platform/pictures/PictureEncoding.h"
#include "platform/pictures/ScreenCapture.h"

namespace icons {

// Writes the picture whole (or, on failure, leaves the file as it was) in the format of the
// name's extension: a bitmap in its own depth for .bmp and any other extension; PNG, JPEG and GIF
// through the system's imaging component; an icon file (one 32-bit image) for .ico; an enhanced
// metafile (.emf) or a placeable Windows metafile (.wmf) that draws it. Throws, before the file
// is touched, when the picture does not fit the format (an icon is at most 256 x 256 pixels)
// or cannot be encoded, and when the file cannot be written.
void SavePicture(const platform::CaptureBitmap& picture, const std::wstring& path);

// Writes a picture whose pixels carry their own transparency (the fourth byte of each is its
// alpha, not multiplied into its colour), as SavePicture does, for the two formats that keep
// it: an icon file (in its 32-bit image and its mask) and PNG (in its alpha channel).
void SaveTransparentPicture(const platform::OpaquePixels& pixels, const std::wstring& path);

}  // namespace icons
