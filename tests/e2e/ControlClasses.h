#pragma once
// The Win32 window class each kind of layout row is built as: what a second process looks for.
#include "ui/portable/Layout.h"

namespace e2e {

inline const wchar_t* WindowClassOf(ui::ControlKind kind) {
  using ui::ControlKind;
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::BitBtn:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox: return L"Button";
    case ControlKind::Edit: return L"Edit";
    case ControlKind::TrackBar: return L"msctls_trackbar32";
    case ControlKind::ListView: return L"SysListView32";
    case ControlKind::ComboBox: return L"ComboBox";
    case ControlKind::HotKey: return L"msctls_hotkey32";
    default: return L"Static";
  }
}

}  // namespace e2e
