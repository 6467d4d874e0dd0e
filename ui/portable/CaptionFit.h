#pragma once
// Making room for captions the font draws wider (or taller) than the layout's places allow: a
// control grows within its row, into free space first, then pushing the controls after it along
// (a neighbour with width to spare gives it up before it moves), never out of the panel, group
// box, column or form it lies in; captions a row cannot hold share its width. Places that already
// fit stay exactly where they are.
#include <span>
#include <vector>

namespace ui {

struct Edges {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend constexpr bool operator==(const Edges&, const Edges&) = default;
};

struct FitItem {
  Edges place;        // the layout's place at the form's DPI
  int needWidth = 0;  // the smallest size the caption needs; 0: no caption, or any size will do
  int needHeight = 0;
  int holder = -1;     // index of the panel, group box or column it lies in; -1: the form
  bool holds = false;  // a panel, group box or column: it stands still, and what it holds stays inside it
};

// Where each item stands (in the order given) once every caption has what it needs, as far as
// its row allows. `gap` is the least room kept between two items side by side, and inside a
// holder's edge, unless the layout already put them closer; stacked items may touch, as a line
// of text holds its own leading.
std::vector<Edges> FitCaptions(std::span<const FitItem> items, const Edges& form, int gap);

}  // namespace ui
