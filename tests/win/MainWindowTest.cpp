// The main window as built from its layout table, checked through what Windows reports.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <string_view>

#include "app/VantoraMain.h"
#include "app/portable/SelectionGroups.h"
#include "app/portable/MainLayout.h"
#include "support/TestApp.h"

using testing_support::ClientRectOf;

namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64];
  ::GetClassNameW(window, name, 64);
  return name;
}

const wchar_t* ExpectedClass(ui::ControlKind kind) {
  using K = ui::ControlKind;
  switch (kind) {
    case K::Button:
    case K::BitBtn:
    case K::CheckBox:
    case K::RadioButton: return L"Button";
    case K::Edit: return L"Edit";
    case K::TrackBar: return L"msctls_trackbar32";
    case K::ListView: return L"SysListView32";
    case K::ComboBox: return L"ComboBox";
    default: return L"Static";
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  // Declared first: the form needs the application window and its module's resources.
  ui::Application& application = testing_support::TestApplication();
  ui::Owned<TForm6> form;
};

TEST_F(MainWindowTest, WindowHasItsCaptionClientSizeColourAndBorder) {
  wchar_t caption[64];
  ::GetWindowTextW(form.Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Vantora - Desktop Customization Suite");
  RECT client{};
  ::GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 992);
  EXPECT_EQ(client.bottom, 612);
  const LONG_PTR style = ::GetWindowLongPtrW(form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(form.Color(), RGB(206, 196, 157));
  EXPECT_EQ(ClassOf(form.Handle()), L"TForm6");
}

// Controls whose caption or enabled state the creation of the window takes from the desktop,
// the shell and the registry rather than from the layout: the shell toggles, the start-up
// button, the browser title, and the controls that follow the window list.
bool SetFromTheDesktop(std::string_view name) {
  static const std::string_view names[] = {"Button24", "Button25", "Button26", "Button27", "sBitBtn5", "Edit3"};
  const auto in = [name](const auto& group) { return std::ranges::find(group, name) != std::end(group); };
  return in(names) || in(vantora::kPerWindowGroup) || in(vantora::kBulkGroup);
}

TEST_F(MainWindowTest, EveryControlOfTheLayoutIsARealControlAtItsPlace) {
  for (const auto& row : vantora::MainWindowLayout()) {
    SCOPED_TRACE(std::string(row.name));
    ui::Control* control = form.FindControl(std::string(row.name));
    ASSERT_NE(control, nullptr);
    HWND h = control->Handle();
    EXPECT_EQ(::GetParent(h), form.Handle());
    EXPECT_EQ(ClassOf(h), ExpectedClass(row.kind));
    wchar_t text[128] = L"";
    ::GetWindowTextW(h, text, 128);
    if (row.kind != ui::ControlKind::ComboBox && !SetFromTheDesktop(row.name)) {
      EXPECT_EQ(std::wstring(text), std::wstring(row.caption));
    }
    // Where the font draws a caption wider or taller than its place, the controls of its row
    // move or grow by a few pixels (DpiLayoutTest checks that every caption then fits).
    constexpr int kCaptionRoom = 12;
    const auto want = vantora::MainControlBounds(row);
    const RECT got = ClientRectOf(h);
    EXPECT_NEAR(got.left, want.left, kCaptionRoom);
    EXPECT_NEAR(got.top, want.top, kCaptionRoom);
    const bool sizedToText = row.kind == ui::ControlKind::Label || row.kind == ui::ControlKind::Heading;
    if (sizedToText) {
      EXPECT_GE(got.right - got.left, want.width);
    } else if (row.kind != ui::ControlKind::ComboBox) {
      EXPECT_NEAR(got.right - got.left, want.width, kCaptionRoom);
      EXPECT_NEAR(got.bottom - got.top, want.height, kCaptionRoom);
    }
    if (!SetFromTheDesktop(row.name)) {
      EXPECT_EQ(::IsWindowEnabled(h) != FALSE, !(row.flags & ui::kDisabled));
    }
    EXPECT_EQ((::GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0, !(row.flags & ui::kHidden));
  }
}

TEST_F(MainWindowTest, InitialContentsAndStates) {
  EXPECT_EQ(::SendMessageW(form.saveLargeIcon.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageW(form.saveSmallIcon.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(form.opacitySlider.Handle(), TBM_GETRANGEMIN, 0, 0), 0);
  EXPECT_EQ(::SendMessageW(form.opacitySlider.Handle(), TBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(::SendMessageW(form.taskbarOpacitySlider.Handle(), TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(::SendMessageW(form.taskbarOpacitySlider.Handle(), TBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(form.browserVersion.Text(), L"Internet Explorer 7");
  EXPECT_EQ(form.browserVersion.Items().size(), 3u);
  EXPECT_EQ(ListView_GetImageList(form.windowListView.Handle(), LVSIL_SMALL), form.rowImages.Handle());
  int w = 0, h = 0;
  ImageList_GetIconSize(form.rowImages.Handle(), &w, &h);
  EXPECT_EQ(w, 18);
  EXPECT_EQ(h, 18);
  EXPECT_TRUE(form.armTimer.Enabled());
  EXPECT_FALSE(form.clipboardTimer.Enabled());
  EXPECT_FALSE(form.refreshTimer.Enabled());
  EXPECT_EQ(form.refreshTimer.Interval(), 1000u);
  ui::Application::Instance().ProcessMessages();  // the icon is added from the message loop
  EXPECT_TRUE(form.trayIcon.Visible());
  EXPECT_EQ(form.trayMenu.Items().size(), 5u);
  EXPECT_EQ(form.trayMenu.Item(L"MTT").caption, L"&Send Vantora to Tray");
}

// Arrow keys move between the two icon-size choices alone, not on to the labels and buttons after them.
TEST_F(MainWindowTest, TheIconSizeChoicesAreAGroupOfTheirOwn) {
  form.saveLargeIcon.SetEnabled(true);
  form.saveSmallIcon.SetEnabled(true);
  const HWND large = form.saveLargeIcon.Handle(), small = form.saveSmallIcon.Handle();
  EXPECT_EQ(::GetNextDlgGroupItem(form.Handle(), large, FALSE), small);
  EXPECT_EQ(::GetNextDlgGroupItem(form.Handle(), small, FALSE), large);
  EXPECT_EQ(::GetNextDlgGroupItem(form.Handle(), large, TRUE), small);
}

// The hints' tooltip is made once the pointer comes over the window, with the hints given before.
TEST_F(MainWindowTest, HintsArriveWithThePointer) {
  const auto tooltip = [this] {
    HWND found = nullptr;
    for (HWND w = ::FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w && !found;
         w = ::FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr))
      if (::GetWindow(w, GW_OWNER) == form.Handle()) found = w;
    return found;
  };
  EXPECT_EQ(tooltip(), nullptr);
  const HWND button = form.refreshList.Handle();
  ::SendMessageW(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  const HWND tip = tooltip();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  wchar_t text[80] = L"";
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.hwnd = form.Handle();
  info.uId = reinterpret_cast<UINT_PTR>(form.saveLargeIcon.Handle());
  info.lpszText = text;
  ::SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, L"Save The Window's Large Icon");
}

TEST_F(MainWindowTest, HeadingsAreBoldAndLargerThanTheBodyText) {
  LOGFONTW heading{}, body{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(form.customizeWindowsHeading.Handle(), WM_GETFONT, 0, 0)),
               sizeof(heading), &heading);
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(form.refreshList.Handle(), WM_GETFONT, 0, 0)), sizeof(body),
               &body);
  EXPECT_EQ(heading.lfWeight, FW_BOLD);
  EXPECT_EQ(heading.lfHeight, -13);
  EXPECT_EQ(body.lfHeight, -11);
  EXPECT_STREQ(body.lfFaceName, L"Tahoma");
}

TEST_F(MainWindowTest, DialogsCarryTheirFiltersAndDefaults) {
  EXPECT_EQ(form.openIconDialog.Options().filter, L"Icons (*.ico)|*.ico");
  EXPECT_EQ(form.openIconDialog.Options().defaultExt, L".ico");
  EXPECT_EQ(form.savePictureDialog.Options().defaultExt, L".bmp");
  EXPECT_EQ(form.savePictureDialog.FileName(), L"ScreenShot");
  EXPECT_TRUE(form.savePictureDialog.Options().flags & OFN_FORCESHOWHIDDEN);
  EXPECT_EQ(form.savePictureDialog.Options().filter.rfind(L"Bitmaps (*.bmp)|*.bmp|", 0), 0u);
  EXPECT_EQ(form.openProgramDialog.Options().defaultExt, L"");
  EXPECT_EQ(form.openWallpaperDialog.Options().filter.rfind(L"All (*.png;", 0), 0u);
}

}  // namespace
