// The main window as a screen reader reads it, through the system's accessibility interface.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <map>
#include <string>

#include "app/portable/MainLayout.h"
#include "support/MainForm.h"
#include "support/TestWindow.h"

namespace {

struct Read {
  std::wstring name;
  LONG role = 0, state = 0;
};

Read ReadAccessible(HWND control) {
  Read read;
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
    return read;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (object->get_accName(self, &name) == S_OK && name) read.name = name;
  ::SysFreeString(name);
  VARIANT value{};
  if (SUCCEEDED(object->get_accRole(self, &value)) && value.vt == VT_I4) read.role = value.lVal;
  if (SUCCEEDED(object->get_accState(self, &value)) && value.vt == VT_I4) read.state = value.lVal;
  object->Release();
  return read;
}

LONG StandardRole(ui::ControlKind kind) {
  using K = ui::ControlKind;
  static const std::map<K, LONG> roles{
      {K::Label, ROLE_SYSTEM_STATICTEXT},
      {K::Heading, ROLE_SYSTEM_STATICTEXT},
      {K::Button, ROLE_SYSTEM_PUSHBUTTON},
      {K::BitBtn, ROLE_SYSTEM_PUSHBUTTON},
      {K::Edit, ROLE_SYSTEM_TEXT},
      {K::CheckBox, ROLE_SYSTEM_CHECKBUTTON},
      {K::RadioButton, ROLE_SYSTEM_RADIOBUTTON},
      {K::TrackBar, ROLE_SYSTEM_SLIDER},
      {K::ListView, ROLE_SYSTEM_LIST},
      {K::Image, ROLE_SYSTEM_GRAPHIC},
      {K::Panel, ROLE_SYSTEM_GROUPING},
      {K::ComboBox, ROLE_SYSTEM_COMBOBOX},
  };
  return roles.at(kind);
}

class AccessibilityTest : public testsupport::MainFormTest {};

TEST_F(AccessibilityTest, EveryControlHasANameAndTheRoleAndStateOfItsKind) {
  testsupport::TestWindow listed{L"Accessibility target"};
  FocusForm();
  Select(listed.get());
  const std::map<std::string_view, std::wstring> names{
      {"Edit1", L"New Text:"},
      {"TrackBar1", L"Window Transparency/Opacity:"},
      {"RadioButton1", L"Save Large (32x32) Icon"},
      {"RadioButton2", L"Save Small (16x16) Icon"},
      {"sBitBtn1", L"Exit"},
      {"sBitBtn4", L"Options & Hotkeys"},
      {"ListView1", L"Open Windows:"},
      {"Button16", L"Bring To Front"},
      {"CheckBox1", L"Stay On Top Window"},
  };
  form.newTitle.SetFocus();
  for (const ui::LayoutRow& row : vantora::MainWindowLayout()) {
    if (row.kind == ui::ControlKind::Bevel || (row.flags & ui::kHidden)) continue;  // lines and the unseen
    SCOPED_TRACE(std::string(row.name));
    const HWND control = form.FindControl(std::string(row.name))->Handle();
    const Read read = ReadAccessible(control);
    EXPECT_FALSE(read.name.empty()) << "no name";
    if (const auto expected = names.find(row.name); expected != names.end()) {
      EXPECT_EQ(read.name, expected->second);
    }
    EXPECT_EQ(read.role, StandardRole(row.kind));
    EXPECT_EQ((read.state & STATE_SYSTEM_UNAVAILABLE) != 0, ::IsWindowEnabled(control) == FALSE);
    EXPECT_EQ((read.state & STATE_SYSTEM_FOCUSED) != 0, ::GetFocus() == control);
    const bool checked = (row.kind == ui::ControlKind::CheckBox || row.kind == ui::ControlKind::RadioButton) &&
                         ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    EXPECT_EQ((read.state & STATE_SYSTEM_CHECKED) != 0, checked);
  }
  // The state follows the control: checked, then not.
  form.saveSmallIcon.SetChecked(true);
  form.saveLargeIcon.SetChecked(false);
  EXPECT_TRUE(ReadAccessible(form.saveSmallIcon.Handle()).state & STATE_SYSTEM_CHECKED);
  EXPECT_FALSE(ReadAccessible(form.saveLargeIcon.Handle()).state & STATE_SYSTEM_CHECKED);
}

}  // namespace
