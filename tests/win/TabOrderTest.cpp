// The keyboard alone: Tab walks the main window in reading order, pressed for real, and Enter
// or Space act on the focused button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/portable/MainLayout.h"
#include "support/MainForm.h"
#include "support/ScreenPicture.h"
#include "support/TabWalk.h"
#include "support/TestWindow.h"

namespace {

using testsupport::ScreenPicture;

class TabOrderTest : public testsupport::MainFormTest {
 protected:
  std::vector<ui::Control*> Panels() const {
    std::vector<ui::Control*> panels;
    for (const ui::LayoutRow& row : vantora::MainWindowLayout())
      if (row.kind == ui::ControlKind::Panel) panels.push_back(form.FindControl(std::string(row.name)));
    return panels;
  }
  // The window's halves left and right of its vertical line, and the row of large buttons
  // below its horizontal one.
  std::string Region(const RECT& r) const {
    const RECT vertical = testsupport::RectOf(form.FindControl("Bevel1"));
    const RECT horizontal = testsupport::RectOf(form.FindControl("Bevel3"));
    if (r.top >= horizontal.top) return "region:bottom row";
    return r.left < vertical.left ? "region:left half" : "region:right half";
  }

  testsupport::TestWindow target{L"Tab order target"};
};

TEST_F(TabOrderTest, TabVisitsEveryEnabledControlOfTheMainWindowInReadingOrder) {
  FocusForm();
  Select(target.get());  // the commands on the selected window are enabled
  const std::vector<ui::Control*> visited = testsupport::WalkTab(form, form.windowListView);
  const std::vector<ui::Control*> panels = Panels();
  testsupport::ExpectReadingOrder(visited, testsupport::TabStops(form), [&](const ui::Control* c) {
    return testsupport::GroupAmong(c, panels, [this](const RECT& r) { return Region(r); });
  });
  // The designed places that were declared column by column are read row by row.
  const auto at = [&](const char* name) {
    for (size_t i = 0; i < visited.size(); ++i)
      if (visited[i] && visited[i]->Name() == name) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(at("Button5"), at("Button3") + 1) << "\"Restore\" right of \"Maximize\"";
  EXPECT_EQ(at("Edit1"), at("Button1") + 1) << "the new title's box right of \"Update Text\"";
}

TEST_F(TabOrderTest, SpaceAndEnterPressTheFocusedButton) {
  FocusForm();
  Select(target.get());
  form.maximize.SetFocus();  // "Maximize"
  testsupport::PressChord({}, VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return ::IsZoomed(target.get()) != FALSE; })) << "Space";
  FocusForm();              // the maximized window took the activation
  form.restore.SetFocus();  // "Restore"
  testsupport::PressChord({}, VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return !::IsZoomed(target.get()); })) << "Enter";
  // Enter on a check box leaves it as it is: only Space toggles it.
  FocusForm();
  form.stayOnTop.SetFocus();
  testsupport::PressChord({}, VK_RETURN);
  Pump(100);
  EXPECT_FALSE(form.stayOnTop.Checked());
  EXPECT_FALSE(::GetWindowLongW(target.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// Focus shows in every look: the focused button's pixels differ from the same button without
// the focus, in the native look and in every skin, with the focus moved by the Tab key.
TEST_F(TabOrderTest, TheFocusedButtonShowsItsFocusInEveryLook) {
  FocusForm();
  skin::SkinEngine& engine = form.skinEngine;
  std::vector<std::wstring> looks = engine.SkinNames();
  looks.push_back(L"");  // the native look
  for (const std::wstring& look : looks) {
    SCOPED_TRACE(testing::PrintToString(look.empty() ? std::wstring(L"native") : look));
    engine.SetActive(!look.empty());
    if (!look.empty()) {
      ASSERT_TRUE(engine.SetSkinName(look));
    }
    form.windowListView.SetFocus();
    testsupport::PressChord({}, VK_TAB);  // onto "Refresh List (F5)"
    Pump(150);
    ASSERT_EQ(testsupport::FocusedControl(form), &form.refreshList);
    const ScreenPicture focused(testsupport::RectOf(&form.refreshList));
    testsupport::PressChord({}, VK_TAB);
    Pump(150);
    ASSERT_NE(testsupport::FocusedControl(form), &form.refreshList);
    const ScreenPicture unfocused(testsupport::RectOf(&form.refreshList));
    EXPECT_GT(focused.Differences(unfocused), form.Scale(20)) << "the focus is not visible";
  }
  engine.SetActive(true);
}

}  // namespace
