#pragma once
// The options dialog's controls as data. The dialog builds itself from this table and the
// end-to-end tests check the running dialog against it.
#include <span>
#include <string_view>

#include "ui/portable/Layout.h"

namespace options {

inline constexpr int kOptionsClientWidth = 720;
inline constexpr int kOptionsClientHeight = 333;

namespace options_layout {
using Row = ui::LayoutRow;
using K = ui::ControlKind;

// Children follow their group box; the order is also the tab order.
inline constexpr Row kRows[] = {
    Row{"GroupBox1", K::GroupBox, "", 4, 8, 464, 115, L"AutoRefresh List of Windows"},
    Row{"CheckBox1", K::CheckBox, "GroupBox1", 10, 18, 115, 17, L"Enable AutoRefresh"},
    Row{"Label1", K::Label, "GroupBox1", 10, 41, 0, 0, L"Period:", ui::kDisabled},
    Row{"TrackBar1", K::TrackBar, "GroupBox1", 10, 56, 451, 28, L"", ui::kDisabled},
    Row{"Label2", K::Label, "GroupBox1", 20, 90, 0, 0, L"1", ui::kDisabled},
    Row{"Label4", K::Label, "GroupBox1", 218, 90, 0, 0, L"1 Second", ui::kDisabled},
    Row{"Label3", K::Label, "GroupBox1", 438, 90, 0, 0, L"300", ui::kDisabled},

    Row{"GroupBox2", K::GroupBox, "", 4, 129, 464, 170, L"HotKeys"},
    Row{"Label5", K::Label, "GroupBox2", 13, 18, 0, 0, L"To Close All Windows:"},
    Row{"HotKey1", K::HotKey, "GroupBox2", 13, 37, 121, 19, L""},
    Row{"Button3", K::Button, "GroupBox2", 146, 37, 75, 18, L"Register"},
    Row{"Label6", K::Label, "GroupBox2", 253, 18, 0, 0, L"To Minimize All Windows:"},
    Row{"HotKey2", K::HotKey, "GroupBox2", 253, 37, 121, 19, L""},
    Row{"Button4", K::Button, "GroupBox2", 380, 37, 75, 18, L"Register"},
    Row{"Label7", K::Label, "GroupBox2", 13, 62, 0, 0, L"To Maximize All Windows:"},
    Row{"HotKey3", K::HotKey, "GroupBox2", 13, 81, 121, 19, L""},
    Row{"Button5", K::Button, "GroupBox2", 146, 81, 75, 18, L"Register"},
    Row{"Label8", K::Label, "GroupBox2", 253, 62, 0, 0, L"To Restore All Windows:"},
    Row{"HotKey4", K::HotKey, "GroupBox2", 253, 81, 121, 19, L""},
    Row{"Button6", K::Button, "GroupBox2", 380, 81, 75, 18, L"Register"},
    Row{"Label9", K::Label, "GroupBox2", 13, 104, 0, 0, L"To Set All Windows At 50% Transparency:"},
    Row{"HotKey5", K::HotKey, "GroupBox2", 13, 123, 121, 19, L""},
    Row{"Button7", K::Button, "GroupBox2", 146, 123, 75, 18, L"Register"},
    Row{"Label10", K::Label, "GroupBox2", 253, 104, 0, 0, L"To Set All Windows At Full Transparency:"},
    Row{"HotKey6", K::HotKey, "GroupBox2", 253, 123, 121, 19, L""},
    Row{"Button8", K::Button, "GroupBox2", 380, 123, 75, 18, L"Register"},

    Row{"GroupBox3", K::GroupBox, "", 471, 8, 238, 291, L"Skins && UI"},
    Row{"Label20", K::Label, "GroupBox3", 9, 24, 0, 0, L"Skin:"},
    Row{"ComboBox1", K::ComboBox, "GroupBox3", 38, 21, 189, 21, L"WMP11"},
    Row{"CheckBox6", K::CheckBox, "GroupBox3", 10, 48, 97, 17, L"Skinned", ui::kChecked},
    Row{"Label12", K::Label, "GroupBox3", 10, 77, 0, 0, L"Saturation:"},
    Row{"TrackBar2", K::TrackBar, "GroupBox3", 3, 91, 232, 27, L""},
    Row{"Label15", K::Label, "GroupBox3", 10, 119, 0, 0, L"-100"},
    Row{"Label18", K::Label, "GroupBox3", 92, 119, 0, 0, L"Current: 0"},
    Row{"Label16", K::Label, "GroupBox3", 212, 119, 0, 0, L"100"},
    Row{"Label11", K::Label, "GroupBox3", 10, 133, 0, 0, L"Hue:"},
    Row{"TrackBar3", K::TrackBar, "GroupBox3", 3, 148, 228, 26, L""},
    Row{"Label13", K::Label, "GroupBox3", 10, 185, 0, 0, L"0"},
    Row{"Label19", K::Label, "GroupBox3", 92, 180, 0, 0, L"Current: 0"},
    Row{"Label14", K::Label, "GroupBox3", 212, 185, 0, 0, L"360"},
    Row{"Button9", K::Button, "GroupBox3", 68, 196, 109, 21, L"Apply"},
    Row{"Label17", K::Label, "GroupBox3", 10, 223, 0, 0, L"Enable animation effects for:"},
    Row{"CheckBox2", K::CheckBox, "GroupBox3", 16, 240, 97, 17, L"MouseEnter", ui::kChecked},
    Row{"CheckBox3", K::CheckBox, "GroupBox3", 134, 240, 97, 17, L"MouseUp", ui::kChecked},
    Row{"CheckBox4", K::CheckBox, "GroupBox3", 16, 263, 97, 17, L"MouseLeave", ui::kChecked},
    Row{"CheckBox5", K::CheckBox, "GroupBox3", 134, 263, 97, 17, L"MouseDown", ui::kChecked},

    Row{"Button1", K::Button, "", 474, 305, 103, 25, L"Ok"},
    Row{"Button2", K::Button, "", 580, 305, 132, 25, L"Cancel"},
};
}  // namespace options_layout

constexpr std::span<const ui::LayoutRow> OptionsLayout() { return options_layout::kRows; }

// The row of a control of the options dialog; a name the table lacks does not compile.
consteval ui::Placement OptionsRow(std::string_view name) { return ui::Place(options_layout::kRows, name); }

// Position on the dialog: the row's position plus that of the group box it sits in.
inline ui::Bounds OptionsControlBounds(const ui::LayoutRow& row) { return ui::FormBounds(options_layout::kRows, row); }

}  // namespace options
