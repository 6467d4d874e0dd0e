// What the main window shows after a command on the selected window is what the window reports,
// and a picture that cannot be taken is said, not saved: against windows of another process
// that do not answer, have closed, or whose system menu is out of reach.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/WindowQueries.h"
#include "support/ForeignWindows.h"
#include "support/MainForm.h"
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
  ASSERT_EQ(form.sButton25.Caption(), L"Disable Window");
  ASSERT_EQ(form.Button2.Caption(), L"Disable Close Button");
  ASSERT_FALSE(form.CheckBox1.Checked());
  const std::wstring label = form.Label3.Caption();

  form.sButton25.Click();
  EXPECT_TRUE(::IsWindowEnabled(window));
  EXPECT_EQ(form.sButton25.Caption(), L"Disable Window");
  form.Button2.Click();
  EXPECT_EQ(form.Button2.Caption(), L"Disable Close Button");
  form.TrackBar1.SetPosition(form.TrackBar1.Position() == 30 ? 31 : 30);
  EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(form.Label3.Caption(), label);
  form.CheckBox1.SetChecked(true);
  EXPECT_FALSE(Topmost(window));
  EXPECT_FALSE(form.CheckBox1.Checked()) << "the mark says the window is on top";
}

TEST_F(ResultsTest, TheCloseButtonToggleKeepsItsCaptionWhereTheSystemMenuIsOutOfReach) {
  ForeignWindows foreign(L"--title \"Menu out of reach\"");
  const HWND window = foreign.Find(L"Menu out of reach");
  Select(window);
  // Wine hands out no system menu of another process's window: the call fails there.
  if (platform::SystemMenuCloseEnabled(window)) GTEST_SKIP() << "this system reaches another program's system menu";
  ASSERT_EQ(form.Button2.Caption(), L"Disable Close Button");
  form.Button2.Click();
  EXPECT_EQ(form.Button2.Caption(), L"Disable Close Button");
  form.Button2.Click();
  EXPECT_EQ(form.Button2.Caption(), L"Disable Close Button");

  // The same window answers the calls that do reach it, and those captions follow it.
  form.sButton25.Click();
  EXPECT_FALSE(::IsWindowEnabled(window));
  EXPECT_EQ(form.sButton25.Caption(), L"Enable Window");
  form.TrackBar1.SetPosition(45);
  EXPECT_EQ(form.Label3.Caption(), L"Current: 45");
  form.CheckBox1.SetChecked(true);
  EXPECT_TRUE(Topmost(window));
  EXPECT_TRUE(form.CheckBox1.Checked());
  form.CheckBox1.SetChecked(false);
  EXPECT_FALSE(Topmost(window));
}

TEST_F(ResultsTest, AScreenshotOfAWindowThatStoppedAnsweringOrClosedIsSaidAndNoFileIsWritten) {
  ScriptedPrompts prompts;
  testsupport::TempFile hungShot(L"hung-shot"), goneShot(L"gone-shot");
  {
    ForeignWindows hung(L"--hung --title \"Stopped answering\"");
    Select(hung.Find(L"Stopped answering"));
    prompts.fileAnswers.push_back(hungShot.path());
    form.Button14.Click();
  }
  HWND gone = nullptr;
  {
    ForeignWindows closing(L"--title \"Closing now\"");
    gone = closing.Find(L"Closing now");
    Select(gone);
  }
  ASSERT_FALSE(::IsWindow(gone));
  prompts.fileAnswers.push_back(goneShot.path());
  form.Button14.Click();

  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Error),
            (std::vector<std::wstring>{L"No ScreenShot Was Taken. The Window Is Not Responding.",
                                       L"No ScreenShot Was Taken. The Window Has Closed."}));
  EXPECT_FALSE(platform::FileExists(hungShot.path()));
  EXPECT_FALSE(platform::FileExists(goneShot.path()));
}

}  // namespace
