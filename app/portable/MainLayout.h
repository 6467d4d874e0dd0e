#pragma once
// The main window's controls as data. The window builds itself from this table and the
// end-to-end tests check the running window against it.
#include <span>
#include <string_view>

#include "app/portable/SelectionGroups.h"
#include "catalogue/portable/ToggleCaptions.h"
#include "shell/portable/ShellToggleTable.h"
#include "ui/portable/Layout.h"

namespace vantora {

inline constexpr int kMainClientWidth = 992;
inline constexpr int kMainClientHeight = 612;

// The captions of the tray icon's button and of the first item of its menu.
inline constexpr ui::CaptionPair kTrayIconToggle{L"Hide TrayIcon", L"Show TrayIcon"};
inline constexpr ui::CaptionPair kTrayMenuToggle{L"&Send Vantora to Tray", L"&Restore Vantora"};

namespace main_layout {
using shell::ShellToggle;
using shell::ShellWindow;
using Row = ui::LayoutRow;
using K = ui::ControlKind;

// Children follow their panel; the order is also the tab order.
inline constexpr Row kRows[] = {
    // Headings and separators
    Row{"sLabel16", K::Heading, "", 19, 0, 133, 16, L"Customize Windows:", ui::kBold},
    Row{"sLabel17", K::Heading, "", 643, 0, 177, 16, L"Customize Desktop && Shell:", ui::kBold},
    Row{"Bevel1", K::Bevel, "", 626, 3, 6, 534, L"", ui::kVertical},
    Row{"Bevel3", K::Bevel, "", 18, 539, 956, 4, L""},
    Row{"Image6", K::Image, "", 761, 2, 11, 9, L"", ui::kHidden},

    // Left half: the window list and the per-window commands
    Row{"ListView1", K::ListView, "", 19, 16, 593, 142, L""},
    Row{"Button13", K::Button, "", 18, 161, 594, 27, L"Refresh List (F5)"},
    Row{"sPanel3", K::Panel, "", 18, 190, 594, 139, L""},
    Row{"sLabel18", K::Label, "sPanel3", 98, 9, 0, 0, L"New Text:"},
    Row{"Edit1", K::Edit, "sPanel3", 98, 25, 484, 21, L""},
    Row{"Button1", K::Button, "", 35, 211, 75, 25, L"Update Text"},
    Row{"Button3", K::Button, "", 35, 242, 272, 25, L"Maximize"},
    Row{"Button4", K::Button, "", 35, 269, 272, 25, L"Minimize"},
    Row{"Button16", K::Button, "", 35, 297, 272, 25, L"Bring To Front"},
    Row{"Button5", K::Button, "", 328, 242, 272, 25, L"Restore"},
    Row{"Button6", K::Button, "", 328, 269, 272, 25, L"Close Window"},
    Row{"Button7", K::Button, "", 328, 297, 272, 25, L"Resize Window"},

    Row{"sPanel4", K::Panel, "", 19, 332, 350, 102, L""},
    Row{"sLabel19", K::Label, "sPanel4", 3, 3, 0, 0, L"Window Icon:", ui::kBold},
    Row{"sLabel6", K::Label, "sPanel4", 6, 21, 0, 0, L"Large Icon:"},
    Row{"sLabel8", K::Label, "sPanel4", 67, 21, 0, 0, L"Small Icon:"},
    Row{"sLabel7", K::Label, "sPanel4", 128, 21, 0, 0, L"New Icon:"},
    Row{"Image1", K::Image, "sPanel4", 13, 36, 32, 32, L"", ui::kCentred},
    Row{"Image2", K::Image, "sPanel4", 73, 36, 32, 32, L"", ui::kCentred},
    Row{"Image3", K::Image, "sPanel4", 135, 36, 32, 32, L"", ui::kCentred},
    Row{"Bevel2", K::Bevel, "sPanel4", 179, 6, 12, 91, L"", ui::kVertical},
    Row{"RadioButton1", K::RadioButton, "sPanel4", 186, 10, 17, 17, L"", ui::kChecked | ui::kDisabled},
    Row{"RadioButton2", K::RadioButton, "sPanel4", 186, 31, 17, 17, L"", ui::kDisabled},
    Row{"sLabel4", K::Label, "sPanel4", 203, 12, 0, 0, L"Save Large (32x32) Icon"},
    Row{"sLabel5", K::Label, "sPanel4", 203, 33, 0, 0, L"Save Small (16x16) Icon"},
    Row{"Button12", K::Button, "", 29, 405, 47, 24, L"Change", ui::kDisabled},
    Row{"Button11", K::Button, "", 92, 405, 47, 24, L"Change", ui::kDisabled},
    Row{"Button10", K::Button, "", 151, 405, 41, 25, L"Load"},
    Row{"Button8", K::Button, "", 205, 383, 158, 24, L"Save Window Icon To File"},
    Row{"Button9", K::Button, "", 205, 408, 158, 22, L"Help: What's This?"},

    Row{"Button14", K::Button, "", 374, 340, 238, 25, L"Take ScreenShot of Selected Window"},
    Row{"Button20", K::Button, "", 374, 368, 238, 25, L"Take ScreenShot of Full Screen"},
    Row{"Button15", K::Button, "", 374, 396, 238, 25, L"Cascade Windows"},
    Row{"Button17", K::Button, "", 375, 425, 123, 26, L"Tile Windows Horizontal"},
    Row{"Button22", K::Button, "", 501, 425, 111, 26, L"Tile Windows Vertical"},
    Row{"Button18", K::Button, "", 374, 453, 238, 25, L"Minimize All Windows"},
    Row{"Button19", K::Button, "", 374, 481, 238, 25, L"Close All Windows"},
    Row{"Button23", K::Button, "", 374, 510, 238, 25, L"Restore All Windows"},

    Row{"sPanel6", K::Panel, "", 19, 438, 350, 97, L""},
    Row{"sLabel14", K::Label, "sPanel6", 3, 2, 0, 0, L"Miscellaneous:", ui::kBold},
    Row{"CheckBox1", K::CheckBox, "sPanel6", 10, 16, 140, 17, L"Stay On Top Window"},
    Row{"SLabel39", K::Label, "sPanel6", 10, 37, 0, 0, L"Window Transparency/Opacity:"},
    Row{"TrackBar1", K::TrackBar, "sPanel6", 10, 52, 180, 26, L""},
    Row{"Label3", K::Label, "sPanel6", 65, 79, 0, 0, L"Current: 100"},
    Row{"sButton1", K::Button, "sPanel6", 196, 40, 145, 22, L"Window Info"},
    Row{"sButton25", K::Button, "sPanel6", 196, 66, 145, 23, catalogue::kEnabledToggle.first},
    Row{"Button2", K::Button, "", 174, 451, 185, 21, catalogue::kCloseButtonToggle.first},

    // Right half: desktop and shell
    Row{"sPanel5", K::Panel, "", 642, 17, 332, 64, L""},
    Row{"sLabel15", K::Label, "sPanel5", 4, 3, 0, 0, L"Taskbar Transparency:", ui::kBold},
    Row{"TrackBar3", K::TrackBar, "sPanel5", 4, 20, 317, 27, L""},
    Row{"sLabel12", K::Label, "sPanel5", 13, 47, 0, 0, L"1"},
    Row{"sLabel13", K::Label, "sPanel5", 298, 47, 0, 0, L"100"},

    Row{"sPanel2", K::Panel, "", 642, 84, 332, 90, L""},
    Row{"sLabel20", K::Label, "sPanel2", 7, 3, 0, 0, L"Change/Replace Executable Icon:", ui::kBold},
    Row{"sLabel11", K::Label, "sPanel2", 7, 21, 0, 0, L"File Name:"},
    Row{"Edit4", K::Edit, "sPanel2", 64, 18, 199, 21, L"", ui::kReadOnly},
    Row{"Button34", K::Button, "sPanel2", 268, 19, 55, 21, L"Browse..."},
    Row{"Image4", K::Image, "sPanel2", 7, 51, 32, 32, L"", ui::kCentred},
    Row{"sLabel10", K::Label, "sPanel2", 45, 42, 0, 0, L"Old Icon:"},
    Row{"Button35", K::Button, "sPanel2", 45, 57, 68, 21, L"Save To File"},
    Row{"Image5", K::Image, "sPanel2", 148, 51, 32, 32, L"", ui::kCentred},
    Row{"sLabel9", K::Label, "sPanel2", 184, 41, 0, 0, L"New Icon:"},
    Row{"Button36", K::Button, "sPanel2", 184, 56, 59, 21, L"Load"},
    Row{"Button37", K::Button, "", 906, 139, 61, 25, L"Change", ui::kDisabled},

    Row{"v", K::Panel, "", 642, 180, 332, 75, L""},
    Row{"sLabel21", K::Label, "v", 4, 3, 0, 0, L"Desktop Wallpaper:", ui::kBold},
    Row{"sLabel1", K::Label, "v", 8, 21, 0, 0, L"Path:"},
    Row{"Edit2", K::Edit, "v", 42, 17, 215, 21, L"", ui::kReadOnly},
    Row{"Button29", K::Button, "v", 262, 16, 64, 23, L"Browse..."},
    Row{"Button30", K::Button, "", 647, 224, 316, 25, L"Apply", ui::kDisabled},

    Row{"sPanel1", K::Panel, "", 643, 261, 331, 114, L""},
    Row{"sLabel23", K::Label, "sPanel1", 4, 3, 0, 0, L"Change Internet Explorer Title Bar Text:", ui::kBold},
    Row{"sLabel2", K::Label, "sPanel1", 8, 25, 0, 0, L"Current IE Version:"},
    Row{"sComboBox1", K::ComboBox, "sPanel1", 112, 21, 211, 21, L"Internet Explorer 7"},
    Row{"sLabel3", K::Label, "sPanel1", 8, 53, 0, 0, L"New Text:"},
    Row{"Edit3", K::Edit, "sPanel1", 112, 49, 211, 21, L""},
    Row{"Button32", K::Button, "sPanel1", 112, 79, 98, 25, L"Change"},
    Row{"Button31", K::Button, "sPanel1", 214, 79, 109, 25, L"Get Current Text"},

    Row{"Button28", K::Button, "", 642, 384, 332, 25, shell::kClipboardToggle.first},
    Row{"Label9", K::Label, "", 642, 415, 332, 13, shell::kClipboardStatus.first, ui::kCentred},
    Row{"Button33", K::Button, "", 642, 434, 162, 25, L"Swap Mouse Buttons"},
    Row{"s", K::Button, "", 815, 434, 159, 25, L"UnSwap Mouse Buttons"},
    Row{"Button26", K::Button, "", 642, 470, 162, 25, ShellToggle(ShellWindow::DesktopIcons).captions.first},
    Row{"Button27", K::Button, "", 815, 470, 159, 25, ShellToggle(ShellWindow::Taskbar).captions.first},
    Row{"Button24", K::Button, "", 642, 506, 162, 25, ShellToggle(ShellWindow::TaskbarItems).captions.first},
    Row{"Button25", K::Button, "", 815, 506, 159, 25, ShellToggle(ShellWindow::TaskbarClock).captions.first},

    // Bottom row of large buttons, glyph above the caption
    Row{"sBitBtn7", K::BitBtn, "", 19, 545, 86, 63, L"Shutdown PC"},
    Row{"sBitBtn6", K::BitBtn, "", 145, 545, 86, 63, kTrayIconToggle.first},
    Row{"sBitBtn5", K::BitBtn, "", 265, 545, 110, 63, shell::kStartWithWindowsToggle.first},
    Row{"sBitBtn4", K::BitBtn, "", 405, 545, 86, 63, L"Options && Hotkeys"},
    Row{"sBitBtn2", K::BitBtn, "", 643, 545, 87, 63, L"About"},
    Row{"sBitBtn8", K::BitBtn, "", 765, 545, 87, 63, L"Minimize To Tray"},
    Row{"sBitBtn1", K::BitBtn, "", 886, 545, 87, 63, L""},
};

// The window's columns, left and right of the line between its halves (Bevel1) and down to the
// line above the bottom row: the left half's list and commands on the selected window, below them
// its two panels beside the stack of commands on all windows, and the right half. Each holds the
// controls lying in it, so a caption the font draws wide is fitted within its column and never
// reaches the next one or the line.
inline constexpr ui::Bounds kColumns[] = {
    {18, 0, 594, 330}, {18, 330, 352, 207}, {374, 330, 238, 207}, {642, 0, 332, 537}};
inline constexpr std::string_view kSeparator = "Bevel1";
}  // namespace main_layout

constexpr std::span<const ui::LayoutRow> MainWindowLayout() { return main_layout::kRows; }

// Controls whose window text does not name them to a screen reader: each takes the caption of
// the label before it (of the heading above, for a panel).
struct NamedByLabel {
  std::string_view control, label;
};
inline constexpr NamedByLabel kNamedByLabel[] = {
    {"Edit1", "sLabel18"},       {"Edit4", "sLabel11"},     {"Edit2", "sLabel1"},      {"Edit3", "sLabel3"},
    {"sComboBox1", "sLabel2"},   {"TrackBar1", "SLabel39"}, {"TrackBar3", "sLabel15"}, {"RadioButton1", "sLabel4"},
    {"RadioButton2", "sLabel5"}, {"Image1", "sLabel6"},     {"Image2", "sLabel8"},     {"Image3", "sLabel7"},
    {"Image4", "sLabel10"},      {"Image5", "sLabel9"},     {"sPanel3", "sLabel16"},   {"sPanel4", "sLabel19"},
    {"sPanel6", "sLabel14"},     {"sPanel5", "sLabel15"},   {"sPanel2", "sLabel20"},   {"v", "sLabel21"},
    {"sPanel1", "sLabel23"},
};
inline constexpr std::wstring_view kExitButtonName = L"Exit";  // the exit button shows only its picture

// The row of a control of the main window; a name the table lacks does not compile. The
// commands on listed windows start disabled: nothing is listed or selected before the window
// reads its first list, which then enables what the list allows.
consteval ui::Placement MainRow(std::string_view name) {
  ui::Placement placement = ui::Place(main_layout::kRows, name);
  const auto in = [name](const auto& group) {
    for (std::string_view member : group)
      if (member == name) return true;
    return false;
  };
  if (in(kBulkGroup) || in(kPerWindowGroup)) placement.flags |= ui::kDisabled;
  return placement;
}

// Position on the form: the row's position plus those of the panels it sits in.
inline ui::Bounds MainControlBounds(const ui::LayoutRow& row) { return ui::FormBounds(main_layout::kRows, row); }
inline const ui::LayoutRow* FindMainControl(std::string_view name) { return ui::FindRow(main_layout::kRows, name); }

}  // namespace vantora
