// The shell toggles and system settings of the running vantora.exe, clicked as a user clicks
// them: the taskbar of a look-alike shell, the clipboard against this second process, and the
// Run value that starts the program with Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "e2e/Driver.h"
#include "platform/Error.h"
#include "win/support/Clipboard.h"
#include "win/support/SavedRegistry.h"

namespace {

using namespace std::chrono_literals;
using namespace testsupport::registry;

void Copy(const std::wstring& text) {
  ASSERT_TRUE(e2e::WaitUntil([] { return ::OpenClipboard(nullptr) != FALSE; }, 2s));
  ::EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(block), text.c_str(), bytes);
  ::GlobalUnlock(block);
  if (!::SetClipboardData(CF_UNICODETEXT, block)) ::GlobalFree(block);
  ::CloseClipboard();
}

// A button of the main window by its caption, waiting for it to read so.
HWND ButtonReading(HWND main, const wchar_t* caption) {
  HWND button = nullptr;
  e2e::WaitUntil([&] { return (button = e2e::FindChild(main, L"Button", caption)) != nullptr; }, 5s);
  return button;
}

TEST(ShellSettingsE2E, HideTaskBarHidesTheShellsTaskbarAndShowTaskBarBringsItBack) {
  e2e::Process shell(e2e::HelperExePath(L"foreign_windows_helper"), L"--count 0 --shell");
  HWND taskbar = nullptr;
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return (taskbar = shell.FindTopLevel(L"Shell_TrayWnd", nullptr)) != nullptr; }, 10s));
  e2e::Process vantora;
  const HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);

  const HWND toggle = ButtonReading(main, L"Hide TaskBar");  // the taskbar is shown
  ASSERT_NE(toggle, nullptr);
  e2e::Click(toggle);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(taskbar); }, 5s));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(toggle) == L"Show TaskBar"; }, 5s));
  EXPECT_TRUE(::IsWindowVisible(shell.FindTopLevel(nullptr, L"Program Manager")));  // the desktop stays
  e2e::SaveScreenshot(main, L"shell-taskbar-hidden.bmp");
  e2e::Click(toggle);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(taskbar) != FALSE; }, 5s));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(toggle) == L"Hide TaskBar"; }, 5s));
  shell.Stop(0ms);
}

TEST(ShellSettingsE2E, WhileTheClipboardIsDisabledWhatThisProgramCopiesIsWiped) {
  e2e::Process vantora;
  const HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const HWND blocker = ButtonReading(main, L"Disable Clipboard");
  ASSERT_NE(blocker, nullptr);
  ASSERT_NE(e2e::FindChild(main, L"Static", L"Status: Clipboard Enabled"), nullptr);

  e2e::Click(blocker);
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return e2e::FindChild(main, L"Static", L"Status: Clipboard Disabled") != nullptr; }, 5s));
  EXPECT_EQ(e2e::TextOf(blocker), L"Enable Clipboard");
  Copy(L"copied by the driver");
  EXPECT_TRUE(e2e::WaitUntil([] { return testsupport::ClipboardText() == L""; }, 2s)) << "the copy was not wiped";

  e2e::Click(blocker);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(blocker) == L"Disable Clipboard"; }, 5s));
  EXPECT_NE(e2e::FindChild(main, L"Static", L"Status: Clipboard Enabled"), nullptr);
  Copy(L"copied after enabling");
  ::Sleep(500);
  EXPECT_EQ(testsupport::ClipboardText(), L"copied after enabling");
}

TEST(ShellSettingsE2E, StartOnWindowsStartupWritesTheQuotedPathAndTheSecondPressRemovesIt) {
  SavedRegistryValue saved(kRunKey, L"Vantora");
  DeleteValue(kRunKey, L"Vantora");
  e2e::Process vantora;
  const HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const HWND button = ButtonReading(main, L"Start on Windows Startup");
  ASSERT_NE(button, nullptr);

  e2e::Click(button);
  EXPECT_TRUE(e2e::WaitUntil([] { return ReadValue(kRunKey, L"Vantora").has_value(); }, 5s));
  EXPECT_EQ(ReadValue(kRunKey, L"Vantora"), L"\"" + e2e::VantoraExePath() + L"\"");
  if (e2e::On64BitSystem()) {
    // What the system's own 64-bit programs read at logon: the same value, no 32-bit view of it.
    const auto listed =
        e2e::OutputOf(e2e::NativeSystemFolderPath(L"reg.exe") + L" query HKCU\\" + kRunKey + L" /v Vantora");
    ASSERT_TRUE(listed.has_value());
    const std::string path = platform::Narrow(e2e::VantoraExePath());
    EXPECT_NE(listed->find('"' + path + '"'), std::string::npos) << *listed;
  }
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(button) == L"Do Not Start on Windows Startup"; }, 5s));
  e2e::Click(button);
  EXPECT_TRUE(e2e::WaitUntil([] { return !ReadValue(kRunKey, L"Vantora").has_value(); }, 5s));
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(button) == L"Start on Windows Startup"; }, 5s));
}

}  // namespace
