#include "shell/portable/ArrangeGeometry.h"

#include <algorithm>

namespace vantora {
namespace {

// The start of part `index` when `length` pixels from `start` are cut into `parts` parts;
// index == parts gives the far edge, so neighbouring parts share their edges exactly.
int Cut(int start, int length, int parts, int index) {
  return start + static_cast<int>(static_cast<long long>(length) * index / parts);
}

int CeilSqrt(int n) {
  int root = 1;
  while (root * root < n) ++root;
  return root;
}

}  // namespace

std::vector<Rect> CascadeRects(const Rect& workArea, int count, int step) {
  std::vector<Rect> rects;
  if (count <= 0) return rects;
  const int width = workArea.Width() * 2 / 3;
  const int height = workArea.Height() * 2 / 3;
  // How many slots fit before a window would cross the right or bottom edge.
  const int run =
      step > 0 ? std::max(1, std::min((workArea.Width() - width) / step, (workArea.Height() - height) / step) + 1) : 1;
  rects.reserve(static_cast<size_t>(count));
  for (int slot = 0; slot < count; ++slot) {
    const int offset = (slot % run) * std::max(step, 0);
    const int left = workArea.left + offset, top = workArea.top + offset;
    rects.push_back({left, top, left + width, top + height});
  }
  return rects;
}

std::vector<Rect> TileRects(const Rect& workArea, int count, TileDirection direction) {
  std::vector<Rect> rects;
  if (count <= 0) return rects;
  const bool vertical = direction == TileDirection::Vertical;
  const int bands = count <= 3 ? count : CeilSqrt(count);
  // Bands cut the work area across its width (columns) when vertical, down its height (rows)
  // when horizontal; the windows of one band then share the other dimension.
  const int across = vertical ? workArea.Width() : workArea.Height();
  const int along = vertical ? workArea.Height() : workArea.Width();
  const int acrossStart = vertical ? workArea.left : workArea.top;
  const int alongStart = vertical ? workArea.top : workArea.left;
  rects.reserve(static_cast<size_t>(count));
  for (int band = 0; band < bands; ++band) {
    const int inBand = count / bands + (band >= bands - count % bands ? 1 : 0);
    const int bandNear = Cut(acrossStart, across, bands, band), bandFar = Cut(acrossStart, across, bands, band + 1);
    for (int i = 0; i < inBand; ++i) {
      const int near = Cut(alongStart, along, inBand, i), far = Cut(alongStart, along, inBand, i + 1);
      rects.push_back(vertical ? Rect{bandNear, near, bandFar, far} : Rect{near, bandNear, far, bandFar});
    }
  }
  return rects;
}

}  // namespace vantora
