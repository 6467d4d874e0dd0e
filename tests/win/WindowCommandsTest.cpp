// The commands on the selected window, against real windows of this process and of another.
#include <gtest/gtest.h>

#include <string>

#include "platform/windows/WindowRoutines.h"
#include "support/ForeignWindows.h"
#include "support/Keys.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFile.h"
#include "support/TestWindow.h"

using testsupport::ForeignWindows;
using testsupport::ScriptedPrompts;
using testsupport::TestWindow;

namespace {

class WindowCommandsTest : public testsupport::MainFormTest {};

TEST_F(WindowCommandsTest, OpacityFollowsTheSliderOnAnotherProgramsWindowAndTheLabelShowsIt) {
  ForeignWindows foreign(L"--title \"Fading window\"");
  const HWND window = foreign.Find(L"Fading window");
  Select(window);
  form.opacitySlider.SetPosition(35);
  EXPECT_EQ(LayeredAlpha(window), 89);
  EXPECT_EQ(form.opacityValue.Caption(), L"Current: 35");
  form.opacitySlider.SetPosition(0);  // fully transparent, but not hidden: still listed
  EXPECT_EQ(LayeredAlpha(window), 0);
  form.RefreshCatalogue();
  EXPECT_GE(RowOf(window), 0);
  form.opacitySlider.SetPosition(100);
  EXPECT_EQ(LayeredAlpha(window), 255);
  EXPECT_TRUE(Layered(window));  // opaque again with the layered style kept
  EXPECT_EQ(form.opacityValue.Caption(), L"Current: 100");
}

TEST_F(WindowCommandsTest, SelectingAnotherRowLeavesSliderAndLabelAlone) {
  TestWindow first(L"Opacity first"), second(L"Opacity second");
  Select(first.get());
  form.opacitySlider.SetPosition(60);
  Select(second.get());
  EXPECT_EQ(form.opacitySlider.Position(), 60);
  EXPECT_EQ(form.opacityValue.Caption(), L"Current: 60");
  EXPECT_FALSE(Layered(second.get()));
  EXPECT_EQ(LayeredAlpha(first.get()), 153);
}

TEST_F(WindowCommandsTest, StayOnTopKeepsTheWindowsRectangle) {
  ForeignWindows foreign(L"--title \"On top\"");
  const HWND window = foreign.Find(L"On top");
  Select(window);
  RECT before{};
  ::GetWindowRect(window, &before);
  form.stayOnTop.SetChecked(true);
  EXPECT_TRUE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT after{};
  ::GetWindowRect(window, &after);
  EXPECT_TRUE(::EqualRect(&before, &after));
  form.stayOnTop.SetChecked(false);
  EXPECT_FALSE(::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  ::GetWindowRect(window, &after);
  EXPECT_TRUE(::EqualRect(&before, &after));
}

TEST_F(WindowCommandsTest, DisableWindowTogglesAndTheCaptionIsReadBackOnSelection) {
  ForeignWindows foreign(L"--count 2 --title \"Toggle %d\"");
  const HWND target = foreign.Find(L"Toggle 1"), other = foreign.Find(L"Toggle 2");
  Select(target);
  ASSERT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  form.enabledToggle.Click();
  EXPECT_FALSE(::IsWindowEnabled(target));
  EXPECT_EQ(form.enabledToggle.Caption(), L"Enable Window");
  Select(other);
  EXPECT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  Select(target);
  EXPECT_EQ(form.enabledToggle.Caption(), L"Enable Window");
  form.enabledToggle.Click();
  EXPECT_TRUE(::IsWindowEnabled(target));
  EXPECT_EQ(form.enabledToggle.Caption(), L"Disable Window");
}

TEST_F(WindowCommandsTest, DisableCloseButtonGreysTheSystemMenusCloseAndBack) {
  // Another program's system menu is out of reach under Wine; this process's window is not.
  TestWindow window(L"Close button window");
  Select(window.get());
  const auto closeState = [&] { return ::GetMenuState(::GetSystemMenu(window.get(), FALSE), SC_CLOSE, MF_BYCOMMAND); };
  ASSERT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  form.closeButtonToggle.Click();
  EXPECT_TRUE(closeState() & MF_GRAYED);
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Enable Close Button");
  form.closeButtonToggle.Click();
  EXPECT_FALSE(closeState() & MF_GRAYED);
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  EXPECT_TRUE(platform::SetCloseButtonEnabled(window.get(), false));  // the shared routine on its own
  EXPECT_TRUE(closeState() & MF_GRAYED);
}

TEST_F(WindowCommandsTest, UpdateTextSetsTheTitleAsTypedAndAnEmptyTextOnlyAsks) {
  ForeignWindows foreign(L"--title \"Old title\"");
  const HWND window = foreign.Find(L"Old title");
  ScriptedPrompts prompts;
  FocusForm();  // activating the main window rebuilds the list and refills the title box
  Select(window);
  form.newTitle.SetText(L"");
  form.updateText.Click();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Information), (std::vector<std::wstring>{L"Please Enter Text"}));
  EXPECT_EQ(Title(window), L"Old title");
  // Enter released in the box asks the same.
  ::SendMessageW(form.newTitle.Handle(), WM_KEYUP, VK_RETURN, 0);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Information).size(), 2u);
  EXPECT_EQ(Title(window), L"Old title");

  form.newTitle.SetText(L"Neuer Titel \x00e4\x03a9");
  form.updateText.Click();
  EXPECT_EQ(Title(window), L"Neuer Titel \x00e4\x03a9");
  EXPECT_EQ(form.windowListView.ItemText(RowOf(window)), L"Neuer Titel \x00e4\x03a9");
  form.newTitle.SetText(L"   ");  // blanks are applied unchanged
  form.updateText.Click();
  EXPECT_EQ(Title(window), L"   ");
  EXPECT_EQ(form.newTitle.Text(), L"   ");  // read back from the window
  EXPECT_EQ(prompts.calls.size(), 2u);
}

TEST_F(WindowCommandsTest, EnterReleasedWithShiftHeldInTheTitleBoxSetsTheTitle) {
  TestWindow window(L"Before Enter");
  Select(window.get());
  FocusForm();
  form.newTitle.SetFocus();
  form.newTitle.SetText(L"After Enter");
  testsupport::PressChord({VK_SHIFT}, VK_RETURN);
  EXPECT_TRUE(PumpUntil([&] { return Title(window.get()) == L"After Enter"; }));
  // Any other key released leaves the title alone.
  form.newTitle.SetText(L"Not applied");
  testsupport::PressChord({}, VK_END);
  Pump(200);
  EXPECT_EQ(Title(window.get()), L"After Enter");
}

TEST_F(WindowCommandsTest, MaximizeMinimizeAndRestoreTheSelectedWindow) {
  ForeignWindows foreign(L"--title \"Shown states\"");
  const HWND window = foreign.Find(L"Shown states");
  Pump(600);  // Wine undoes a minimize that follows the first showing too closely
  Select(window);
  form.maximize.Click();
  EXPECT_TRUE(::IsZoomed(window));
  form.minimize.Click();
  EXPECT_TRUE(::IsIconic(window));
  form.restore.Click();
  EXPECT_TRUE(PumpUntil([&] { return !::IsIconic(window); }));
  form.restore.Click();  // restores the maximized window to its normal size
  EXPECT_TRUE(PumpUntil([&] { return !::IsZoomed(window) && !::IsIconic(window); }));
}

TEST_F(WindowCommandsTest, CloseWindowClosesOrKeepsARefusingWindowListedAfterTheRebuild) {
  testsupport::TempFile log(L"vantora-close");
  ForeignWindows refusing(L"--refuse-close --title \"Refuses to close\" --log \"" + log.path() + L"\"");
  ForeignWindows closing(L"--title \"Closes\" --log \"" + log.path() + L"\"");
  const HWND stubborn = refusing.Find(L"Refuses to close"), willing = closing.Find(L"Closes");
  Select(stubborn);
  form.closeWindow.Click();
  EXPECT_TRUE(::IsWindow(stubborn));
  EXPECT_GE(RowOf(stubborn), 0);
  Select(willing);
  form.closeWindow.Click();
  EXPECT_FALSE(::IsWindow(willing));
  EXPECT_EQ(RowOf(willing), -1);
  EXPECT_EQ(log.Read(), "Refuses to close\nCloses\n");
}

TEST_F(WindowCommandsTest, CloseWindowOnAHungProgramGivesUpAndKeepsItListed) {
  ForeignWindows hung(L"--hung --title \"Not answering\"");
  const HWND window = hung.Find(L"Not answering");
  Select(window);
  form.closeWindow.Click();  // returns: the close request is bounded
  EXPECT_TRUE(::IsWindow(window));
  EXPECT_GE(RowOf(window), 0);
}

TEST_F(WindowCommandsTest, BringToFrontMakesTheSelectedWindowTheForegroundWindow) {
  ForeignWindows foreign(L"--count 2 --title \"Front %d\"");
  const HWND window = foreign.Find(L"Front 2");
  FocusForm();
  Select(window);
  form.bringToFront.Click();
  EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == window; }));
}

TEST_F(WindowCommandsTest, WithoutASelectedRowTheCommandsDoNothing) {
  TestWindow window(L"Unselected window");
  ScriptedPrompts prompts;
  form.RefreshCatalogue();
  form.windowListView.SetItemIndex(-1);
  ASSERT_EQ(form.SelectedWindow(), nullptr);
  form.newTitle.SetText(L"");
  form.UpdateTextClick();
  form.opacitySlider.SetPosition(10);
  form.EnabledToggleClick();
  form.CloseButtonToggleClick();
  form.MinimizeClick();
  EXPECT_TRUE(prompts.calls.empty());
  EXPECT_FALSE(Layered(window.get()));
  EXPECT_TRUE(::IsWindowEnabled(window.get()));
  EXPECT_FALSE(::IsIconic(window.get()));
  EXPECT_EQ(form.enabledToggle.Caption(), L"Disable Window");
  EXPECT_EQ(form.closeButtonToggle.Caption(), L"Disable Close Button");
  EXPECT_EQ(form.opacityValue.Caption(), L"Current: 100");
}

}  // namespace
