#pragma once
// The main window's controls as data: name, kind, position in 96-DPI client pixels (relative to
// the panel named as parent, if any), caption and initial state. The window builds itself from
// this table and the end-to-end tests check the running window against it.
#include <optional>
#include <span>
#include <string_view>

namespace vantora {

enum class ControlKind { Label, Heading, Button, BitBtn, Edit, CheckBox, RadioButton, TrackBar, ListView,
                         Image, Panel, Bevel, ComboBox };

enum ControlFlags : unsigned {
  kNoFlags = 0,
  kDisabled = 1,
  kHidden = 2,
  kChecked = 4,
  kBold = 8,       // a bold label
  kCentred = 16,   // centred label text / centred picture
  kReadOnly = 32,
  kVertical = 64,  // bevel drawn as a vertical line (else horizontal)
};

struct ControlLayout {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;  // empty: placed on the form
  int left, top, width, height;  // width/height 0: sized to the caption
  std::wstring_view caption;
  unsigned flags = kNoFlags;
};

struct AbsoluteBounds {
  int left, top, width, height;
};

inline constexpr int kMainClientWidth = 992;
inline constexpr int kMainClientHeight = 612;

std::span<const ControlLayout> MainWindowLayout();
const ControlLayout* FindMainControl(std::string_view name);
// Position on the form: the row's position plus those of the panels it sits in.
AbsoluteBounds MainControlBounds(const ControlLayout& row);

}  // namespace vantora
