#pragma once
// Pictures of the screen and of windows, in the display's own format, and their bitmap files.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/UniqueHandle.h"

namespace icons {

// A bitmap in the display's device format, with the system palette on a palette display.
// Sizes are physical pixels: the program is per-monitor DPI aware.
struct CaptureBitmap {
  platform::UniqueBitmap bitmap;
  platform::UniquePalette palette;
  int width = 0;
  int height = 0;
  // Replaces the bitmap with a new one of this size, compatible with the screen.
  void Resize(int newWidth, int newHeight);
};

// Copies the foreground window, frame and title bar included, into the bitmap sized to it.
// False (the bitmap untouched) when there is no foreground window at this moment.
bool CaptureForegroundWindow(CaptureBitmap& bitmap);

// Copies the screen rectangle into the bitmap sized to it. A width or height of 0 leaves the
// bitmap as it was.
void CaptureScreenRect(int left, int top, int width, int height, CaptureBitmap& bitmap);

// The rows of a bitmap at `bits` per pixel, bottom-up and padded as in a DIB; the colour table
// goes to `palette` for 8 bits and below. Throws when the system cannot read the bitmap.
std::vector<uint8_t> BitmapRows(HDC dc, HBITMAP bitmap, int width, int height, WORD bits,
                                std::vector<uint32_t>* palette);

// The bitmap as a BMP file in its own colour depth, with its palette (or, for a palette depth
// without one, the system palette) as colour table.
std::vector<uint8_t> BitmapFileBytes(HBITMAP bitmap, HPALETTE palette);

// Writes the bitmap as a BMP file; throws "Cannot create file ..." when the file cannot be made.
void SaveBitmapFile(const CaptureBitmap& bitmap, const std::wstring& path);

}  // namespace icons
