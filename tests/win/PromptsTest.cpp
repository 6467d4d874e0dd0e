// The Win32 prompts, answered by a second thread that finds the box or dialog of the test thread
// and presses its buttons, as a user would.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "ui/Prompts.h"
#include "support/TestWindow.h"

using namespace ui;
using testsupport::TestWindow;

namespace {

// The first dialog window that the given thread shows, or null after a few seconds.
HWND WaitForDialogOf(DWORD threadId) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HWND found = nullptr;
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM result) WINAPI -> BOOL {
          wchar_t className[16] = {};
          GetClassNameW(window, className, 16);
          if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (found) return found;
    Sleep(10);
  }
  return nullptr;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// What the answering thread saw of the dialog.
struct Seen {
  std::wstring caption;
  HWND owner = nullptr;
  bool hasYes = false, hasNo = false, hasOk = false;
  std::wstring firstFileType;
  int fileTypes = 0;
};

// Runs `prompt` on this thread while another thread inspects the dialog and presses `button`.
Seen Answer(int button, const std::function<void()>& prompt) {
  Seen seen;
  const DWORD me = GetCurrentThreadId();
  std::thread answering([&] {
    HWND dialog = WaitForDialogOf(me);
    if (!dialog) return;
    seen.caption = TextOf(dialog);
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.hasYes = GetDlgItem(dialog, IDYES) != nullptr;
    seen.hasNo = GetDlgItem(dialog, IDNO) != nullptr;
    seen.hasOk = GetDlgItem(dialog, IDOK) != nullptr;
    if (HWND types = GetDlgItem(dialog, cmb1)) {
      seen.fileTypes = static_cast<int>(SendMessageW(types, CB_GETCOUNT, 0, 0));
      wchar_t item[256] = {};
      SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
      seen.firstFileType = item;
    }
    SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
  });
  prompt();
  answering.join();
  return seen;
}

class Win32PromptsTest : public testing::Test {
 protected:
  void SetUp() override {
    SetPromptsOwner(owner_.get());
    SetApplicationTitle(L"Vantora");
  }
  void TearDown() override { SetPromptsOwner(nullptr); }
  TestWindow owner_{L"Vantora"};
};

}  // namespace

TEST_F(Win32PromptsTest, ConfirmIsTrueOnlyForYes) {
  bool answer = false;
  Seen seen = Answer(IDYES, [&] { answer = CurrentPrompts().Confirm(L"Are You Sure You Want To Exit?"); });
  EXPECT_TRUE(answer);
  EXPECT_EQ(seen.caption, L"Confirm");
  EXPECT_EQ(seen.owner, owner_.get());
  EXPECT_TRUE(seen.hasYes && seen.hasNo);

  answer = true;
  Answer(IDNO, [&] { answer = CurrentPrompts().Confirm(L"Are You Sure You Want To Exit?"); });
  EXPECT_FALSE(answer);
}

TEST_F(Win32PromptsTest, InformationAndErrorCarryTheApplicationTitle) {
  SetApplicationTitle(L"Vantora Title");
  Seen info = Answer(IDOK, [] { CurrentPrompts().Information(L"Please Enter Text"); });
  EXPECT_EQ(info.caption, L"Vantora Title");
  EXPECT_EQ(info.owner, owner_.get());
  EXPECT_TRUE(info.hasOk);
  EXPECT_FALSE(info.hasYes);

  Seen error = Answer(IDOK, [] { CurrentPrompts().Error(L"Invalid File Format"); });
  EXPECT_EQ(error.caption, L"Vantora Title");
  EXPECT_TRUE(error.hasOk);
}

TEST_F(Win32PromptsTest, SaveDialogShowsTheFilterAndAddsTheDefaultExtension) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring base = std::wstring(temp) + L"vantora-prompt-test";
  FileDialogOptions options;
  options.filter = L"Bitmap (*.bmp)|*.bmp|All Files (*.*)|*.*";
  options.defaultExt = L".bmp";
  options.fileName = base;
  options.flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;

  std::optional<std::wstring> chosen;
  Seen seen = Answer(IDOK, [&] { chosen = CurrentPrompts().SaveFile(options); });
  EXPECT_EQ(seen.fileTypes, 2);
  EXPECT_EQ(seen.firstFileType, L"Bitmap (*.bmp)");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, base + L".bmp");

  Answer(IDCANCEL, [&] { chosen = CurrentPrompts().OpenFile(options); });
  EXPECT_FALSE(chosen.has_value());
}
