// Two monitors, through the real main window: the resize screen over a window on the second
// monitor with real mouse drags, a screenshot of a window there, and cascade and tile keeping
// every window in its own monitor's work area. They need a second monitor, which Xvfb cannot
// give: tests/monitors_check.sh runs them on Xorg's dummy driver with the second monitor left
// of, above and right of the primary one.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/BmpReadBack.h"
#include "support/IconFilesOut.h"
#include "support/MainForm.h"
#include "support/Mouse.h"
#include "support/PatternWindow.h"
#include "support/ScreenPicture.h"
#include "support/ScreenshotFolder.h"
#include "support/ScriptedPrompts.h"
#include "support/Script.h"
#include "support/TestWindow.h"

namespace {

using testsupport::Drag;
using testsupport::MouseAt;
using testsupport::ScreenPoint;
using testsupport::ScreenRect;

void ExpectSame(const RECT& got, const RECT& want) {
  EXPECT_TRUE(::EqualRect(&got, &want)) << got.left << "," << got.top << "," << got.right << "," << got.bottom
                                        << " instead of " << want.left << "," << want.top << "," << want.right << ","
                                        << want.bottom;
}

bool Inside(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::vector<MONITORINFO> Monitors() {
  std::vector<MONITORINFO> monitors;
  ::EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, RECT*, LPARAM list) WINAPI -> BOOL {
        MONITORINFO info{sizeof(info)};
        ::GetMonitorInfoW(monitor, &info);
        reinterpret_cast<std::vector<MONITORINFO>*>(list)->push_back(info);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

class MonitorsTest : public testsupport::MainFormTest {
 protected:
  void SetUp() override {
    const auto monitors = Monitors();
    if (monitors.size() < 2) GTEST_SKIP() << "needs two monitors: tests/monitors_check.sh gives them";
    for (const MONITORINFO& m : monitors) (m.dwFlags & MONITORINFOF_PRIMARY ? primary : second) = m;
  }
  // A rectangle on the second monitor, from its top-left corner.
  RECT OnSecond(int x, int y, int width, int height) const {
    return {second.rcMonitor.left + x, second.rcMonitor.top + y, second.rcMonitor.left + x + width,
            second.rcMonitor.top + y + height};
  }
  MONITORINFO primary{}, second{};
};

TEST_F(MonitorsTest, ResizeScreenCoversEveryMonitorAndDragsAWindowOnTheSecond) {
  testsupport::TestWindow target(L"Resize on the second monitor");
  const RECT start = OnSecond(100, 80, 400, 300);
  ::SetWindowPos(target.get(), nullptr, start.left, start.top, 400, 300, SWP_NOZORDER);
  FocusForm();
  Select(target.get());
  TForm7* screen = nullptr;
  const auto up = [&] {
    screen = form.windowDialogs.ResizeScreen();
    return screen && screen->Visible() && screen->frontTimer.Enabled();
  };
  RECT dragged{};
  testsupport::Script script([&] {
    if (screen) screen->cancel.Click();
  });
  script.Then(up, [&] {
    const int vx = ::GetSystemMetrics(SM_XVIRTUALSCREEN), vy = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    ExpectSame(ScreenRect(screen->Handle()),
               {vx, vy, vx + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), vy + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)});
    ExpectSame(ScreenRect(screen->modelPanel.Handle()), start);
    for (HWND control : {screen->dragHandle.Handle(), screen->cancel.Handle(), screen->apply.Handle()})
      EXPECT_TRUE(Inside(second.rcMonitor, ScreenRect(control)));
    // The panel 30 right and 20 down, then the handle, pressed 5, 4 inside it, 40 and 25 further.
    const POINT onPanel = ScreenPoint(screen->modelPanel.Handle(), 10, 280);
    Drag(onPanel, {onPanel.x + 30, onPanel.y + 20});
    const POINT handle = ScreenPoint(screen->dragHandle.Handle(), 5, 4);
    Drag(handle, {handle.x + 40, handle.y + 25});
    dragged = {start.left + 30, start.top + 20, start.right + 30 + 45, start.bottom + 20 + 29};
    ExpectSame(ScreenRect(screen->modelPanel.Handle()), dragged);
    // For a human look: every monitor with the panel, as the user sees it.
    wchar_t layout[16] = L"monitors";
    ::GetEnvironmentVariableW(L"VANTORA_MONITORS", layout, 16);
    const auto picture = testsupport::ScreenPicture(ScreenRect(screen->Handle()));
    EXPECT_TRUE(picture.SaveBmp(
        (testsupport::ScreenshotFolder() / (std::wstring(L"monitors-") + layout + L"-resize.bmp")).wstring()));
    const RECT apply = ScreenRect(screen->apply.Handle());
    const POINT click{(apply.left + apply.right) / 2, (apply.top + apply.bottom) / 2};
    MouseAt(click);
    MouseAt(click, MOUSEEVENTF_LEFTDOWN);
    MouseAt(click, MOUSEEVENTF_LEFTUP);
  });
  form.ResizeWindowClick();
  ASSERT_TRUE(script.Done());
  ExpectSame(ScreenRect(target.get()), dragged);

  // Dragged again and cancelled: the window stays where "Apply" put it.
  testsupport::Script again([&] {
    if (screen) screen->cancel.Click();
  });
  again.Then(up, [&] {
    const POINT onPanel = ScreenPoint(screen->modelPanel.Handle(), 10, 280);
    Drag(onPanel, {onPanel.x - 50, onPanel.y + 40});
    screen->cancel.Click();
  });
  form.ResizeWindowClick();
  ASSERT_TRUE(again.Done());
  ExpectSame(ScreenRect(target.get()), dragged);
}

TEST_F(MonitorsTest, ScreenshotOfAWindowOnTheSecondMonitorHasItsPixels) {
  constexpr COLORREF kPattern = RGB(18, 196, 86);
  testsupport::PatternWindow window(L"Pictured on the second monitor", kPattern, OnSecond(60, 50, 320, 240));
  Select(window.get());
  testsupport::ScriptedPrompts prompts;
  const std::wstring shot = testsupport::IconOut(L"second-monitor-window.bmp");
  prompts.fileAnswers.push_back(shot);
  form.screenshotWindow.Click();
  RECT client{};
  ::GetClientRect(window.get(), &client);
  const POINT corner = ScreenPoint(window.get(), 0, 0);
  const RECT rect = ScreenRect(window.get());
  const auto picture = testsupport::ReadBack(shot);
  ASSERT_EQ(picture.width, static_cast<uint32_t>(rect.right - rect.left));
  int pattern = 0, all = 0;
  for (int y = 0; y < client.bottom; y += 3)
    for (int x = 0; x < client.right; x += 3, ++all)
      pattern += testsupport::PixelAt(picture, corner.x - rect.left + x, corner.y - rect.top + y) == kPattern;
  EXPECT_EQ(pattern, all);
}

// Three windows on the primary monitor and two on the second, in list order mixed: after each
// arrangement every window is still on its monitor, inside that monitor's work area.
TEST_F(MonitorsTest, CascadeAndTileArrangeEachMonitorsWindowsInItsOwnWorkArea) {
  std::vector<std::unique_ptr<testsupport::TestWindow>> windows;
  std::vector<bool> onSecond;
  for (int i = 0; i < 5; ++i) {
    windows.push_back(std::make_unique<testsupport::TestWindow>(L"Arranged " + std::to_wstring(i)));
    onSecond.push_back(i % 2 == 1);
    const RECT place = onSecond.back() ? OnSecond(40 * i, 30 * i, 300, 200)
                                       : RECT{primary.rcMonitor.left + 40 * i, primary.rcMonitor.top + 30 * i, 0, 0};
    ::SetWindowPos(windows.back()->get(), nullptr, place.left, place.top, 300, 200, SWP_NOZORDER);
  }
  FocusForm();
  form.RefreshCatalogue();
  form.UpdateSelectionState();
  for (ui::Button* command : {&form.cascade, &form.tileHorizontal, &form.tileVertical}) {
    SCOPED_TRACE(testing::Message() << "after " << platform::Narrow(command->Caption()));
    command->Click();
    Pump(200);
    for (size_t i = 0; i < windows.size(); ++i) {
      const RECT rect = ScreenRect(windows[i]->get());
      const MONITORINFO& home = onSecond[i] ? second : primary;
      EXPECT_TRUE(Inside(home.rcWork, rect)) << i;
      EXPECT_GT(rect.right - rect.left, 100) << i;
    }
  }
}

}  // namespace
