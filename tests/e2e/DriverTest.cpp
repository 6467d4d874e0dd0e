// The driver's cross-process tools on a program whose answers are known: list views read and
// clicked from outside, message boxes read and answered. Other tests rely on these to work
// Vantora; a fault here would show there as a confusing failure.
#include <gtest/gtest.h>

#include "e2e/Driver.h"

namespace {

using namespace std::chrono_literals;

TEST(Driver, ReadsAndClicksTheRowsOfAListViewInAnotherProcess) {
  e2e::Process target(e2e::HelperExePath(L"driver_target_helper"),
                      L"--list First \"Second row\" \"Dritte Zeile \u00e4\u00f6\u00fc\"");
  HWND window = target.WaitForWindow(L"DriverTarget", L"Driver Target");
  ASSERT_NE(window, nullptr);
  HWND list = e2e::FindChild(window, L"SysListView32", nullptr);
  ASSERT_NE(list, nullptr);

  EXPECT_EQ(e2e::ListViewItemCount(list), 3);
  EXPECT_EQ(e2e::ListViewRows(list),
            (std::vector<std::wstring>{L"First", L"Second row", L"Dritte Zeile \u00e4\u00f6\u00fc"}));
  EXPECT_EQ(e2e::ListViewItemText(list, 7), L"") << "a row that does not exist";
  EXPECT_EQ(e2e::ListViewColumnCount(list), 1);
  EXPECT_EQ(e2e::ListViewColumnTitle(list, 0), L"Rows");
  EXPECT_EQ(e2e::ListViewColumnWidth(list, 0), 200);
  EXPECT_EQ(e2e::ListViewSelectedIndex(list), -1);

  ASSERT_TRUE(e2e::ClickListViewItem(list, 1));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(window) == L"Clicked 1"; }, 5s)) << e2e::TextOf(window).size();
  EXPECT_EQ(e2e::ListViewSelectedIndex(list), 1);
  EXPECT_FALSE(e2e::ClickListViewItem(list, 9));
}

TEST(Driver, AnswersAQuestionBoxByItsButtonAndSeesTheExitCode) {
  for (const auto& [button, answer] : {std::pair{L"&Yes", IDYES}, std::pair{L"&No", IDNO}}) {
    e2e::Process target(e2e::HelperExePath(L"driver_target_helper"), L"--ask Confirm \"Are You Sure?\"");
    HWND box = target.WaitForMessageBox(e2e::kConfirmCaption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::MessageBoxText(box), L"Are You Sure?");
    EXPECT_FALSE(e2e::AnswerMessageBox(box, L"OK")) << "a question box has no OK button";
    ASSERT_TRUE(e2e::AnswerMessageBox(box, button));
    EXPECT_EQ(target.WaitForExit(10s), static_cast<DWORD>(answer));
  }
}

TEST(Driver, AnswersAnInformationBoxAndStopsWhatItStarted) {
  e2e::Process target(e2e::HelperExePath(L"driver_target_helper"), L"--tell Vantora \"Please Enter Text\"");
  HWND box = target.WaitForMessageBox(e2e::kApplicationTitle);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::MessageBoxText(box), L"Please Enter Text");
  ASSERT_TRUE(e2e::AnswerMessageBox(box, L"OK"));
  EXPECT_EQ(target.WaitForExit(10s), static_cast<DWORD>(IDOK));

  // A program whose window ignores WM_CLOSE is terminated.
  e2e::Process stubborn(e2e::HelperExePath(L"foreign_windows_helper"), L"--refuse-close --title Stubborn");
  ASSERT_NE(stubborn.WaitForWindow(nullptr, L"Stubborn"), nullptr);
  EXPECT_EQ(stubborn.Stop(1s), e2e::Process::kTerminatedExitCode);
  EXPECT_FALSE(stubborn.Running());
}

}  // namespace
