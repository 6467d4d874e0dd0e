#pragma once
// Where cascading and tiling put the windows, computed from the work area and the number of
// windows; the program arranges each monitor's windows in its work area with them.
#include <vector>

namespace vantora {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const noexcept { return right - left; }
  int Height() const noexcept { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Cascade: every window is two thirds of the work area wide and high. Slot 0 sits at the work
// area's top-left and each next slot `step` pixels further right and down (the step is the
// height of a title bar with its frame, so each caption stays readable). A slot whose window
// would reach past the work area's right or bottom edge starts again at the top-left.
std::vector<Rect> CascadeRects(const Rect& workArea, int count, int step);

enum class TileDirection {
  Horizontal,  // windows one above the other, full width
  Vertical,    // windows side by side, full height
};

// Tiling fills the work area without gaps or overlaps, in slot order. Up to three windows form a
// single band: stacked rows (horizontal) or side-by-side columns (vertical). From four windows
// on the work area is a grid of ceil(sqrt(count)) bands - rows when horizontal, columns when
// vertical - and each band is divided evenly among its windows; when the count does not divide,
// the last bands hold one window more. Slot order runs band by band, from the top (or the left).
std::vector<Rect> TileRects(const Rect& workArea, int count, TileDirection direction);

}  // namespace vantora
