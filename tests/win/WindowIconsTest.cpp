// The window icon panel and the screenshots, on windows of this process (Wine passes no icons
// between processes). tests/icons_check.sh reads the saved files back with ImageMagick, each
// as the format its name says.
#include <gtest/gtest.h>

#include <functional>

#include "icons/Capture.h"
#include "icons/portable/BmpFile.h"
#include "icons/portable/IcoFile.h"
#include "support/BmpReadBack.h"
#include "support/IconFilesOut.h"
#include "support/MainForm.h"
#include "support/PatternWindow.h"
#include "support/PictureHeader.h"
#include "support/ScriptedPrompts.h"
#include "support/TestWindow.h"

using testsupport::Contents;
using testsupport::IconOut;
using testsupport::PixelAt;
using testsupport::ReadBack;
using testsupport::ScriptedPrompts;
using testsupport::SeedIcon;
using testsupport::TestWindow;

namespace {

// A 32 x 32 icon, blue on the right half and transparent on the left.
platform::UniqueIcon HalfTransparentIcon() {
  platform::WindowDc screen(nullptr);
  platform::UniqueBitmap image(::CreateCompatibleBitmap(screen.get(), 32, 32));
  platform::UniqueBitmap mask(::CreateBitmap(32, 32, 1, 1, nullptr));
  platform::UniqueMemoryDc dc(::CreateCompatibleDC(screen.get()));
  RECT all{0, 0, 32, 32}, left{0, 0, 16, 32};
  {
    platform::SelectRestorer select(dc.get(), image.get());
    platform::UniqueBrush blue(::CreateSolidBrush(RGB(0, 0, 255)));
    ::FillRect(dc.get(), &all, blue.get());
    ::FillRect(dc.get(), &left, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  }
  {
    platform::SelectRestorer select(dc.get(), mask.get());
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::FillRect(dc.get(), &left, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), image.get()};
  return platform::UniqueIcon(::CreateIconIndirect(&info));
}

// The pop-up menus that open while `act` runs; each is closed as soon as it shows.
int MenusOpenedDuring(const std::function<void()>& act) {
  static int opened;
  opened = 0;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) WINAPI {
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    if (menu && ::IsWindowVisible(menu)) {
      ++opened;
      ::EndMenu();
    }
  });
  act();
  ::KillTimer(nullptr, timer);
  return opened;
}

class WindowIconsTest : public testsupport::MainFormTest {
 protected:
  void Give(HWND window, HICON big, HICON small) {
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
};

// Saves whose files the independent readers look at afterwards.
using WindowIconFiles = WindowIconsTest;

TEST_F(WindowIconFiles, IconSavesArePicturesOfTheChosenSizeAndTypeThatKeepTransparencyWhereTheyCan) {
  TestWindow window(L"Icon owner");
  const auto big = HalfTransparentIcon();
  // A small icon with an alpha channel: transparent, half transparent and opaque pixels.
  const platform::UniqueIcon small(static_cast<HICON>(
      ::LoadImageW(nullptr, SeedIcon(L"magick-16-alpha.ico").c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
  Give(window.get(), big.get(), small.get());
  Select(window.get());
  ScriptedPrompts prompts;

  // Large icon as a bitmap: white where the icon is transparent.
  const std::wstring large = IconOut(L"window-icon-large.bmp");
  prompts.fileAnswers.push_back(large);
  form.saveWindowIcon.Click();
  auto picture = ReadBack(large);
  EXPECT_EQ(picture.width, 32u);
  EXPECT_EQ(picture.height, 32u);
  EXPECT_EQ(PixelAt(picture, 4, 4), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(picture, 28, 28), RGB(0, 0, 255));

  // The same as PNG and as an icon file, transparent where the icon is (ImageMagick reads their
  // pixels in icons_check.sh).
  prompts.fileAnswers.push_back(IconOut(L"window-icon-large.png"));
  form.saveWindowIcon.Click();
  EXPECT_EQ(testsupport::PngSize(Contents(IconOut(L"window-icon-large.png"))), (testsupport::DeclaredSize{32, 32}));
  prompts.fileAnswers.push_back(IconOut(L"window-icon-large.ico"));
  form.saveWindowIcon.Click();
  const auto iconFile = Contents(IconOut(L"window-icon-large.ico"));
  const auto icon = icons::ReadIco(iconFile);
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->images[0].info.width, 32u);
  EXPECT_EQ(icon->images[0].info.height, 32u);

  // Small icon: 16 x 16 whatever the system's small-icon size.
  form.saveSmallIcon.SetChecked(true);
  const std::wstring smallPath = IconOut(L"window-icon-small.bmp");
  prompts.fileAnswers.push_back(smallPath);
  form.saveWindowIcon.Click();
  picture = ReadBack(smallPath);
  EXPECT_EQ(picture.width, 16u);
  EXPECT_EQ(picture.height, 16u);
  prompts.fileAnswers.push_back(IconOut(L"window-icon-small.png"));
  form.saveWindowIcon.Click();

  // "Save As.." of the large icon: the same content twice, and largeIcon keeps its icon.
  const HICON shown = form.largeIcon.Icon();
  ASSERT_NE(shown, nullptr);
  prompts.fileAnswers.push_back(IconOut(L"save-as-1.bmp"));
  prompts.fileAnswers.push_back(IconOut(L"save-as-2.bmp"));
  form.largeIconMenu.Item(L"SaveToFile1").OnClick();
  form.largeIconMenu.Item(L"SaveToFile1").OnClick();
  EXPECT_EQ(form.largeIcon.Icon(), shown);
  EXPECT_EQ(Contents(IconOut(L"save-as-1.bmp")), Contents(IconOut(L"save-as-2.bmp")));
  EXPECT_EQ(PixelAt(ReadBack(IconOut(L"save-as-1.bmp")), 4, 4), RGB(255, 255, 255));
}

TEST_F(WindowIconFiles, WindowScreenshotHasTheWindowsSizeAndFullScreenTheMonitors) {
  TestWindow window(L"Pictured window");
  ::ShowWindow(window.get(), SW_MINIMIZE);
  Select(window.get());
  ScriptedPrompts prompts;
  const std::wstring shot = IconOut(L"window-shot.png");
  prompts.fileAnswers.push_back(shot);
  form.screenshotWindow.Click();
  EXPECT_FALSE(::IsIconic(window.get())) << "a minimized window is restored for its picture";
  RECT rect{};
  ::GetWindowRect(window.get(), &rect);
  EXPECT_EQ(testsupport::PngSize(Contents(shot)),
            (testsupport::DeclaredSize{static_cast<uint32_t>(rect.right - rect.left),
                                       static_cast<uint32_t>(rect.bottom - rect.top)}));

  form.Show();
  const std::wstring screen = IconOut(L"full-screen.gif");
  prompts.fileAnswers.push_back(screen);
  form.screenshotScreen.Click();
  MONITORINFO monitor{sizeof(monitor)};
  ::GetMonitorInfoW(::MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  EXPECT_EQ(testsupport::GifSize(Contents(screen)),
            (testsupport::DeclaredSize{static_cast<uint32_t>(monitor.rcMonitor.right - monitor.rcMonitor.left),
                                       static_cast<uint32_t>(monitor.rcMonitor.bottom - monitor.rcMonitor.top)}));
  EXPECT_EQ(LayeredAlpha(form.Handle()), 255);
  EXPECT_FALSE(::IsIconic(ui::Application::Instance().Handle()));
}

// The window draws its own picture: another window kept on top of it does not show in it.
TEST_F(WindowIconFiles, WindowScreenshotOfACoveredWindowShowsTheWindowsOwnPixels) {
  constexpr COLORREF kOwn = RGB(200, 30, 40), kCover = RGB(20, 40, 220);
  testsupport::PatternWindow covered(L"Covered window", kOwn, {150, 150, 550, 450});
  Select(covered.get());
  testsupport::PatternWindow cover(L"", kCover, {250, 250, 450, 350}, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  ScriptedPrompts prompts;
  const std::wstring shot = IconOut(L"covered-window.bmp");
  prompts.fileAnswers.push_back(shot);
  form.screenshotWindow.Click();
  RECT client{};
  ::GetClientRect(covered.get(), &client);
  POINT corner{0, 0};
  ::ClientToScreen(covered.get(), &corner);
  RECT rect{};
  ::GetWindowRect(covered.get(), &rect);
  const auto picture = ReadBack(shot);
  ASSERT_EQ(picture.width, static_cast<uint32_t>(rect.right - rect.left));
  // Every other pixel of the client area, the part under the cover included.
  int own = 0, all = 0;
  for (int y = 0; y < client.bottom; y += 2)
    for (int x = 0; x < client.right; x += 2, ++all)
      own += PixelAt(picture, corner.x - rect.left + x, corner.y - rect.top + y) == kOwn;
  EXPECT_EQ(own, all);
}

TEST_F(WindowIconsTest, OnlyTheRightButtonOpensTheIconMenusAndOnlyWhenTheIconExists) {
  TestWindow plain(L"Without icons");
  Select(plain.get());
  EXPECT_EQ(MenusOpenedDuring([&] { form.LargeIconMouseDown(ui::MouseButton::Right); }), 0);
  EXPECT_EQ(MenusOpenedDuring([&] { form.SmallIconMouseDown(ui::MouseButton::Right); }), 0);

  TestWindow window(L"With icons");
  const auto big = HalfTransparentIcon();
  Give(window.get(), big.get(), big.get());
  Select(window.get());
  form.Show();
  EXPECT_EQ(MenusOpenedDuring([&] { form.LargeIconMouseDown(ui::MouseButton::Left); }), 0);
  EXPECT_EQ(MenusOpenedDuring([&] { form.SmallIconMouseDown(ui::MouseButton::Middle); }), 0);
  EXPECT_EQ(MenusOpenedDuring([&] { form.LargeIconMouseDown(ui::MouseButton::Right); }), 1);
  EXPECT_EQ(MenusOpenedDuring([&] { form.SmallIconMouseDown(ui::MouseButton::Right); }), 1);
  EXPECT_NE(form.largeIcon.Icon(), nullptr);
}

TEST_F(WindowIconsTest, FullScreenSaveErrorComesAfterTheMainWindowIsBack) {
  form.Show();
  ScriptedPrompts prompts;
  const std::wstring bad = IconOut(L"no-such-folder\\shot.bmp");
  prompts.fileAnswers.push_back(bad);
  form.screenshotScreen.Click();
  const auto errors = prompts.Texts(ScriptedPrompts::Kind::Error);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind(L"Cannot create file \"" + bad + L"\". ", 0), 0u) << errors[0];
  EXPECT_EQ(LayeredAlpha(form.Handle()), 255);
  EXPECT_FALSE(::IsIconic(ui::Application::Instance().Handle()));
  EXPECT_TRUE(form.Visible());
}

TEST_F(WindowIconsTest, CancelledFullScreenShotTouchesNothing) {
  form.Show();
  ScriptedPrompts prompts;
  prompts.fileAnswers.push_back(std::nullopt);
  form.screenshotScreen.Click();
  EXPECT_FALSE(Layered(form.Handle()));
}

TEST(CaptureTest, ZeroWidthOrHeightLeavesTheBitmapAsItWas) {
  platform::CaptureBitmap bitmap;
  ASSERT_TRUE(platform::CaptureScreenRect(0, 0, 8, 6, bitmap));
  const HBITMAP before = bitmap.bitmap.get();
  ASSERT_NE(before, nullptr);
  EXPECT_TRUE(platform::CaptureScreenRect(0, 0, 0, 50, bitmap));
  EXPECT_TRUE(platform::CaptureScreenRect(0, 0, 50, 0, bitmap));
  EXPECT_EQ(bitmap.bitmap.get(), before);
  EXPECT_EQ(ui::BitmapSize(before).cx, 8);
  EXPECT_EQ(ui::BitmapSize(before).cy, 6);
}

TEST_F(WindowIconsTest, LoadAcceptsIcoInAnyCaseAndTheIconHandedOutStaysValid) {
  TestWindow window(L"Icon receiver");
  Select(window.get());
  ScriptedPrompts prompts;

  prompts.fileAnswers.push_back(IconOut(L"picture.bmp"));
  form.loadIcon.Click();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Information), std::vector<std::wstring>{L"Invalid File Format"});
  EXPECT_FALSE(form.windowList.NewIconLoaded());

  // An upper-case name of a real file: accepted.
  const std::wstring upper = IconOut(L"PICTURE.ICO");
  ::CopyFileW(SeedIcon(L"magick-48-32-16.ico").c_str(), upper.c_str(), FALSE);
  prompts.fileAnswers.push_back(upper);
  form.loadIcon.Click();
  EXPECT_TRUE(form.windowList.NewIconLoaded());
  EXPECT_TRUE(form.changeLargeIcon.Enabled());
  form.changeLargeIcon.Click();
  const auto sent = reinterpret_cast<HICON>(::SendMessageW(window.get(), WM_GETICON, ICON_BIG, 0));
  ASSERT_NE(sent, nullptr);
  form.changeSmallIcon.Click();
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(window.get(), WM_GETICON, ICON_SMALL, 0)), sent);

  // Loading another icon must not destroy the one the window holds.
  prompts.fileAnswers.push_back(SeedIcon(L"magick-16-red.ico"));
  form.loadIcon.Click();
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(sent, &info)) << "the window's icon was released";
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);

  // A failed load is silent and disables "Change", also after another selection.
  const std::wstring broken = IconOut(L"broken.ico");
  platform::WriteFileBytes(broken, std::vector<uint8_t>{0, 0, 1, 0, 1, 0});
  prompts.fileAnswers.push_back(broken);
  form.loadIcon.Click();
  EXPECT_FALSE(form.windowList.NewIconLoaded());
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Information).size(), 1u);
  EXPECT_TRUE(prompts.Texts(ScriptedPrompts::Kind::Error).empty());
  Select(window.get());
  EXPECT_FALSE(form.changeLargeIcon.Enabled());
  EXPECT_FALSE(form.changeSmallIcon.Enabled());
}

}  // namespace
