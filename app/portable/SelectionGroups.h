#pragma once
// The main window's controls that follow the state of the window list, by name.
#include <string_view>

namespace vantora {

// Enabled while the list has rows: the commands on all listed windows.
inline constexpr std::string_view kBulkGroup[] = {"Button15", "Button17", "Button22",
                                                  "Button18", "Button19", "Button23"};
// Enabled while a row is selected: the commands on the selected window.
inline constexpr std::string_view kPerWindowGroup[] = {
    "sButton1",  "Button1", "Button2",   "Button3",   "Button4",      "Button14",    "Button5",
    "sButton25", "Button6", "Button7",   "Button8",   "Button9",      "Button16",    "Button10",
    "Label3",    "Edit1",   "TrackBar1", "CheckBox1", "RadioButton1", "RadioButton2"};
// Enabled with the selection once a new icon has been loaded: the two "Change" buttons.
inline constexpr std::string_view kNewIconGroup[] = {"Button11", "Button12"};

}  // namespace vantora
