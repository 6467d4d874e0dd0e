// The resize screen and the information dialog of the running vantora.exe, worked from a second
// process: the model dragged with the real mouse over the frozen screen moves and resizes
// another program's window, and the information grid is read row by row as a screen reader
// reads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/portable/MainLayout.h"
#include "e2e/Driver.h"
#include "win/support/ScreenGeometry.h"

namespace {

using namespace std::chrono_literals;

using testsupport::ScreenPoint;
using testsupport::ScreenRect;

bool RectIs(HWND window, RECT expected) {
  const RECT r = ScreenRect(window);
  return ::EqualRect(&r, &expected) != FALSE;
}

class WindowDialogsE2E : public testing::Test {
 protected:
  void SetUp() override {
    target = helper.WaitForWindow(nullptr, L"Dialog Target");
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(target) != FALSE; }, 10s));
    ::SetWindowPos(target, nullptr, 100, 80, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(e2e::WaitUntil([&] { return RectIs(target, {100, 80, 740, 560}); }, 5s));
    ASSERT_TRUE(vantora.Started());
    main = vantora.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const auto bounds = vantora::MainControlBounds(*vantora::FindMainControl("ListView1"));
    list = e2e::ChildAt(main, L"SysListView32", {bounds.left, bounds.top});
    ASSERT_NE(list, nullptr);
    // The first list may be read before the target's window is shown in it on a busy machine: the
    // list follows on the main window's next activation or rebuild.
    std::vector<std::wstring> rows;
    auto row = rows.end();
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          rows = e2e::ListViewRows(list);
          row = std::find(rows.begin(), rows.end(), L"Dialog Target");
          if (row == rows.end()) ::PostMessageW(list, WM_KEYUP, VK_F5, 0xC0000001);
          return row != rows.end();
        },
        10s));
    ASSERT_TRUE(e2e::ClickListViewItem(list, static_cast<int>(row - rows.begin())));
    ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ListViewSelectedIndex(list) == row - rows.begin(); }, 10s));
  }
  void TearDown() override { helper.Stop(0ms); }

  e2e::Process helper{e2e::HelperExePath(L"foreign_windows_helper"), L"--title \"Dialog Target\""};
  e2e::Process vantora;
  HWND target = nullptr, main = nullptr, list = nullptr;
};

TEST_F(WindowDialogsE2E, DraggingTheModelWithTheMouseMovesAndResizesTheWindow) {
  ASSERT_TRUE(e2e::Click(e2e::FindChild(main, L"Button", L"Resize Window")));
  HWND screen = vantora.WaitForWindow(L"TForm7", L"Resize");
  ASSERT_NE(screen, nullptr);
  // The model lies on the window's rectangle once the screen is up.
  HWND model = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        model = e2e::ChildAt(screen, L"Static", {100, 80});
        return ::IsWindowVisible(screen) && model && RectIs(model, {100, 80, 740, 560});
      },
      10s));
  EXPECT_FALSE(::IsWindowVisible(main));
  EXPECT_TRUE(RectIs(screen, {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}));
  HWND handle = e2e::FindChild(screen, L"Static", L"Drag");
  ASSERT_NE(handle, nullptr);
  EXPECT_TRUE(RectIs(handle, {740 - 27, 560 - 23, 740, 560}));
  e2e::SaveScreenshot(screen, L"resize-screen.bmp");

  // 50 right and 20 down on the white panel, below its text and buttons.
  const POINT grip = ScreenPoint(model, 10, 300);
  ASSERT_TRUE(e2e::Drag(grip, {grip.x + 50, grip.y + 20}));
  ASSERT_TRUE(e2e::WaitUntil([&] { return RectIs(model, {150, 100, 790, 580}); }, 5s));
  // The corner: pressed at 13, 11 inside the handle and moved one pixel right and down.
  ASSERT_TRUE(e2e::WaitUntil([&] { return RectIs(handle, {790 - 27, 580 - 23, 790, 580}); }, 5s));
  const POINT corner = ScreenPoint(handle, 13, 11);
  ASSERT_TRUE(e2e::Drag(corner, {corner.x + 1, corner.y + 1}, 1));
  ASSERT_TRUE(e2e::WaitUntil([&] { return RectIs(model, {150, 100, 804, 592}); }, 5s));
  e2e::SaveScreenshot(screen, L"resize-screen-dragged.bmp");
  EXPECT_TRUE(RectIs(target, {100, 80, 740, 560}));  // nothing happens before "Apply"

  ASSERT_TRUE(e2e::Click(e2e::FindChild(screen, L"Button", L"Apply")));
  EXPECT_TRUE(e2e::WaitUntil([&] { return RectIs(target, {150, 100, 804, 592}); }, 10s));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(screen) && ::IsWindowVisible(main); }, 10s));
}

TEST_F(WindowDialogsE2E, InformationRowsAreReadableFromAnotherProcess) {
  ASSERT_TRUE(e2e::Click(e2e::FindChild(main, L"Button", L"Window Info")));
  HWND dialog = vantora.WaitForWindow(L"TForm13", L"Window Information");
  ASSERT_NE(dialog, nullptr);
  HWND grid = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        grid = e2e::FindChild(dialog, L"SysListView32", nullptr);
        return ::IsWindowVisible(dialog) && grid && e2e::ListViewItemCount(grid) == 12;
      },
      10s));
  EXPECT_EQ(e2e::ListViewColumnTitle(grid, 0), L"Field");
  EXPECT_EQ(e2e::ListViewColumnTitle(grid, 1), L"Value");
  const auto value = [&](const std::wstring& key) {
    for (int i = 0; i < e2e::ListViewItemCount(grid); ++i)
      if (e2e::ListViewItemText(grid, i) == key) return e2e::ListViewItemText(grid, i, 1);
    return std::wstring(L"<no row>");
  };
  EXPECT_EQ(value(L"Title Bar Text"), L"Dialog Target");
  EXPECT_EQ(value(L"Handle No"), std::to_wstring(static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(target))));
  EXPECT_EQ(value(L"Left"), L"100");
  EXPECT_EQ(value(L"Top"), L"80");
  EXPECT_EQ(value(L"Width"), L"640");
  EXPECT_EQ(value(L"Surface Area (Pixels)"), L"307200");
  EXPECT_EQ(value(L"Class Name"), L"VantoraForeignWindow");
  EXPECT_EQ(value(L"Minimized"), L"False");
  EXPECT_TRUE(::IsWindowVisible(main));  // the dialog is not modal
  e2e::SaveScreenshot(dialog, L"window-information.bmp");

  // The window moves; "Refresh" reads it again.
  ::SetWindowPos(target, nullptr, 30, 40, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(e2e::Click(e2e::FindChild(dialog, L"Button", L"Refresh")));
  EXPECT_TRUE(e2e::WaitUntil([&] { return value(L"Left") == L"30" && value(L"Top") == L"40"; }, 5s));

  ASSERT_TRUE(e2e::Click(e2e::FindChild(dialog, L"Button", L"Done")));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }, 10s));
}

}  // namespace
