// Vantora started as the user starts it and looked at from a second process: the main window,
// its controls where the layout table puts them, their first states, and the end by the
// title-bar close button. The test session's desktop holds no other program's window unless a
// test starts one; Wine's notification area, a window of its own there, is part of the shell
// and never listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/portable/MainLayout.h"
#include "e2e/ControlClasses.h"
#include "e2e/Driver.h"
#include "platform/system/Processes.h"
#include "skin/portable/SkinLibrary.h"

namespace {

using namespace std::chrono_literals;
using ui::ControlKind;

// Toggles whose first caption start-up takes from the state of the shell or the registry; the
// layout table holds the first of the two.
struct Toggle {
  std::wstring_view designed, other;
};
constexpr std::array kStartupToggles = {
    Toggle{L"Hide TaskBar Clock", L"Show TaskBar Clock"},
    Toggle{L"Hide TaskBar", L"Show TaskBar"},
    Toggle{L"Hide Desktop", L"Show Desktop"},
    Toggle{L"Hide TaskBar Items", L"Show TaskBar Items"},
    Toggle{L"Start on Windows Startup", L"Do Not Start on Windows Startup"},
};

std::wstring OtherCaptionOf(std::wstring_view designed) {
  for (const auto& toggle : kStartupToggles)
    if (toggle.designed == designed) return std::wstring(toggle.other);
  return {};
}

POINT TopLeftOf(const ui::LayoutRow& row) {
  const auto bounds = vantora::MainControlBounds(row);
  return {bounds.left, bounds.top};
}

class MainWindowE2E : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vantora.Started());
    main = vantora.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "the main window did not appear";
  }

  // The control of the row, found by its class and caption among the main window's children
  // and then by its place (within the room a caption may take); a caption-less control by its
  // class and place alone.
  HWND Locate(const ui::LayoutRow& row) const {
    const wchar_t* windowClass = e2e::WindowClassOf(row.kind);
    const POINT at = TopLeftOf(row);
    if (row.caption.empty() || row.kind == ControlKind::ComboBox) return e2e::ChildAt(main, windowClass, at);
    std::vector<HWND> candidates = e2e::FindChildren(main, windowClass, std::wstring(row.caption).c_str());
    if (const std::wstring other = OtherCaptionOf(row.caption); !other.empty()) {
      const auto more = e2e::FindChildren(main, windowClass, other.c_str());
      candidates.insert(candidates.end(), more.begin(), more.end());
    }
    return e2e::NearestAt(candidates, at);
  }

  HWND Control(std::string_view name) const {
    const ui::LayoutRow* row = vantora::FindMainControl(name);
    return row ? Locate(*row) : nullptr;
  }

  e2e::Process vantora;
  HWND main = nullptr;
};

TEST_F(MainWindowE2E, OpensCentredWithItsCaptionSizeAndBorderOwnedByTheApplicationWindow) {
  EXPECT_EQ(e2e::ClassOf(main), e2e::kMainWindowClass);
  EXPECT_EQ(e2e::TextOf(main), e2e::kMainWindowCaption);
  const SIZE client = e2e::ClientSize(main);
  EXPECT_EQ(client.cx, vantora::kMainClientWidth);
  EXPECT_EQ(client.cy, vantora::kMainClientHeight);

  const LONG style = ::GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the main window must not be resizable";

  const RECT outer = e2e::RectInParent(main);
  EXPECT_NEAR((outer.left + outer.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((outer.top + outer.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  // The invisible application window owns the main window and carries the program's title.
  HWND owner = ::GetWindow(main, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(e2e::TextOf(owner), e2e::kApplicationTitle);
  DWORD ownerProcess = 0;
  ::GetWindowThreadProcessId(owner, &ownerProcess);
  EXPECT_EQ(ownerProcess, vantora.Id());

  const std::wstring shot = e2e::SaveScreenshot(main, L"main-window.bmp");
  ASSERT_FALSE(shot.empty());
  const RECT frame = e2e::RectInParent(main);
  const auto stride = ((frame.right - frame.left) * 3 + 3) & ~3;
  EXPECT_EQ(std::filesystem::file_size(shot), 54u + static_cast<std::uintmax_t>(stride * (frame.bottom - frame.top)));
}

// The start-up skin's colours as its file beside the program gives them.
skin::Palette StartupSkinColours() {
  std::ifstream file(VANTORA_EXE_DIR "/Skins/WMP11.vskin", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const skin::SkinLibrary library = skin::LoadSkins({skin::SkinFile{L"WMP11.vskin", text.str()}});
  for (const auto& named : library.skins)
    if (named.name == L"WMP11")
      return skin::EffectivePalette(named.palette, 0, 0);  // at start-up: no hue, no saturation
  ADD_FAILURE() << "no skin WMP11 beside the program";
  return {};
}

TEST_F(MainWindowE2E, StartsPaintedInTheStartupSkinWithItsControlsStillRealControls) {
  const skin::Palette wmp11 = StartupSkinColours();
  const auto screenPixel = [this](const ui::Bounds& b, int dx, int dy) {
    POINT p{b.left + dx, b.top + dy};
    ::ClientToScreen(main, &p);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, p.x, p.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
  };
  const auto ref = [](skin::Rgb c) { return RGB(c.r, c.g, c.b); };
  ::RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  e2e::SaveScreenshot(main, L"main-window-wmp11.bmp");
  const auto panel = vantora::MainControlBounds(*vantora::FindMainControl("sPanel3"));
  EXPECT_EQ(screenPixel(panel, -4, 20), ref(wmp11.window)) << "the form beside a panel";
  EXPECT_EQ(screenPixel(panel, 4, 60), ref(wmp11.panel)) << "inside the panel";
  EXPECT_EQ(screenPixel(panel, 0, 60), ref(wmp11.border)) << "the panel's frame";
  const auto refresh = vantora::MainControlBounds(*vantora::FindMainControl("Button13"));
  EXPECT_EQ(screenPixel(refresh, 8, refresh.height / 2), ref(wmp11.button)) << "a button's face";
  const auto edit = vantora::MainControlBounds(*vantora::FindMainControl("Edit1"));
  EXPECT_EQ(screenPixel(edit, edit.width - 8, edit.height / 2), ref(wmp11.panel)) << "an edit box";

  // Only the pixels changed: the controls are the system's, found by class and caption.
  for (const char* name : {"Button13", "sBitBtn4", "CheckBox1", "Button6"}) {
    SCOPED_TRACE(name);
    const HWND control = Control(name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(e2e::ClassOf(control), L"Button");
  }
  EXPECT_NE(e2e::FindChild(main, L"Button", L"Options && Hotkeys"), nullptr);
}

TEST_F(MainWindowE2E, EveryCaptionedControlHasItsClassCaptionAndPlace) {
  int captioned = 0;
  for (const auto& row : vantora::MainWindowLayout()) {
    if (row.caption.empty()) continue;
    ++captioned;
    SCOPED_TRACE(std::string(row.name));
    HWND control = Locate(row);
    ASSERT_NE(control, nullptr) << "no control of its class and caption at its place";
    EXPECT_EQ(::GetParent(control), main);
    const std::wstring text = e2e::TextOf(control);
    EXPECT_TRUE(text == row.caption || text == OtherCaptionOf(row.caption)) << testing::PrintToString(text);

    const auto want = vantora::MainControlBounds(row);
    const RECT got = e2e::RectInParent(control);
    EXPECT_NEAR(got.left, want.left, e2e::kCaptionRoom);
    EXPECT_NEAR(got.top, want.top, e2e::kCaptionRoom);
    if (row.kind == ControlKind::Label || row.kind == ControlKind::Heading) {
      // Labels grow to their text; they are never narrower than designed.
      EXPECT_GE(got.right - got.left, want.width);
    } else {
      EXPECT_NEAR(got.right - got.left, want.width, e2e::kCaptionRoom);
      // A drop-down list's height is the system's.
      if (row.kind != ControlKind::ComboBox) {
        EXPECT_NEAR(got.bottom - got.top, want.height, e2e::kCaptionRoom);
      }
    }
    EXPECT_TRUE(::IsWindowVisible(control));
  }
  EXPECT_GE(captioned, 40);
}

TEST_F(MainWindowE2E, IconChangeExecutableIconWallpaperAndSaveChoiceStartDisabled) {
  for (const char* name : {"Button12", "Button11", "Button37", "Button30"}) {
    SCOPED_TRACE(name);
    HWND control = Control(name);
    ASSERT_NE(control, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(control));
  }
  // The save choice belongs to the selected window: enabled exactly when a row is selected.
  const bool selected = e2e::ListViewSelectedIndex(Control("ListView1")) >= 0;
  for (const char* name : {"RadioButton1", "RadioButton2"}) {
    SCOPED_TRACE(name);
    HWND control = Control(name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(::IsWindowEnabled(control) != FALSE, selected);
  }
  EXPECT_EQ(e2e::CheckState(Control("RadioButton1")), BST_CHECKED);
  EXPECT_EQ(e2e::CheckState(Control("RadioButton2")), BST_UNCHECKED);
  // Controls beside them that do not depend on a selected window start enabled.
  for (const char* name : {"Button13", "Button20", "Button34", "Button29", "sBitBtn1"}) {
    SCOPED_TRACE(name);
    HWND control = Control(name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(::IsWindowEnabled(control));
  }
}

TEST_F(MainWindowE2E, WindowListHasItsOneColumn) {
  HWND list = Control("ListView1");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(e2e::ListViewColumnTitle(list, 0), L"Open Windows:");
  // The one column fills the list, less a vertical scroll bar when one shows.
  RECT client{};
  ::GetClientRect(list, &client);
  EXPECT_EQ(e2e::ListViewColumnWidth(list, 0), client.right);
  EXPECT_EQ(e2e::ListViewColumnCount(list), 1);
  EXPECT_EQ(e2e::TextOf(Control("sComboBox1")), L"Internet Explorer 7");
}

TEST_F(MainWindowE2E, ClosingTheMainWindowEndsTheProgramWithExitCodeZero) {
  ASSERT_TRUE(::PostMessageW(main, WM_CLOSE, 0, 0));
  const auto code = vantora.WaitForExit(20s);
  ASSERT_TRUE(code.has_value()) << "still running after WM_CLOSE";
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(vantora.FindTopLevel(nullptr, nullptr), nullptr) << "a window outlived the process";
}

TEST(MainWindowStartE2E, TheOneOtherWindowOnTheDesktopIsRowZeroAndItsTitleIsInTheBox) {
  e2e::Process other(e2e::HelperExePath(L"foreign_windows_helper"), L"--title \"Alone beside Vantora\"");
  HWND window = other.WaitForWindow(nullptr, L"Alone beside Vantora");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10s));
  e2e::Process vantora;
  HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  HWND list = e2e::ChildAt(main, L"SysListView32", TopLeftOf(*vantora::FindMainControl("ListView1")));
  HWND title = e2e::ChildAt(main, L"Edit", TopLeftOf(*vantora::FindMainControl("Edit1")));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(e2e::ListViewRows(list), std::vector<std::wstring>{L"Alone beside Vantora"});
  EXPECT_EQ(e2e::ListViewSelectedIndex(list), 0);
  EXPECT_EQ(e2e::TextOf(title), L"Alone beside Vantora");
  other.Stop(0ms);
}

TEST(MainWindowStartE2E, UnderWineNotepadsRowShowsItsProgramsIcon) {
  if (!e2e::RunningOnWine()) GTEST_SKIP() << "Windows hands a window's icon across processes itself";
  e2e::Process notepad(L"C:\\windows\\system32\\notepad.exe");
  HWND window = notepad.WaitForWindow(nullptr, L"Untitled - Notepad");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10s));
  e2e::Process vantora;
  HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  HWND list = e2e::ChildAt(main, L"SysListView32", TopLeftOf(*vantora::FindMainControl("ListView1")));
  ASSERT_NE(list, nullptr);
  const auto rows = e2e::ListViewRows(list);
  const auto row = std::find(rows.begin(), rows.end(), L"Untitled - Notepad");
  ASSERT_NE(row, rows.end());
  EXPECT_GE(e2e::ListViewItemImage(list, static_cast<int>(row - rows.begin())), 0);
  e2e::SaveScreenshot(main, L"notepad-row-icon.bmp");
  notepad.Stop(0ms);
}

// On a 64-bit system the 32-bit program lives among 64-bit ones; the system's notepad is one.
TEST(MainWindowStartE2E, OnA64BitSystemItsNotepadIsListedPicturedRetitledAndArranged) {
  if (!e2e::On64BitSystem()) GTEST_SKIP() << "a 32-bit system has no 64-bit programs";
  e2e::Process notepad(e2e::NativeSystemFolderPath(L"notepad.exe"));
  HWND window = notepad.WaitForWindow(nullptr, L"Untitled - Notepad");
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 10s));
  const platform::UniqueKernelHandle process(
      ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, platform::WindowProcessId(window)));
  BOOL wow64 = TRUE;
  ASSERT_TRUE(process && ::IsWow64Process(process.get(), &wow64));
  ASSERT_FALSE(wow64) << "this notepad is no 64-bit program";
  ::SetWindowPos(window, nullptr, 301, 203, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  e2e::Process vantora;
  HWND main = vantora.WaitForMainWindow();
  ASSERT_NE(main, nullptr);
  const auto control = [&](std::string_view name, const wchar_t* windowClass) {
    return e2e::ChildAt(main, windowClass, TopLeftOf(*vantora::FindMainControl(name)));
  };
  HWND list = control("ListView1", L"SysListView32");
  ASSERT_NE(list, nullptr);
  const auto rows = e2e::ListViewRows(list);
  const auto found = std::find(rows.begin(), rows.end(), L"Untitled - Notepad");
  ASSERT_NE(found, rows.end()) << "the 64-bit window is not listed";
  const int row = static_cast<int>(found - rows.begin());
  if (e2e::RunningOnWine()) {  // Windows hands the window's own icon across processes
    EXPECT_GE(e2e::ListViewItemImage(list, row), 0) << "no picture from its program's file";
  }

  if (e2e::ListViewSelectedIndex(list) != row) {
    ASSERT_TRUE(e2e::ClickListViewItem(list, row));
  }
  HWND title = control("Edit1", L"Edit");
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(title) == L"Untitled - Notepad"; }, 5s));
  ASSERT_TRUE(e2e::SetText(title, L"Retitled across bitness"));
  e2e::Click(control("Button1", L"Button"));  // "Update Text"
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::TextOf(window) == L"Retitled across bitness"; }, 10s))
      << "the 64-bit window kept its title";
  if (HWND box = vantora.WaitForMessageBox(e2e::kApplicationTitle, 0ms)) ADD_FAILURE() << e2e::MessageBoxText(box);

  e2e::Click(control("Button15", L"Button"));  // "Cascade Windows"
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        const RECT at = e2e::RectInParent(window);
        return at.left != 301 || at.top != 203;
      },
      10s))
      << "the 64-bit window was not arranged";
  e2e::SaveScreenshot(main, L"among-64-bit-programs.bmp");
  notepad.Stop(0ms);
}

}  // namespace
