#pragma once
// Bitmap files of the screen pictures.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/pictures/ScreenCapture.h"
#include "platform/UniqueHandle.h"

namespace icons {

// The rows of a bitmap at `bits` per pixel, bottom-up and padded as in a DIB; the colour table
// goes to `palette` for 8 bits and below. Throws when the system cannot read the bitmap.
std::vector<uint8_t> BitmapRows(HDC dc, HBITMAP bitmap, int width, int height, WORD bits,
                                std::vector<uint32_t>* palette);

// A memory DC with the palette (if any) selected and realized, so that GetDIBits on a palette
// depth gives its colours. The palette is not deleted with the DC.
platform::UniqueMemoryDc PaletteDc(HPALETTE palette);

// The bitmap as a BMP file in its own colour depth, with its palette (or, for a palette depth
// without one, the system palette) as colour table.
std::vector<uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette);

}  // namespace icons
