// The options dialog of the running program, opened with "Options && Hotkeys" and worked from a
// second process: every control where the layout table puts it, the main window usable
// meanwhile, and a change taken when the dialog closes with "Ok".
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/ControlClasses.h"
#include "e2e/Driver.h"
#include "app/portable/MainLayout.h"
#include "options/portable/OptionsLayout.h"
#include "skin/portable/BuiltInSkins.h"

namespace {

using namespace std::chrono_literals;
using ui::ControlKind;

class OptionsDialogE2E : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vantora.Started());
    main = vantora.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    optionsButton = e2e::FindChild(main, L"Button", L"Options && Hotkeys");
    ASSERT_NE(optionsButton, nullptr);
  }

  HWND Open() {
    e2e::Click(optionsButton);
    return vantora.WaitForWindow(L"TForm10", L"Options");
  }

  // The dialog's control of the row: by class and caption, then by place; caption-less ones by
  // class and place.
  static HWND Locate(HWND dialog, std::string_view name) {
    const ui::LayoutRow* row = ui::FindRow(options::OptionsLayout(), name);
    if (!row) return nullptr;
    const ui::Bounds at = options::OptionsControlBounds(*row);
    const wchar_t* windowClass = e2e::WindowClassOf(row->kind);
    if (row->caption.empty() || row->kind == ControlKind::ComboBox)
      return e2e::ChildAt(dialog, windowClass, {at.left, at.top});
    return e2e::NearestAt(e2e::FindChildren(dialog, windowClass, std::wstring(row->caption).c_str()),
                          {at.left, at.top});
  }

  e2e::Process vantora;
  HWND main = nullptr, optionsButton = nullptr;
};

TEST_F(OptionsDialogE2E, OpensWithEveryControlInPlaceAndTakesTheRefreshPeriodAtOk) {
  HWND dialog = Open();
  ASSERT_NE(dialog, nullptr) << "no options dialog";
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindowEnabled(optionsButton); }, 5s)) << "one dialog at a time";
  EXPECT_TRUE(::IsWindowEnabled(main)) << "the main window stays usable";
  const SIZE client = e2e::ClientSize(dialog);
  EXPECT_EQ(client.cx, options::kOptionsClientWidth);
  EXPECT_EQ(client.cy, options::kOptionsClientHeight);
  EXPECT_TRUE(::GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(::GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU);

  for (const ui::LayoutRow& row : options::OptionsLayout()) {
    SCOPED_TRACE(std::string(row.name));
    HWND control = Locate(dialog, row.name);
    ASSERT_NE(control, nullptr) << "no control of its class and caption at its place";
    const ui::Bounds want = options::OptionsControlBounds(row);
    const RECT got = e2e::RectInParent(control);
    if (row.kind == ControlKind::Label) {
      EXPECT_GE(got.right - got.left, want.width);
    } else if (row.kind != ControlKind::ComboBox) {
      EXPECT_NEAR(got.right - got.left, want.width, e2e::kCaptionRoom);
      EXPECT_NEAR(got.bottom - got.top, want.height, e2e::kCaptionRoom);
    }
    EXPECT_EQ(::IsWindowEnabled(control) != FALSE, !(row.flags & ui::kDisabled));
  }
  EXPECT_EQ(::SendMessageW(Locate(dialog, "HotKey1"), HKM_GETHOTKEY, 0, 0),
            MAKEWORD('C', HOTKEYF_CONTROL | HOTKEYF_ALT));
  EXPECT_EQ(e2e::TextOf(Locate(dialog, "ComboBox1")), L"WMP11");

  HWND enable = Locate(dialog, "CheckBox1");
  EXPECT_EQ(e2e::CheckState(enable), BST_UNCHECKED);
  e2e::Click(enable);
  HWND slider = Locate(dialog, "TrackBar1");
  EXPECT_TRUE(e2e::WaitUntil([&] { return ::IsWindowEnabled(slider) != FALSE; }, 5s));
  EXPECT_TRUE(::IsWindowEnabled(Locate(dialog, "Label4")));
  EXPECT_FALSE(e2e::SaveScreenshot(dialog, L"options-dialog.bmp").empty());

  e2e::Click(Locate(dialog, "Button1"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }, 5s)) << "the dialog is destroyed at \"Ok\"";
  EXPECT_TRUE(e2e::WaitUntil([&] { return ::IsWindowEnabled(optionsButton) != FALSE; }, 5s));

  // Opened again: the period of one second was taken.
  HWND again = Open();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(e2e::CheckState(Locate(again, "CheckBox1")), BST_CHECKED);
  EXPECT_TRUE(::IsWindowEnabled(Locate(again, "TrackBar1")));
  EXPECT_EQ(e2e::TextOf(Locate(again, "Label4")), L"1 Second");
  e2e::Click(Locate(again, "Button2"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(again); }, 5s));
}

// A pixel of the screen at a point of the window's client area.
COLORREF ScreenPixel(HWND window, POINT client) {
  ::ClientToScreen(window, &client);
  const HDC screen = ::GetDC(nullptr);
  const COLORREF colour = ::GetPixel(screen, client.x, client.y);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

TEST_F(OptionsDialogE2E, TheSkinBoxAndSkinnedRepaintTheMainWindowAndTheDialogAtOnce) {
  HWND dialog = Open();
  ASSERT_NE(dialog, nullptr);
  const skin::Palette pink = skin::EffectivePalette(skin::FindBuiltInSkin(L"Ledenets (internal)")->palette, 0, 0);
  const COLORREF pinkWindow = RGB(pink.window.r, pink.window.g, pink.window.b);
  // Beside a panel of the main window, left of the dialog; the dialog's own corner.
  const ui::Bounds panel = vantora::MainControlBounds(*vantora::FindMainControl("sPanel3"));
  const POINT beside{panel.left - 4, panel.top + 20}, corner{3, options::kOptionsClientHeight - 3};

  // The user picks a skin from the list: the list says so to the dialog.
  HWND skins = Locate(dialog, "ComboBox1");
  DWORD_PTR index = 0, ignored = 0;
  ::SendMessageTimeoutW(skins, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(L"Ledenets (internal)"), SMTO_ABORTIFHUNG, 2000, &index);
  ::SendMessageTimeoutW(skins, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  ::SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(skins), CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(skins), SMTO_ABORTIFHUNG, 2000, &ignored);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ScreenPixel(main, beside) == pinkWindow; }, 5s))
      << std::hex << ScreenPixel(main, beside);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ScreenPixel(dialog, corner) == pinkWindow; }, 5s))
      << std::hex << ScreenPixel(dialog, corner);
  e2e::SaveScreenshot(dialog, L"options-dialog-ledenets.bmp");

  // "Skinned" off: the native look at once, in the main window's own colour; on: the skin again.
  HWND skinned = Locate(dialog, "CheckBox6");
  e2e::Click(skinned);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ScreenPixel(main, beside) == RGB(206, 196, 157); }, 5s))
      << std::hex << ScreenPixel(main, beside);
  e2e::SaveScreenshot(dialog, L"options-dialog-native.bmp");
  e2e::Click(skinned);
  EXPECT_TRUE(e2e::WaitUntil([&] { return ScreenPixel(main, beside) == pinkWindow; }, 5s));
  e2e::Click(Locate(dialog, "Button2"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }, 5s));
}

// Whether `upper` stands above `lower` in the Z order of the top-level windows.
bool Above(HWND upper, HWND lower) {
  for (HWND window = ::GetWindow(upper, GW_HWNDNEXT); window; window = ::GetWindow(window, GW_HWNDNEXT))
    if (window == lower) return true;
  return false;
}

TEST_F(OptionsDialogE2E, ACombinationAnotherProgramHoldsGivesErrorInFrontOfTheDialog) {
  e2e::Process holder(e2e::HelperExePath(L"foreign_windows_helper"), L"--title \"Holds Ctrl+Alt+K\" --hotkey 3,75");
  ASSERT_NE(holder.WaitForWindow(nullptr, L"Holds Ctrl+Alt+K"), nullptr);
  HWND dialog = Open();
  ASSERT_NE(dialog, nullptr);
  HWND hotKey = Locate(dialog, "HotKey3");
  ASSERT_NE(hotKey, nullptr);
  ::SendMessageW(hotKey, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  e2e::Click(Locate(dialog, "Button5"));

  HWND box = vantora.WaitForMessageBox(e2e::kApplicationTitle);
  ASSERT_NE(box, nullptr) << "no \"Error\" box";
  EXPECT_EQ(e2e::MessageBoxText(box), L"Error");
  EXPECT_EQ(::GetWindow(box, GW_OWNER), dialog);
  EXPECT_TRUE(Above(box, dialog)) << "the box must not open behind the dialog, which stays on top";
  EXPECT_FALSE(e2e::SaveScreenshot(box, L"options-hotkey-error.bmp").empty());
  EXPECT_TRUE(e2e::AnswerMessageBox(box, L"OK"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(box); }, 5s));

  e2e::Click(Locate(dialog, "Button1"));
  EXPECT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }, 5s));
  holder.Stop(0ms);  // closing its window does not end the helper: no grace time to wait out
}

}  // namespace
