#pragma once
// The information dialog (TForm13) as data: its controls and the twelve rows of its grid.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "ui/portable/Layout.h"

namespace commands {

inline constexpr int kInfoClientWidth = 320;
inline constexpr int kInfoClientHeight = 301;

namespace info_layout {
using Row = ui::LayoutRow;
using K = ui::ControlKind;

inline constexpr Row kRows[] = {
    Row{"Label1", K::Label, "", 8, 8, 0, 0, L"Window Info:"},
    Row{"ve", K::Grid, "", 8, 28, 306, 217, L""},
    Row{"Button2", K::Button, "", 8, 248, 306, 25, L"Refresh"},
    Row{"Button1", K::Button, "", 8, 273, 306, 25, L"Done"},
};
}  // namespace info_layout

consteval ui::Placement InfoRow(std::string_view name) { return ui::Place(info_layout::kRows, name); }

// The grid's columns.
inline constexpr std::wstring_view kInfoKeyTitle = L"Field";
inline constexpr std::wstring_view kInfoValueTitle = L"Value";
inline constexpr int kInfoKeyWidth = 150;
inline constexpr int kInfoValueWidth = 133;

// The grid's keys, in the order of its rows.
inline constexpr std::array<std::wstring_view, 12> kInfoKeys = {
    L"Title Bar Text",        L"Handle No",  L"Top",       L"Left",        L"Right", L"Bottom", L"Width", L"Height",
    L"Surface Area (Pixels)", L"Class Name", L"Minimized", L"Stay On Top",
};

// What the dialog reads from a window. A window that has gone gives empty texts, a zero
// rectangle and false states.
struct WindowFacts {
  std::wstring title;
  std::uint32_t handle = 0;  // the 32-bit handle value
  int left = 0, top = 0, right = 0, bottom = 0;
  std::wstring className;
  bool minimized = false;
  bool topmost = false;
};

// The twelve (key, value) pairs in row order: the handle unsigned, the coordinates and sizes as
// signed decimals without padding, the area as a signed 32-bit product, the states "True" or
// "False".
std::array<std::pair<std::wstring, std::wstring>, 12> InfoRows(const WindowFacts& facts);

}  // namespace commands
