// What the main window shows after a command on the selected window is what the window reports,
// and a picture that cannot be taken is said, not saved: against windows of another process
// that do not answer, have closed, or whose system menu is out of reach.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/CommandReports.h"
#include "platform/files/FileSystem.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"
#include "support/ForeignWindows.h"
#include "support/MainForm.h"
#include "support/ScriptedIsolation.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFile.h"

using testsupport::ForeignWindows;
using testsupport::ScriptedPrompts;

namespace {

class ResultsTest : public testsupport::MainFormTest {
 protected:
  static bool Topmost(HWND window) { return ::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }
};

TEST_F(ResultsTest, OnAWindowThatDoesNotAnswerTheTogglesTheLabelAndTheMarkKeepWhatItIs) {
  ForeignWindows hung(L"--hung --title \"Not answering\"");
  const HWND window = hung.Find(L"Not answering");
  Select(window);
  ASSERT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  ASSERT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  ASSERT_FALSE(form.stayOnTop.Checked());
  const std::wstring label = form.opacityValue.Caption();

  form.enabledToggle.Click();
  EXPECT_TRUE(::IsWindowEnabled(window));
  EXPECT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  form.closeButtonToggle.Click();
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  form.opacitySlider.SetPosition(form.opacitySlider.Position() == 30 ? 31 : 30);
  EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(form.opacityValue.Caption(), label);
  form.stayOnTop.SetChecked(true);
  EXPECT_FALSE(Topmost(window));
  EXPECT_FALSE(form.stayOnTop.Checked()) << "the mark says the window is on top";
}

TEST_F(ResultsTest, TheCloseButtonToggleKeepsItsCaptionWhereTheSystemMenuIsOutOfReach) {
  ForeignWindows foreign(L"--title \"Menu out of reach\"");
  const HWND window = foreign.Find(L"Menu out of reach");
  Select(window);
  // Wine hands out no system menu of another process's window: the call fails there.
  if (platform::SystemMenuCloseEnabled(window)) GTEST_SKIP() << "this system reaches another program's system menu";
  ASSERT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  form.closeButtonToggle.Click();
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  form.closeButtonToggle.Click();
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");

  // The same window answers the calls that do reach it, and those captions follow it.
  form.enabledToggle.Click();
  EXPECT_FALSE(::IsWindowEnabled(window));
  EXPECT_EQ(form.enabledToggle.Caption(), L"Enable Window");
  form.opacitySlider.SetPosition(45);
  EXPECT_EQ(form.opacityValue.Caption(), L"Current: 45");
  form.stayOnTop.SetChecked(true);
  EXPECT_TRUE(Topmost(window));
  EXPECT_TRUE(form.stayOnTop.Checked());
  form.stayOnTop.SetChecked(false);
  EXPECT_FALSE(Topmost(window));
}

TEST_F(ResultsTest, AScreenshotOfAWindowThatStoppedAnsweringOrClosedIsSaidAndNoFileIsWritten) {
  ScriptedPrompts prompts;
  testsupport::TempFile hungShot(L"hung-shot"), goneShot(L"gone-shot");
  {
    ForeignWindows hung(L"--hung --title \"Stopped answering\"");
    Select(hung.Find(L"Stopped answering"));
    prompts.fileAnswers.push_back(hungShot.path());
    form.screenshotWindow.Click();
  }
  HWND gone = nullptr;
  {
    ForeignWindows closing(L"--title \"Closing now\"");
    gone = closing.Find(L"Closing now");
    Select(gone);
  }
  ASSERT_FALSE(::IsWindow(gone));
  prompts.fileAnswers.push_back(goneShot.path());
  form.screenshotWindow.Click();

  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            (std::vector<std::wstring>{L"No ScreenShot Was Taken. The Window Is Not Responding.",
                                       L"No ScreenShot Was Taken. The Window Has Closed."}));
  EXPECT_FALSE(platform::FileExists(hungShot.path()));
  EXPECT_FALSE(platform::FileExists(goneShot.path()));
}

TEST_F(ResultsTest, AWindowOfAProgramWithHigherRightsIsLeftAsItWasAndTheRefusalIsNamed) {
  testsupport::TempFile log(L"vantora-refused-close");
  ForeignWindows foreign(L"--count 2 --title \"Elevated %d\" --log \"" + log.path() + L"\"");
  const HWND elevated = foreign.Find(L"Elevated 1"), ordinary = foreign.Find(L"Elevated 2");
  testsupport::ScriptedIsolation isolation;
  isolation.higherRights = {elevated};
  ScriptedPrompts prompts;
  FocusForm();
  Select(elevated);
  form.newTitle.SetText(L"Renamed");
  form.updateText.Click();     // Update Text
  form.maximize.Click();       // Maximize
  form.enabledToggle.Click();  // Disable Window
  form.closeWindow.Click();    // Close Window
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error), std::vector<std::wstring>(4, ui::kHigherRightsRefusal));
  EXPECT_EQ(Title(elevated), L"Elevated 1");
  EXPECT_FALSE(::IsZoomed(elevated));
  EXPECT_TRUE(::IsWindowEnabled(elevated));
  EXPECT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  EXPECT_EQ(log.Read(), "");

  // A walk over every listed window passes it by without a word and goes on.
  form.minimizeAll.Click();  // Minimize All Windows
  EXPECT_TRUE(::IsIconic(ordinary));
  EXPECT_FALSE(::IsIconic(elevated));
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error).size(), 4u);
}

// Refuses the activation of every window of this thread, as a program's activation hook may:
// SetForegroundWindow then fails without setting an error code.
class ActivationRefused {
 public:
  ActivationRefused() : hook_(::SetWindowsHookExW(WH_CBT, Refuse, nullptr, ::GetCurrentThreadId())) {}
  ActivationRefused(const ActivationRefused&) = delete;
  ActivationRefused& operator=(const ActivationRefused&) = delete;
  ~ActivationRefused() { ::UnhookWindowsHookEx(hook_); }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    return code == HCBT_ACTIVATE ? 1 : ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

// A minimized window whose procedure leaves an error code behind when it is resized, as any call
// a program makes there may.
class LeavesACode {
 public:
  LeavesACode() {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VantoraLeavesACode";
    ::RegisterClassExW(&wc);
    window = ::CreateWindowExW(0, wc.lpszClassName, L"Leaves a code", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MINIMIZE,
                               100, 100, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  }
  LeavesACode(const LeavesACode&) = delete;
  LeavesACode& operator=(const LeavesACode&) = delete;
  ~LeavesACode() { ::DestroyWindow(window); }
  HWND window;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_SIZE) ::SetLastError(ERROR_FILE_NOT_FOUND);
    return result;
  }
};

TEST_F(ResultsTest, AFailureWithoutAnErrorCodeIsNotGivenTheCodeAnEarlierCallLeft) {
  ScriptedPrompts prompts;
  testsupport::TempFile shot(L"refused-shot");
  const LeavesACode minimized;
  FocusForm();
  Select(minimized.window);
  ASSERT_TRUE(::IsIconic(minimized.window));
  prompts.fileAnswers.push_back(shot.path());
  {
    // The window is restored (and leaves its code), then refuses to come to the front.
    const ActivationRefused refused;
    form.screenshotWindow.Click();
  }
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            std::vector<std::wstring>{L"No ScreenShot Was Taken. The Window Could Not Be Brought To The Front. "
                                      L"The system gave no reason."});
}

}  // namespace
