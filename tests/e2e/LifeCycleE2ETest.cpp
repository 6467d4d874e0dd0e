// The main window's life from outside: going to the tray and back through the shell's own
// messages, the two ways out (the title bar with its fade, the exit button with its question),
// and the list rebuilt whenever the window is activated again.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/portable/MainLayout.h"
#include "e2e/Driver.h"
#include "win/support/ShellIcon.h"

namespace {

using namespace std::chrono_literals;
using testsupport::ShellHasIcon;

// What the shell sends the icon's window about the mouse; the same value the program registers.
constexpr UINT kTrayCallback = WM_APP + 0x100;

HWND ControlAt(HWND main, std::string_view name) {
  const auto bounds = vantora::MainControlBounds(*vantora::FindMainControl(name));
  const wchar_t* windowClass = name == "ListView1" ? L"SysListView32" : L"Button";
  return e2e::ChildAt(main, windowClass, {bounds.left, bounds.top});
}

// Makes the window the foreground window as a user switching to it would; activation reaches
// another process asynchronously under Wine, so the request is repeated until it holds.
bool SwitchTo(HWND window) {
  return e2e::WaitUntil(
      [&] {
        if (::GetForegroundWindow() == window) return true;
        ::SetForegroundWindow(window);
        return false;
      },
      10s, 100ms);
}

class LifeCycleE2E : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vantora.Started());
    main = vantora.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the main window did not appear";
    application = ::GetWindow(main, GW_OWNER);
  }

  // Sends the program to the tray with "Minimize To Tray", which always shows the icon.
  void MinimizeToTray() {
    ASSERT_TRUE(e2e::Click(ControlAt(main, "sBitBtn8")));
    // The taskbar entry goes with the window.
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(main) && !::IsWindowVisible(application); }, 10s));
    ASSERT_TRUE(ShellHasIcon(main));
  }

  // Waits for the end of the process, watching the main window's layered style meanwhile.
  struct End {
    std::optional<DWORD> exitCode;
    bool faded = false;
  };
  End WaitForEnd() {
    End end;
    e2e::WaitUntil(
        [&] {
          if (::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_LAYERED) end.faded = true;
          return !vantora.Running();
        },
        20s, 1ms);
    end.exitCode = vantora.WaitForExit(1s);
    return end;
  }

  e2e::Process vantora;
  HWND main = nullptr;
  HWND application = nullptr;
};

TEST_F(LifeCycleE2E, MinimizeToTrayAndBackThroughTheIcon) {
  MinimizeToTray();
  EXPECT_EQ(e2e::TextOf(ControlAt(main, "sBitBtn6")), L"Hide TrayIcon");

  // A left click on the icon, as the shell reports it.
  ::PostMessageW(main, kTrayCallback, 1, WM_LBUTTONDOWN);
  ::PostMessageW(main, kTrayCallback, 1, WM_LBUTTONUP);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(main) && ::IsWindowVisible(application); }, 10s));
  EXPECT_TRUE(ShellHasIcon(main));
  e2e::SaveScreenshot(main, L"back-from-tray.bmp");
}

TEST_F(LifeCycleE2E, TitleBarCloseFadesOutAndEndsWithExitCodeZero) {
  ASSERT_TRUE(::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0));
  const End end = WaitForEnd();
  ASSERT_TRUE(end.exitCode.has_value()) << "still running after the close";
  EXPECT_EQ(*end.exitCode, 0u);
  EXPECT_TRUE(end.faded);
  // Wine's shell drops the icons of an ended program by itself, so whether the program took its
  // icon away is checked in-process, where the window outlives the exit.
  EXPECT_TRUE(vantora.TopLevelWindows().empty());
}

TEST_F(LifeCycleE2E, ExitButtonAsksAndEndsOnYesOnlyWithoutFade) {
  HWND exitButton = ControlAt(main, "sBitBtn1");
  ASSERT_NE(exitButton, nullptr);

  ASSERT_TRUE(e2e::Click(exitButton));
  HWND box = vantora.WaitForMessageBox(e2e::kConfirmCaption);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::MessageBoxText(box), L"Are You Sure You Want To Exit?");
  ASSERT_TRUE(e2e::AnswerMessageBox(box, L"&No"));
  ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(box); }, 10s));
  EXPECT_TRUE(vantora.Running());
  EXPECT_TRUE(::IsWindowVisible(main));

  ASSERT_TRUE(e2e::Click(exitButton));
  box = vantora.WaitForMessageBox(e2e::kConfirmCaption);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(box, L"&Yes"));
  const End end = WaitForEnd();
  ASSERT_TRUE(end.exitCode.has_value()) << "still running after Yes";
  EXPECT_EQ(*end.exitCode, 0u);
  EXPECT_FALSE(end.faded);
}

TEST_F(LifeCycleE2E, EveryActivationRebuildsTheListAndKeepsTheSelectedRow) {
  HWND list = ControlAt(main, "ListView1");
  ASSERT_NE(list, nullptr);
  const auto listed = [&](const std::wstring& title) {
    for (const auto& row : e2e::ListViewRows(list))
      if (row == title) return true;
    return false;
  };
  e2e::Process first(e2e::HelperExePath(L"foreign_windows_helper"), L"--count 2 --title \"Activation %d\"");
  HWND firstWindow = first.WaitForWindow(nullptr, L"Activation 2");
  ASSERT_NE(firstWindow, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(firstWindow) != FALSE; }, 10s));
  // The main window is the active one already: the user goes to the other program and back.
  ASSERT_TRUE(SwitchTo(firstWindow));
  ASSERT_TRUE(SwitchTo(main));
  ASSERT_TRUE(e2e::WaitUntil([&] { return listed(L"Activation 1") && listed(L"Activation 2"); }, 10s));
  ASSERT_TRUE(e2e::ClickListViewItem(list, 1));
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::ListViewSelectedIndex(list) == 1; }, 10s));

  // Each time another program had the focus and the user comes back, the list is new.
  std::vector<std::unique_ptr<e2e::Process>> others;
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    const std::wstring title = L"Activation other " + std::to_wstring(round);
    others.push_back(
        std::make_unique<e2e::Process>(e2e::HelperExePath(L"foreign_windows_helper"), L"--title \"" + title + L"\""));
    HWND other = others.back()->WaitForWindow(nullptr, title.c_str());
    ASSERT_NE(other, nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(other) != FALSE; }, 10s));
    ASSERT_TRUE(SwitchTo(other));
    ASSERT_TRUE(SwitchTo(main));
    EXPECT_TRUE(e2e::WaitUntil([&] { return listed(title); }, 10s));
    EXPECT_EQ(e2e::ListViewSelectedIndex(list), 1);
  }
  e2e::SaveScreenshot(main, L"activation-rebuilds-list.bmp");
  // The helper ends only when told through its hidden window; its windows have done their part.
  for (auto& other : others) other->Stop(0ms);
  first.Stop(0ms);
}

}  // namespace
