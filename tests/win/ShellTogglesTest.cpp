// The taskbar and desktop toggles and the taskbar's opacity, against look-alikes of the shell's
// windows in another process (Wine's own hidden "Shell_TrayWnd" stands behind them), laid out
// as Windows 10 and 11 lay them out.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "shell/ShellWindows.h"
#include "support/ForeignWindows.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"

using shell::FindShellWindow;
using shell::ShellWindow;
using testsupport::ForeignWindows;

namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

// The look-alike shell, then the main window: its start-up captions see the shell.
class ShellTogglesTest : public ::testing::Test, private testsupport::ApplicationReady {
 protected:
  ShellTogglesTest() { EXPECT_TRUE(form.trayIcon.SetVisible(false)); }

  // Each look-alike by class, and whether it carries WS_VISIBLE itself.
  std::map<std::wstring, bool> OwnVisibility() const {
    std::map<std::wstring, bool> seen;
    for (HWND top : shellProcess->Windows()) {
      seen[ClassOf(top)] = ::GetWindowLongW(top, GWL_STYLE) & WS_VISIBLE;
      ::EnumChildWindows(
          top,
          [](HWND child, LPARAM context) WINAPI -> BOOL {
            (*reinterpret_cast<std::map<std::wstring, bool>*>(context))[ClassOf(child)] =
                ::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&seen));
    }
    return seen;
  }

  std::optional<ForeignWindows> shellProcess{std::in_place, L"--count 0 --shell"};
  ui::Owned<TForm6> form;
};

DWORD OwnerOf(HWND window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  return process;
}

int LayeredAlpha(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return -1;
  return alpha;
}

TEST_F(ShellTogglesTest, TheLookupsFindTheLookAlikesNotWinesOwnTray) {
  const struct {
    ShellWindow which;
    const wchar_t* className;
    const wchar_t* parentClass;
  } expected[] = {
      {ShellWindow::Taskbar, L"Shell_TrayWnd", nullptr},
      {ShellWindow::TaskbarItems, L"ReBarWindow32", L"Shell_TrayWnd"},
      {ShellWindow::TaskbarClock, L"TrayClockWClass", L"TrayNotifyWnd"},
      {ShellWindow::DesktopIcons, L"SHELLDLL_DefView", L"ProgMan"},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(e.className)));
    const HWND found = FindShellWindow(e.which);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(OwnerOf(found), shellProcess->ProcessId());
    EXPECT_EQ(_wcsicmp(ClassOf(found).c_str(), e.className), 0) << ClassOf(found);
    if (e.parentClass) {
      // Class names compare without case: Wine's own "Progman" class names the look-alike's too.
      EXPECT_EQ(_wcsicmp(ClassOf(::GetParent(found)).c_str(), e.parentClass), 0) << ClassOf(::GetParent(found));
    }
  }
}

TEST_F(ShellTogglesTest, EachToggleHidesOnlyItsTargetAndTheCaptionsFollowIt) {
  const struct {
    ui::Button& button;
    const wchar_t* targetClass;
    const wchar_t* hideCaption;
    const wchar_t* showCaption;
  } toggles[] = {
      {form.taskbarToggle, L"Shell_TrayWnd", L"Hide TaskBar", L"Show TaskBar"},
      {form.taskbarItemsToggle, L"ReBarWindow32", L"Hide TaskBar Items", L"Show TaskBar Items"},
      {form.clockToggle, L"TrayClockWClass", L"Hide TaskBar Clock", L"Show TaskBar Clock"},
      {form.desktopIconsToggle, L"SHELLDLL_DefView", L"Hide Desktop", L"Show Desktop"},
  };
  const auto allShown = OwnVisibility();
  ASSERT_EQ(allShown.size(), 7u);
  for (const auto& [name, visible] : allShown) ASSERT_TRUE(visible) << ::testing::PrintToString(name);

  for (const auto& toggle : toggles) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(toggle.targetClass)));
    ASSERT_EQ(toggle.button.Caption(), toggle.hideCaption);  // from start-up: the target is shown
    toggle.button.Click();
    auto expected = allShown;
    expected[toggle.targetClass] = false;
    if (&toggle.button == &form.taskbarToggle) expected[L"Shell_SecondaryTrayWnd"] = false;  // every monitor's
    EXPECT_EQ(OwnVisibility(), expected);
    EXPECT_EQ(toggle.button.Caption(), toggle.showCaption);
    toggle.button.Click();
    EXPECT_EQ(OwnVisibility(), allShown);
    EXPECT_EQ(toggle.button.Caption(), toggle.hideCaption);
  }

  // Captions compare exactly: any other text shows the target, and the caption then says it is shown.
  form.taskbarToggle.SetCaption(L"hide taskbar");
  form.taskbarToggle.Click();
  EXPECT_EQ(OwnVisibility(), allShown);
  EXPECT_EQ(form.taskbarToggle.Caption(), L"Hide TaskBar");
  // The items follow their own state while the taskbar around them is hidden.
  form.taskbarToggle.Click();
  form.taskbarItemsToggle.Click();
  form.taskbarItemsToggle.Click();
  EXPECT_EQ(form.taskbarItemsToggle.Caption(), L"Hide TaskBar Items");
  EXPECT_TRUE(OwnVisibility()[L"ReBarWindow32"]);
  form.taskbarToggle.Click();
  EXPECT_EQ(OwnVisibility(), allShown);
}

TEST_F(ShellTogglesTest, TheTaskbarComesBackRestoredButTheDesktopIconsKeepTheirState) {
  // Hidden while minimized: "Show TaskBar" restores (SW_SHOWNORMAL), "Show Desktop" only shows
  // (SW_SHOW) and leaves the window minimized.
  const HWND taskbar = FindShellWindow(ShellWindow::Taskbar);
  const HWND icons = FindShellWindow(ShellWindow::DesktopIcons);
  form.taskbarToggle.Click();
  form.desktopIconsToggle.Click();
  for (HWND window : {taskbar, icons}) {
    ::ShowWindowAsync(window, SW_SHOWMINNOACTIVE);
    ::ShowWindowAsync(window, SW_HIDE);
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, nullptr);
    ASSERT_TRUE(::IsIconic(window));
    ASSERT_FALSE(::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);
  }
  form.taskbarToggle.Click();
  form.desktopIconsToggle.Click();
  EXPECT_TRUE(::IsWindowVisible(taskbar));
  EXPECT_FALSE(::IsIconic(taskbar));
  EXPECT_TRUE(::GetWindowLongW(icons, GWL_STYLE) & WS_VISIBLE);
  EXPECT_TRUE(::IsIconic(icons));
}

TEST_F(ShellTogglesTest, TheSliderSetsTheTaskbarsOpacity) {
  const HWND taskbar = FindShellWindow(ShellWindow::Taskbar), secondary = shell::SecondaryTaskbars().at(0);
  EXPECT_FALSE(::GetWindowLongW(taskbar, GWL_EXSTYLE) & WS_EX_LAYERED);  // nothing at start-up
  for (const auto& [position, alpha] : {std::pair{1, 2}, {50, 127}, {100, 255}}) {
    form.taskbarOpacitySlider.SetPosition(position);
    EXPECT_EQ(LayeredAlpha(taskbar), alpha) << position;
    EXPECT_EQ(LayeredAlpha(secondary), alpha) << position;
  }
  EXPECT_TRUE(::GetWindowLongW(taskbar, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(ShellTogglesTest, ANewShellGetsItsCaptionsReadAgainAndTheOpacityChosenInThisRun) {
  form.taskbarOpacitySlider.SetPosition(40);
  // Explorer restarts: the old windows go, the new ones come in their own state, and the new
  // shell announces itself to every top-level window.
  shellProcess.reset();
  shellProcess.emplace(L"--count 0 --shell --shell-hide TrayClockWClass,ReBarWindow32");
  ::SendMessageW(form.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(form.clockToggle.Caption(), L"Show TaskBar Clock");
  EXPECT_EQ(form.taskbarItemsToggle.Caption(), L"Show TaskBar Items");
  EXPECT_EQ(LayeredAlpha(FindShellWindow(ShellWindow::Taskbar)), 40 * 255 / 100);
}

TEST(ShellToggles, AHungShellCostsAboutASecondAndTheCaptionsStay) {
  testsupport::ApplicationReady ready;
  // The main window first: the notification area's icon calls the taskbar unbounded, and that
  // is not the toggles' business. The shell hangs while the program runs.
  ui::Owned<TForm6> form;
  EXPECT_TRUE(form.trayIcon.SetVisible(false));
  ForeignWindows hung(L"--count 0 --shell --hung");
  ASSERT_EQ(OwnerOf(FindShellWindow(ShellWindow::Taskbar)), hung.ProcessId());
  for (ui::Button* button : {&form.taskbarToggle, &form.taskbarItemsToggle, &form.desktopIconsToggle}) {
    const std::wstring before = button->Caption();
    const ULONGLONG start = ::GetTickCount64();
    button->Click();
    EXPECT_LT(::GetTickCount64() - start, 2500u);
    EXPECT_EQ(button->Caption(), before) << "the shell did nothing";
  }
  const ULONGLONG start = ::GetTickCount64();
  form.taskbarOpacitySlider.SetPosition(40);
  EXPECT_LT(::GetTickCount64() - start, 2500u);
  EXPECT_FALSE(::GetWindowLongW(FindShellWindow(ShellWindow::Taskbar), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(ShellToggles, OnWindows11TheIconsAreFoundInTheirWorkerWAndAMissingClockOrItemsBandIsNamed) {
  testsupport::ApplicationReady ready;
  testsupport::ScriptedPrompts prompts;
  ForeignWindows shell(L"--count 0 --shell --shell-windows11");
  ui::Owned<TForm6> form;
  EXPECT_TRUE(form.trayIcon.SetVisible(false));
  // The icons' view in a top-level WorkerW, and the wallpaper's WorkerW first in Progman.
  const HWND view = ::FindWindowExW(::FindWindowW(L"WorkerW", nullptr), nullptr, L"SHELLDLL_DefView", nullptr);
  const HWND rebar = ::FindWindowExW(FindShellWindow(ShellWindow::Taskbar), nullptr, L"ReBarWindow32", nullptr);
  ASSERT_TRUE(::IsWindowVisible(view));
  form.desktopIconsToggle.Click();
  EXPECT_FALSE(::IsWindowVisible(view));
  EXPECT_EQ(form.desktopIconsToggle.Caption(), L"Show Desktop");
  // The rebar beside the XAML island shows nothing; the clock has no window at all.
  form.taskbarItemsToggle.SetCaption(L"Hide TaskBar Items");
  form.taskbarItemsToggle.Click();
  form.clockToggle.Click();
  EXPECT_TRUE(::IsWindowVisible(rebar));
  EXPECT_EQ(form.taskbarItemsToggle.Caption(), L"Hide TaskBar Items");
  EXPECT_EQ(form.clockToggle.Caption(), L"Show TaskBar Clock");
  EXPECT_EQ(prompts.Texts(testsupport::ScriptedPrompts::Kind::Error),
            (std::vector<std::wstring>{L"The TaskBar Items Cannot Be Found On This Version Of Windows.",
                                       L"The TaskBar Clock Cannot Be Found On This Version Of Windows."}));
}

}  // namespace
