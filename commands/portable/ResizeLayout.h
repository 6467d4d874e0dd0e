#pragma once
// The resize screen (TForm7) as data, and the model of the target window it shows: where the
// white panel and the corner handle stand, how the panel's contents follow it, and how the two
// drags change it. Everything is in screen pixels: the screen lies one to one over the virtual
// screen (all monitors), so a pixel of the model is a pixel of the desktop.
#include <string_view>

#include "ui/portable/Layout.h"

namespace commands {

namespace resize_layout {
using Row = ui::LayoutRow;
using K = ui::ControlKind;

// Positions before a resize run places them. The panel's contents are listed with it as parent;
// the handle stands on the form. The picture is sized to the screen by each run.
inline constexpr Row kRows[] = {
    Row{"Image1", K::Image, "", 0, 0, 0, 0, L""},
    Row{"Shape1", K::Panel, "", 280, 94, 303, 315, L""},
    Row{"Label1", K::Label, "Shape1", 1, 1, 301, 230,
        L"This Space Represents The Window You Are Resizing. Drag The South-East Corner To Resize, Drag The "
        L"White To Move.",
        ui::kCentred},
    Row{"Button1", K::Button, "Shape1", 57, 154, 91, 25, L"Cancel"},
    Row{"Button2", K::Button, "Shape1", 156, 154, 84, 25, L"Apply"},
    Row{"Panel3", K::Panel, "", 556, 386, 27, 23, L"Drag"},
};

// A row's own bounds, relative to the panel it sits in.
consteval ui::Bounds Local(std::string_view name) {
  for (const Row& row : kRows)
    if (row.name == name) return ui::Bounds{row.left, row.top, row.width, row.height};
  throw "the resize layout has no row of this name";
}
}  // namespace resize_layout

consteval ui::Placement ResizeRow(std::string_view name) { return ui::Place(resize_layout::kRows, name); }

// The white panel's contents, laid out for its current width: the label spans the panel and
// never reaches below it, and "Cancel" ends on the panel's vertical centre line with "Apply" a
// gap right of it. The buttons keep their designed place while they fit inside the panel clear
// of the corner handle and lie on the panel's monitor; otherwise they stand just below the
// panel, or above it when below would leave the monitor, and never off the monitor. Sizes, gaps
// and offsets are the designed ones scaled to the DPI.
struct ModelContents {
  ui::Bounds label, cancel, apply;
};
struct ScreenFacts {
  ui::Bounds monitor;  // the monitor that holds the panel, in screen pixels
  unsigned dpi = 96;
};
ModelContents LayOutContents(const ui::Bounds& shape, const ScreenFacts& screen);

// The corner handle's size at the screen's DPI.
ui::Bounds HandleSize(unsigned dpi);

// The handle whose right and bottom edges are the panel's.
ui::Bounds HandleAtCorner(const ui::Bounds& shape, const ui::Bounds& size = HandleSize(96));

// The model and its two drags. A move keeps the pressed point under the pointer; a corner drag
// makes the size the size at the press plus the pointer's position inside the handle, which
// stays put until the button is released. Nothing limits the model: it may leave the screen and
// take any size.
struct ResizeModel {
  ui::Bounds shape;   // the model of the target window
  ui::Bounds handle;  // the corner handle
  ui::Bounds handleSize = HandleSize(96);
  int BaseWidth = 0;  // the model's size when the current corner drag started
  int BaseHeight = 0;
  bool Resizing = false;  // a corner drag is in progress
  bool Moving = false;    // a move drag is in progress
  int DragStartX = 0;     // the press position inside the pressed control
  int DragStartY = 0;

  // The model at the target window's rectangle, with the handle (of the DPI's size) at its corner.
  void Start(const ui::Bounds& window, unsigned dpi = 96);

  // Mouse events on the panel or its label, in the pressed control's coordinates. A move that
  // changed the model returns true.
  void ShapeDown(int x, int y);
  bool ShapeMove(int x, int y);
  void ShapeUp();

  // Mouse events on the handle, in the handle's coordinates (negative outside it).
  void HandleDown();
  bool HandleMove(int x, int y);
  void HandleUp();
};

}  // namespace commands
