#pragma once
// The order in which a reader takes in controls: rows from top to bottom, each row from left to
// right. Controls whose vertical extents overlap (directly or through others of the row) share a
// row, so a slightly lower control beside another is still read after it, not below it.
#include <cstddef>
#include <span>
#include <vector>

#include "ui/portable/Layout.h"

namespace ui {

// Indices of `places` in reading order.
std::vector<std::size_t> ReadingOrder(std::span<const Bounds> places);

}  // namespace ui
