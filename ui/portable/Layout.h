#pragma once
// A form's controls as data: one row per control with its name, kind, position in 96-DPI client
// pixels (relative to the panel named as parent, if any), caption and initial state. A form
// keeps its table as a constexpr array in a header of its own folder; its control members are
// built from their rows, looked up by name at compile time, so a misspelt name does not build.
#include <span>
#include <string_view>

namespace ui {

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  friend constexpr bool operator==(const Bounds&, const Bounds&) = default;
};

enum class ControlKind {
  Label,
  Heading,
  Button,
  BitBtn,
  Edit,
  CheckBox,
  RadioButton,
  TrackBar,
  ListView,
  Image,
  Panel,
  Bevel,
  ComboBox,
  GroupBox,
  HotKey,
  Grid
};

enum ControlFlags : unsigned {
  kNoFlags = 0,
  kDisabled = 1,
  kHidden = 2,
  kChecked = 4,
  kBold = 8,      // a bold label
  kCentred = 16,  // centred label text / centred picture
  kReadOnly = 32,
  kVertical = 64,  // a bevel drawn as a vertical line (else horizontal)
};

// The two captions of a control that names what its next click does and, after it, what the
// system reports: the layout row shows `first`, and the logic compares the caption with the
// same constants.
struct CaptionPair {
  const wchar_t* first;
  const wchar_t* second;
};

struct LayoutRow {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;       // empty: placed on the form
  int left, top, width, height;  // width/height 0: sized to the caption
  std::wstring_view caption;
  unsigned flags = kNoFlags;
};

// What a control is built from: its row with the position made relative to the form.
struct Placement {
  std::string_view name;
  ControlKind kind;
  Bounds bounds;
  std::wstring_view caption;
  unsigned flags = kNoFlags;
  bool onPanel = false;  // placed in a panel or group box rather than on the form itself
  constexpr bool Has(unsigned flag) const { return (flags & flag) != 0; }
};

constexpr const LayoutRow* FindRow(std::span<const LayoutRow> table, std::string_view name) {
  for (const LayoutRow& row : table)
    if (row.name == name) return &row;
  return nullptr;
}

// The row's position plus those of the panels it sits in.
constexpr Bounds FormBounds(std::span<const LayoutRow> table, const LayoutRow& row) {
  Bounds b{row.left, row.top, row.width, row.height};
  for (const LayoutRow* p = FindRow(table, row.parent); p; p = FindRow(table, p->parent)) {
    b.left += p->left;
    b.top += p->top;
  }
  return b;
}

// Evaluated only while compiling: a name the table lacks stops the build here.
consteval Placement Place(std::span<const LayoutRow> table, std::string_view name) {
  const LayoutRow* row = FindRow(table, name);
  if (!row) throw "the layout table has no row of this name";
  return Placement{row->name, row->kind, FormBounds(table, *row), row->caption, row->flags, !row->parent.empty()};
}

}  // namespace ui
