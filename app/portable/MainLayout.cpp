#include "app/portable/MainLayout.h"

#include <array>

namespace vantora {

namespace {
using K = ControlKind;

// Children follow their panel; the order is also the tab order.
constexpr std::array kLayout = {
    // Headings and separators
    ControlLayout{"sLabel16", K::Heading, "", 19, 0, 133, 16, L"Customize Windows:", kBold},
    ControlLayout{"sLabel17", K::Heading, "", 643, 0, 177, 16, L"Customize Desktop && Shell:", kBold},
    ControlLayout{"Bevel1", K::Bevel, "", 626, 3, 6, 534, L"", kVertical},
    ControlLayout{"Bevel3", K::Bevel, "", 18, 539, 956, 4, L""},
    ControlLayout{"Image6", K::Image, "", 761, 2, 11, 9, L"", kHidden},

    // Left half: the window list and the per-window commands
    ControlLayout{"ListView1", K::ListView, "", 19, 16, 593, 142, L""},
    ControlLayout{"Button13", K::Button, "", 18, 161, 594, 27, L"Refresh List (F5)"},
    ControlLayout{"sPanel3", K::Panel, "", 18, 190, 594, 139, L""},
    ControlLayout{"sLabel18", K::Label, "sPanel3", 98, 9, 0, 0, L"New Text:"},
    ControlLayout{"Edit1", K::Edit, "sPanel3", 98, 25, 484, 21, L""},
    ControlLayout{"Button1", K::Button, "", 35, 211, 75, 25, L"Update Text"},
    ControlLayout{"Button3", K::Button, "", 35, 242, 272, 25, L"Maximize"},
    ControlLayout{"Button4", K::Button, "", 35, 269, 272, 25, L"Minimize"},
    ControlLayout{"Button16", K::Button, "", 35, 297, 272, 25, L"Bring To Front"},
    ControlLayout{"Button5", K::Button, "", 328, 242, 272, 25, L"Restore"},
    ControlLayout{"Button6", K::Button, "", 328, 269, 272, 25, L"Close Window"},
    ControlLayout{"Button7", K::Button, "", 328, 297, 272, 25, L"Resize Window"},

    ControlLayout{"sPanel4", K::Panel, "", 19, 332, 350, 102, L""},
    ControlLayout{"sLabel19", K::Label, "sPanel4", 3, 3, 0, 0, L"Window Icon:", kBold},
    ControlLayout{"sLabel6", K::Label, "sPanel4", 6, 21, 0, 0, L"Large Icon:"},
    ControlLayout{"sLabel8", K::Label, "sPanel4", 67, 21, 0, 0, L"Small Icon:"},
    ControlLayout{"sLabel7", K::Label, "sPanel4", 128, 21, 0, 0, L"New Icon:"},
    ControlLayout{"Image1", K::Image, "sPanel4", 13, 36, 32, 32, L"", kCentred},
    ControlLayout{"Image2", K::Image, "sPanel4", 73, 36, 32, 32, L"", kCentred},
    ControlLayout{"Image3", K::Image, "sPanel4", 135, 36, 32, 32, L"", kCentred},
    ControlLayout{"Bevel2", K::Bevel, "sPanel4", 179, 6, 12, 91, L"", kVertical},
    ControlLayout{"RadioButton1", K::RadioButton, "sPanel4", 186, 10, 17, 17, L"", kChecked | kDisabled},
    ControlLayout{"RadioButton2", K::RadioButton, "sPanel4", 186, 31, 17, 17, L"", kDisabled},
    ControlLayout{"sLabel4", K::Label, "sPanel4", 203, 12, 0, 0, L"Save Large (32x32) Icon"},
    ControlLayout{"sLabel5", K::Label, "sPanel4", 203, 33, 0, 0, L"Save Small (16x16) Icon"},
    ControlLayout{"Button12", K::Button, "", 29, 405, 47, 24, L"Change", kDisabled},
    ControlLayout{"Button11", K::Button, "", 92, 405, 47, 24, L"Change", kDisabled},
    ControlLayout{"Button10", K::Button, "", 151, 405, 41, 25, L"Load"},
    ControlLayout{"Button8", K::Button, "", 205, 383, 158, 24, L"Save Window Icon To File"},
    ControlLayout{"Button9", K::Button, "", 205, 408, 158, 22, L"Help: What's This?"},

    ControlLayout{"Button14", K::Button, "", 374, 340, 238, 25, L"Take ScreenShot of Selected Window"},
    ControlLayout{"Button20", K::Button, "", 374, 368, 238, 25, L"Take ScreenShot of Full Screen"},
    ControlLayout{"Button15", K::Button, "", 374, 396, 238, 25, L"Cascade Windows"},
    ControlLayout{"Button17", K::Button, "", 375, 425, 123, 26, L"Tile Windows Horizontal"},
    ControlLayout{"Button22", K::Button, "", 501, 425, 111, 26, L"Tile Windows Vertical"},
    ControlLayout{"Button18", K::Button, "", 374, 453, 238, 25, L"Minimize All Windows"},
    ControlLayout{"Button19", K::Button, "", 374, 481, 238, 25, L"Close All Windows"},
    ControlLayout{"Button23", K::Button, "", 374, 510, 238, 25, L"Restore All Windows"},

    ControlLayout{"sPanel6", K::Panel, "", 19, 438, 350, 97, L""},
    ControlLayout{"sLabel14", K::Label, "sPanel6", 3, 2, 0, 0, L"Miscellaneous:", kBold},
    ControlLayout{"CheckBox1", K::CheckBox, "sPanel6", 10, 16, 140, 17, L"Stay On Top Window"},
    ControlLayout{"SLabel39", K::Label, "sPanel6", 10, 37, 0, 0, L"Window Transparency/Opacity:"},
    ControlLayout{"TrackBar1", K::TrackBar, "sPanel6", 10, 52, 180, 26, L""},
    ControlLayout{"Label3", K::Label, "sPanel6", 65, 79, 0, 0, L"Current: 100"},
    ControlLayout{"sButton1", K::Button, "sPanel6", 196, 40, 145, 22, L"Window Info"},
    ControlLayout{"sButton25", K::Button, "sPanel6", 196, 66, 145, 23, L"Disable Window"},
    ControlLayout{"Button2", K::Button, "", 174, 451, 185, 21, L"Disable Close Button"},

    // Right half: desktop and shell
    ControlLayout{"sPanel5", K::Panel, "", 642, 17, 332, 64, L""},
    ControlLayout{"sLabel15", K::Label, "sPanel5", 4, 3, 0, 0, L"Taskbar Transparency:", kBold},
    ControlLayout{"TrackBar3", K::TrackBar, "sPanel5", 4, 20, 317, 27, L""},
    ControlLayout{"sLabel12", K::Label, "sPanel5", 13, 47, 0, 0, L"1"},
    ControlLayout{"sLabel13", K::Label, "sPanel5", 298, 47, 0, 0, L"100"},

    ControlLayout{"sPanel2", K::Panel, "", 642, 84, 332, 90, L""},
    ControlLayout{"sLabel20", K::Label, "sPanel2", 7, 3, 0, 0, L"Change/Replace Executable Icon:", kBold},
    ControlLayout{"sLabel11", K::Label, "sPanel2", 7, 21, 0, 0, L"File Name:"},
    ControlLayout{"Edit4", K::Edit, "sPanel2", 64, 18, 199, 21, L"", kReadOnly},
    ControlLayout{"Button34", K::Button, "sPanel2", 268, 19, 55, 21, L"Browse..."},
    ControlLayout{"Image4", K::Image, "sPanel2", 7, 51, 32, 32, L"", kCentred},
    ControlLayout{"sLabel10", K::Label, "sPanel2", 45, 42, 0, 0, L"Old Icon:"},
    ControlLayout{"Button35", K::Button, "sPanel2", 45, 57, 68, 21, L"Save To File"},
    ControlLayout{"Image5", K::Image, "sPanel2", 148, 51, 32, 32, L"", kCentred},
    ControlLayout{"sLabel9", K::Label, "sPanel2", 184, 41, 0, 0, L"New Icon:"},
    ControlLayout{"Button36", K::Button, "sPanel2", 184, 56, 59, 21, L"Load"},
    ControlLayout{"Button37", K::Button, "", 906, 139, 61, 25, L"Change", kDisabled},

    ControlLayout{"v", K::Panel, "", 642, 180, 332, 75, L""},
    ControlLayout{"sLabel21", K::Label, "v", 4, 3, 0, 0, L"Desktop Wallpaper:", kBold},
    ControlLayout{"sLabel1", K::Label, "v", 8, 21, 0, 0, L"Path:"},
    ControlLayout{"Edit2", K::Edit, "v", 42, 17, 215, 21, L"", kReadOnly},
    ControlLayout{"Button29", K::Button, "v", 262, 16, 64, 23, L"Browse..."},
    ControlLayout{"Button30", K::Button, "", 647, 224, 316, 25, L"Apply", kDisabled},

    ControlLayout{"sPanel1", K::Panel, "", 643, 261, 331, 114, L""},
    ControlLayout{"sLabel23", K::Label, "sPanel1", 4, 3, 0, 0, L"Change Internet Explorer Title Bar Text:", kBold},
    ControlLayout{"sLabel2", K::Label, "sPanel1", 8, 25, 0, 0, L"Current IE Version:"},
    ControlLayout{"sComboBox1", K::ComboBox, "sPanel1", 112, 21, 211, 21, L"Internet Explorer 7"},
    ControlLayout{"sLabel3", K::Label, "sPanel1", 8, 53, 0, 0, L"New Text:"},
    ControlLayout{"Edit3", K::Edit, "sPanel1", 112, 49, 211, 21, L""},
    ControlLayout{"Button32", K::Button, "sPanel1", 112, 79, 98, 25, L"Change"},
    ControlLayout{"Button31", K::Button, "sPanel1", 214, 79, 109, 25, L"Get Current Text"},

    ControlLayout{"Button28", K::Button, "", 642, 384, 332, 25, L"Disable Clipboard"},
    ControlLayout{"Label9", K::Label, "", 642, 415, 332, 13, L"Status: Clipboard Enabled", kCentred},
    ControlLayout{"Button33", K::Button, "", 642, 434, 162, 25, L"Swap Mouse Buttons"},
    ControlLayout{"s", K::Button, "", 815, 434, 159, 25, L"UnSwap Mouse Buttons"},
    ControlLayout{"Button26", K::Button, "", 642, 470, 162, 25, L"Hide Desktop"},
    ControlLayout{"Button27", K::Button, "", 815, 470, 159, 25, L"Hide TaskBar"},
    ControlLayout{"Button24", K::Button, "", 642, 506, 162, 25, L"Hide TaskBar Items"},
    ControlLayout{"Button25", K::Button, "", 815, 506, 159, 25, L"Hide TaskBar Clock"},

    // Bottom row of large buttons, glyph above the caption
    ControlLayout{"sBitBtn7", K::BitBtn, "", 19, 545, 86, 63, L"Shutdown PC"},
    ControlLayout{"sBitBtn6", K::BitBtn, "", 145, 545, 86, 63, L"Hide TrayIcon"},
    ControlLayout{"sBitBtn5", K::BitBtn, "", 265, 545, 110, 63, L"Start on Windows Startup"},
    ControlLayout{"sBitBtn4", K::BitBtn, "", 405, 545, 86, 63, L"Options && Hotkeys"},
    ControlLayout{"sBitBtn2", K::BitBtn, "", 643, 545, 87, 63, L"About"},
    ControlLayout{"sBitBtn8", K::BitBtn, "", 765, 545, 87, 63, L"Minimize To Tray"},
    ControlLayout{"sBitBtn1", K::BitBtn, "", 886, 545, 87, 63, L""},
};
}  // namespace

std::span<const ControlLayout> MainWindowLayout() { return kLayout; }

const ControlLayout* FindMainControl(std::string_view name) {
  for (const auto& row : kLayout)
    if (row.name == name) return &row;
  return nullptr;
}

AbsoluteBounds MainControlBounds(const ControlLayout& row) {
  AbsoluteBounds b{row.left, row.top, row.width, row.height};
  for (const ControlLayout* p = FindMainControl(row.parent); p; p = FindMainControl(p->parent)) {
    b.left += p->left;
    b.top += p->top;
  }
  return b;
}

}  // namespace vantora
