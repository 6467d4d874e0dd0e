#include "ui/portable/ReadingOrder.h"

#include <algorithm>
#include <numeric>

namespace ui {

std::vector<std::size_t> ReadingOrder(std::span<const Bounds> places) {
  std::vector<std::size_t> order(places.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto top = [&](std::size_t i) { return places[i].top; };
  const auto left = [&](std::size_t i) { return places[i].left; };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return top(a) < top(b); });
  // Rows: a control joins the current row while it starts above the row's lowest bottom.
  auto rowStart = order.begin();
  int rowBottom = 0;
  for (auto it = order.begin(); it != order.end(); ++it) {
    const Bounds& b = places[*it];
    if (it != rowStart && b.top >= rowBottom) {
      std::stable_sort(rowStart, it, [&](std::size_t x, std::size_t y) { return left(x) < left(y); });
      rowStart = it;
    }
    rowBottom = it == rowStart ? b.top + b.height : std::max(rowBottom, b.top + b.height);
  }
  std::stable_sort(rowStart, order.end(), [&](std::size_t x, std::size_t y) { return left(x) < left(y); });
  return order;
}

}  // namespace ui
