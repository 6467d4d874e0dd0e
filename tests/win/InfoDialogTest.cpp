// The information dialog over real windows: the rows it reads, "Refresh" after the window
// moved, changed or went away, and a second "Window Info" while the dialog is open.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/windows/WindowQueries.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"
#include "support/Script.h"
#include "support/TestWindow.h"

namespace {

using testsupport::Script;

// The information dialogs of this thread, by their windows.
int InfoWindows() {
  int count = 0;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM counter) WINAPI -> BOOL {
        wchar_t name[32] = {};
        ::GetClassNameW(window, name, 32);
        if (std::wstring(name) == L"TForm13") ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

std::wstring ColumnTitle(HWND list, int column) {
  wchar_t text[64] = {};
  LVCOLUMNW c{};
  c.mask = LVCF_TEXT;
  c.pszText = text;
  c.cchTextMax = 64;
  ::SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  return text;
}

class InfoDialogTest : public testsupport::MainFormTest {
 protected:
  TForm13* Dialog() const { return form.windowDialogs.InfoDialog(); }
  bool DialogUp() const { return Dialog() && Dialog()->Visible(); }
  std::wstring Row(const wchar_t* key) const { return Dialog()->rows.Value(key); }
  Script MakeScript() {
    return Script([this] {
      if (Dialog()) Dialog()->done.Click();
    });
  }
  testsupport::ScriptedPrompts prompts;  // nothing may be reported
};

TEST_F(InfoDialogTest, ReadsTheWindowAndRefreshFollowsItUntilItIsGone) {
  auto target = std::make_unique<testsupport::TestWindow>(L"Info target");
  const HWND window = target->get();
  ::SetWindowPos(window, nullptr, 10, 20, 800, 600, SWP_NOZORDER);
  FocusForm();
  Select(window);
  HWND dialogWindow = nullptr;
  Script script = MakeScript();
  script.Then([this] { return DialogUp(); },
              [&] {
                TForm13& dialog = *Dialog();
                dialogWindow = dialog.Handle();
                EXPECT_EQ(TForm13::Open(), &dialog);
                EXPECT_EQ(dialog.Caption(), L"Window Information");
                EXPECT_FALSE(::GetWindowLongW(dialogWindow, GWL_STYLE) & WS_SYSMENU);
                EXPECT_TRUE(::GetWindowLongW(dialogWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
                EXPECT_EQ(ColumnTitle(dialog.rows.Handle(), 0), L"Field");
                EXPECT_EQ(ColumnTitle(dialog.rows.Handle(), 1), L"Value");
                ASSERT_EQ(dialog.rows.Count(), 12);
                EXPECT_EQ(dialog.rows.ItemText(0), L"Title Bar Text");
                EXPECT_EQ(dialog.rows.ItemText(11), L"Stay On Top");
                EXPECT_EQ(Row(L"Title Bar Text"), L"Info target");
                EXPECT_EQ(Row(L"Handle No"),
                          std::to_wstring(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window))));
                EXPECT_EQ(Row(L"Top"), L"20");
                EXPECT_EQ(Row(L"Left"), L"10");
                EXPECT_EQ(Row(L"Right"), L"810");
                EXPECT_EQ(Row(L"Bottom"), L"620");
                EXPECT_EQ(Row(L"Width"), L"800");
                EXPECT_EQ(Row(L"Height"), L"600");
                EXPECT_EQ(Row(L"Surface Area (Pixels)"), L"480000");
                EXPECT_EQ(Row(L"Class Name"), L"VantoraTestWindow0");
                EXPECT_EQ(Row(L"Minimized"), L"False");
                EXPECT_EQ(Row(L"Stay On Top"), L"False");

                // Moved partly off the screen and kept on top.
                ::SetWindowPos(window, HWND_TOPMOST, -30, 40, 200, 100, SWP_NOACTIVATE);
                dialog.refresh.Click();
                EXPECT_EQ(Row(L"Left"), L"-30");
                EXPECT_EQ(Row(L"Top"), L"40");
                EXPECT_EQ(Row(L"Surface Area (Pixels)"), L"20000");
                EXPECT_EQ(Row(L"Stay On Top"), L"True");

                ::ShowWindow(window, SW_MINIMIZE);
                dialog.refresh.Click();
                EXPECT_EQ(Row(L"Minimized"), L"True");
                const RECT iconic = *platform::WindowRectangle(window);
                EXPECT_EQ(Row(L"Left"), std::to_wstring(iconic.left));

                target.reset();  // the window goes away
                dialog.refresh.Click();
                EXPECT_EQ(Row(L"Title Bar Text"), L"");
                EXPECT_EQ(Row(L"Minimized"), L"False");
                EXPECT_EQ(Row(L"Stay On Top"), L"False");
                EXPECT_EQ(dialog.rows.Count(), 12);
                dialog.done.Click();
              });
  form.WindowInfoClick();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(prompts.calls.empty());
  EXPECT_EQ(TForm13::Open(), nullptr);
  EXPECT_EQ(Dialog(), nullptr);
  EXPECT_FALSE(::IsWindow(dialogWindow));
}

TEST_F(InfoDialogTest, SecondPressOnlyRetargetsAndOneDoneEndsBoth) {
  testsupport::TestWindow first(L"First window"), second(L"Second window");
  FocusForm();
  Select(first.get());
  Script script = MakeScript();
  bool innerReturned = false;
  script.Then([this] { return DialogUp(); },
              [&] {
                EXPECT_EQ(Row(L"Title Bar Text"), L"First window");
                Select(second.get());
                script.Release();
                form.WindowInfoClick();  // waits inside this step until "Done"
                innerReturned = true;
              });
  script.Then([] { return true; },
              [&] {
                EXPECT_EQ(InfoWindows(), 1);
                EXPECT_EQ(Row(L"Title Bar Text"), L"First window");  // not refilled by the press
                EXPECT_EQ(form.windowDialogs.InfoTarget, second.get());
                Dialog()->refresh.Click();
                EXPECT_EQ(Row(L"Title Bar Text"), L"Second window");
                Dialog()->done.Click();
              });
  form.WindowInfoClick();
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(innerReturned);
  EXPECT_EQ(InfoWindows(), 0);
  EXPECT_EQ(TForm13::Open(), nullptr);
}

TEST_F(InfoDialogTest, ACloseRequestEndsTheDialogAsDoneDoes) {
  testsupport::TestWindow target(L"Closed info");
  FocusForm();
  Select(target.get());
  Script script = MakeScript();
  script.Then([this] { return DialogUp(); }, [&] { ::PostMessageW(Dialog()->Handle(), WM_CLOSE, 0, 0); });
  form.WindowInfoClick();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(InfoWindows(), 0);
}

}  // namespace
