#pragma once
// File dialog filters are written the way the forms declare them, "Bitmap|*.bmp|All|*.*",
// and handed to the common dialogs as pairs separated by NUL and closed by a double NUL.
#include <string>

namespace ui {

// The common-dialog form of a "|"-separated filter. The result holds embedded NULs and ends
// with two of them. A description without a pattern is dropped: the dialog would otherwise
// read past the list. An empty filter gives an empty string (the dialog shows no type list).
std::wstring DialogFilter(const std::wstring& pipeSeparated);

// The default extension as the dialogs want it: without its leading dot.
std::wstring DialogDefaultExtension(const std::wstring& extension);

// The extension of the first pattern of the filter's type number `filterIndex` (1-based, as the
// dialogs count), dot included: ".png" for "*.png;*.apng". Empty for a wildcard extension
// ("*.*") or a number outside the list.
std::wstring FilterExtension(const std::wstring& pipeSeparated, int filterIndex);

}  // namespace ui
