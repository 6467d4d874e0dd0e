// The resize screen over real windows, driven with real mouse input (SendInput): the model
// stands exactly on the target, drags move and resize it pixel for pixel, "Apply" places the
// target, and nothing else (Cancel, Alt+F4, clicks on the picture) touches it.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "platform/windows/VisibleBounds.h"
#include "ui/Image.h"
#include "support/ForeignWindows.h"
#include "support/Keys.h"
#include "support/MainForm.h"
#include "support/Mouse.h"
#include "support/PatternWindow.h"
#include "support/ScreenPicture.h"
#include "support/ScriptedPrompts.h"
#include "support/Script.h"
#include "support/TestWindow.h"

namespace {

using testsupport::Drag;
using testsupport::MouseAt;
using testsupport::ScreenPicture;
using testsupport::ScreenPoint;
using testsupport::ScreenRect;
using testsupport::Script;

void ExpectRect(HWND window, RECT expected) {
  const RECT r = ScreenRect(window);
  EXPECT_EQ(r.left, expected.left);
  EXPECT_EQ(r.top, expected.top);
  EXPECT_EQ(r.right, expected.right);
  EXPECT_EQ(r.bottom, expected.bottom);
}

// The pixels of a bitmap, top-down, as 0x00RRGGBB.
std::vector<DWORD> BitmapPixels(HBITMAP bitmap, SIZE size) {
  std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB};
  HDC screen = ::GetDC(nullptr);
  ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, screen);
  for (DWORD& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}
bool Intersect(const RECT& a, const RECT& b) {
  RECT both{};
  return ::IntersectRect(&both, &a, &b) != FALSE;
}

class ResizeScreenTest : public testsupport::MainFormTest {
 protected:
  void SetUp() override {
    ::SetWindowPos(target.get(), nullptr, 100, 80, 640, 480, SWP_NOZORDER);
    FocusForm();
    Select(target.get());
  }
  TForm7* Screen() const { return form.windowDialogs.ResizeScreen(); }
  bool ScreenUp() const { return Screen() && Screen()->Visible() && Screen()->frontTimer.Enabled(); }
  // Ends a stalled run the way the user would.
  Script MakeScript() {
    return Script([this] {
      if (Screen()) Screen()->cancel.Click();
    });
  }

  testsupport::TestWindow target{L"Resize target"};
};

// The invisible borders of Windows 10 and 11 (a few pixels left, right and bottom), which Wine never
// reports: the report is replaced for the run, and the panel must stand on the visible frame.
std::optional<RECT> FrameInsideBorders(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return RECT{r.left + 7, r.top, r.right - 6, r.bottom - 5};
}

struct FrameReportScope {
  explicit FrameReportScope(platform::FrameReport report) { platform::SetFrameReport(report); }
  ~FrameReportScope() { platform::SetFrameReport(nullptr); }
};

TEST_F(ResizeScreenTest, ModelLiesOnTheWindowAndApplyWithoutDragKeepsItThere) {
  // Just below the main window: the picture taken once it is hidden shows this, not the program.
  constexpr COLORREF kBelow = RGB(0x20, 0xC0, 0x60);
  const RECT mainRect = ScreenRect(form.Handle());
  const testsupport::PatternWindow below(L"Below the main window", kBelow, mainRect);
  ::SetWindowPos(below.get(), form.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The window's rectangle as Wine reports it (no frame), then with invisible borders.
  const std::pair<platform::FrameReport, RECT> runs[] = {{nullptr, {100, 80, 740, 560}},
                                                         {&FrameInsideBorders, {107, 80, 734, 555}}};
  for (const auto& [report, seen] : runs) {
    SCOPED_TRACE(report ? "with invisible borders" : "without a frame");
    const FrameReportScope scope(report);
    Select(target.get());  // the window below is listed too, and the last run's rebuild may select it
    Script script = MakeScript();
    bool checked = false;
    script.Then([this] { return ScreenUp(); },
                [&] {
                  TForm7& screen = *Screen();
                  // A corner of the main window that the target does not cover.
                  const SIZE whole = ui::BitmapSize(screen.frozenScreen.Bitmap());
                  const int x = mainRect.right - 20, y = mainRect.bottom - 20;
                  EXPECT_EQ(BitmapPixels(screen.frozenScreen.Bitmap(), whole)[static_cast<size_t>(y) * whole.cx + x],
                            static_cast<DWORD>(GetRValue(kBelow) << 16 | GetGValue(kBelow) << 8 | GetBValue(kBelow)));
                  EXPECT_EQ(TForm7::Open(), &screen);
                  EXPECT_FALSE(form.Visible());
                  const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
                  ExpectRect(screen.Handle(), {0, 0, cx, cy});
                  const SIZE picture = ui::BitmapSize(screen.frozenScreen.Bitmap());
                  EXPECT_EQ(picture.cx, cx);
                  EXPECT_EQ(picture.cy, cy);
                  ExpectRect(screen.modelPanel.Handle(), seen);
                  const RECT handle = ScreenRect(screen.dragHandle.Handle());
                  EXPECT_EQ(handle.right, seen.right);
                  EXPECT_EQ(handle.bottom, seen.bottom);
                  // "Cancel" ends on the model's centre line, "Apply" 10 pixels right of it.
                  const RECT cancel = ScreenRect(screen.cancel.Handle()), apply = ScreenRect(screen.apply.Handle());
                  EXPECT_EQ(cancel.right, seen.left + (seen.right - seen.left) / 2);
                  EXPECT_EQ(apply.left, cancel.right + 10);
                  EXPECT_EQ(screen.cancel.Caption(), L"Cancel");
                  EXPECT_EQ(screen.apply.Caption(), L"Apply");
                  checked = true;
                  screen.apply.Click();
                });
    form.ResizeWindowClick();
    EXPECT_TRUE(checked);
    ExpectRect(target.get(), {100, 80, 740, 560});
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(TForm7::Open(), nullptr);
    EXPECT_EQ(Screen(), nullptr);
  }
}

TEST_F(ResizeScreenTest, DraggingThePanelAndItsLabelMovesTheWindowByTheSame) {
  Script script = MakeScript();
  script.Then([this] { return ScreenUp(); },
              [&] {
                TForm7& screen = *Screen();
                // Below the label and the buttons: the white panel itself.
                const POINT onPanel = ScreenPoint(screen.modelPanel.Handle(), 10, 300);
                Drag(onPanel, {onPanel.x + 30, onPanel.y + 5});
                const POINT onLabel = ScreenPoint(screen.modelNote.Handle(), 20, 4);
                Drag(onLabel, {onLabel.x + 20, onLabel.y + 15});
                ExpectRect(screen.modelPanel.Handle(), {150, 100, 790, 580});
                const RECT handle = ScreenRect(screen.dragHandle.Handle());  // a move takes the handle along
                EXPECT_EQ(handle.right, 790);
                EXPECT_EQ(handle.bottom, 580);
                screen.apply.Click();
              });
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
  ExpectRect(target.get(), {150, 100, 790, 580});
}

TEST_F(ResizeScreenTest, CornerDragAddsThePressOffsetAndTheHandleFollowsOnRelease) {
  Script script = MakeScript();
  script.Then([this] { return ScreenUp(); },
              [&] {
                TForm7& screen = *Screen();
                const RECT handleBefore = ScreenRect(screen.dragHandle.Handle());
                const POINT press = ScreenPoint(screen.dragHandle.Handle(), 13, 11);
                MouseAt(press);
                MouseAt(press, MOUSEEVENTF_LEFTDOWN);
                MouseAt({press.x + 1, press.y + 1});
                ExpectRect(screen.modelPanel.Handle(), {100, 80, 754, 572});  // 14 wider, 12 higher
                ExpectRect(screen.dragHandle.Handle(), handleBefore);         // the handle waits for the release
                MouseAt({press.x + 1, press.y + 1}, MOUSEEVENTF_LEFTUP);
                const RECT handle = ScreenRect(screen.dragHandle.Handle());
                EXPECT_EQ(handle.right, 754);
                EXPECT_EQ(handle.bottom, 572);
                const RECT cancel = ScreenRect(screen.cancel.Handle());
                EXPECT_EQ(cancel.right, 100 + 654 / 2);  // laid out for the new width during the drag
                screen.apply.Click();
              });
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
  ExpectRect(target.get(), {100, 80, 754, 572});
}

TEST_F(ResizeScreenTest, AltF4AndClicksOnThePictureChangeNothingAndCancelLeavesTheWindow) {
  Script script = MakeScript();
  script.Then([this] { return ScreenUp(); },
              [&] {
                TForm7& screen = *Screen();
                const POINT onPanel = ScreenPoint(screen.modelPanel.Handle(), 10, 300);
                Drag(onPanel, {onPanel.x + 40, onPanel.y + 40});
                ::SetForegroundWindow(screen.Handle());
                testsupport::PressChord({VK_MENU}, VK_F4);
                ::PostMessageW(screen.Handle(), WM_CLOSE, 0, 0);
                Pump(300);
                EXPECT_TRUE(screen.Visible());
                EXPECT_FALSE(screen.Finished);
                // Pressed and dragged on the frozen picture, away from the model.
                Drag(ScreenPoint(screen.Handle(), 20, 20), ScreenPoint(screen.Handle(), 60, 50));
                ExpectRect(screen.modelPanel.Handle(), {140, 120, 780, 600});
                screen.cancel.Click();
              });
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
  ExpectRect(target.get(), {100, 80, 740, 560});
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(Screen(), nullptr);
}

TEST_F(ResizeScreenTest, ApplyWithoutASelectedRowMovesNothing) {
  Script script = MakeScript();
  script.Then([this] { return ScreenUp(); },
              [&] {
                TForm7& screen = *Screen();
                const POINT onPanel = ScreenPoint(screen.modelPanel.Handle(), 10, 300);
                Drag(onPanel, {onPanel.x + 40, onPanel.y + 40});
                form.windowListView.SetItemIndex(-1);  // a rebuild meanwhile lost the row
                screen.apply.Click();
              });
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
  ExpectRect(target.get(), {100, 80, 740, 560});
  EXPECT_TRUE(form.Visible());
}

TEST_F(ResizeScreenTest, ApplyOnAWindowWhoseProgramHangsReturnsPromptly) {
  testsupport::ForeignWindows hung(L"--hung --title \"Hung target\"");
  const HWND window = hung.Find(L"Hung target");
  ASSERT_NE(window, nullptr);
  const RECT before = ScreenRect(window);
  Select(window);
  ULONGLONG applyMs = 0;
  Script script = MakeScript();
  script.Then([this] { return ScreenUp(); },
              [&] {
                const POINT onPanel = ScreenPoint(Screen()->modelPanel.Handle(), 5, 100);
                Drag(onPanel, {onPanel.x + 40, onPanel.y + 40});
                const ULONGLONG start = ::GetTickCount64();
                Screen()->apply.Click();
                applyMs = ::GetTickCount64() - start;
              });
  const ULONGLONG start = ::GetTickCount64();
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
  EXPECT_LT(applyMs, 2000u);
  EXPECT_LT(::GetTickCount64() - start, 8000u);
  ExpectRect(window, before);  // left alone
  EXPECT_TRUE(form.Visible());
}

TEST_F(ResizeScreenTest, MinimizedWindowIsRefusedWithAMessageAndNoScreen) {
  testsupport::ScriptedPrompts prompts;
  ::ShowWindow(target.get(), SW_MINIMIZE);
  Select(target.get());
  form.ResizeWindowClick();
  EXPECT_EQ(prompts.Texts(testsupport::ScriptedPrompts::Kind::Information),
            std::vector<std::wstring>{L"Cannot Resize A Minimized Or Invisible Window."});
  EXPECT_TRUE(form.Visible());
  EXPECT_TRUE(!Screen() || !Screen()->Visible());
  EXPECT_TRUE(::IsIconic(target.get()));

  // Restored, the same window is accepted by the screen kept from the refused run.
  ::ShowWindow(target.get(), SW_RESTORE);
  ::SetWindowPos(target.get(), nullptr, 100, 80, 640, 480, SWP_NOZORDER);
  Select(target.get());
  Script script = MakeScript();
  script.Then([this] { return ScreenUp(); }, [&] { Screen()->cancel.Click(); });
  form.ResizeWindowClick();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(prompts.calls.size(), 1u);
}

// Targets smaller than the panel's contents: the handle lies on top and takes its own presses,
// the explanation never paints outside the white panel, and "Cancel" and "Apply" stay on the
// screen, clear of the panel's handle, where a real click reaches them.
TEST_F(ResizeScreenTest, SmallTargetsKeepTheHandleTheLabelAndTheButtonsUsable) {
  struct Case {
    int width, height;
  };
  for (const Case& c : {Case{200, 120}, Case{120, 60}, Case{60, 40}}) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    ::SetWindowPos(target.get(), nullptr, 300, 200, c.width, c.height, SWP_NOZORDER);
    // The system may keep a titled window larger than asked (Wine: about 112 pixels wide).
    const RECT real = ScreenRect(target.get());
    const int width = real.right - real.left, height = real.bottom - real.top;
    Select(target.get());
    RECT dragged{};
    Script script = MakeScript();
    script.Then([this] { return ScreenUp(); },
                [&] {
                  TForm7& screen = *Screen();
                  const RECT panel = ScreenRect(screen.modelPanel.Handle());
                  ExpectRect(screen.modelPanel.Handle(), real);
                  EXPECT_TRUE(Contains(panel, ScreenRect(screen.modelNote.Handle())));

                  // Around the panel the screen shows the frozen picture, but for the buttons.
                  const RECT cancel = ScreenRect(screen.cancel.Handle()), apply = ScreenRect(screen.apply.Handle());
                  const RECT around{panel.left - 60, panel.top - 60, panel.right + 60, panel.bottom + 120};
                  const SIZE size = ui::BitmapSize(screen.frozenScreen.Bitmap());
                  const std::vector<DWORD> frozen = BitmapPixels(screen.frozenScreen.Bitmap(), size);
                  screen.Repaint();
                  const ScreenPicture shown(around);
                  int strays = 0;
                  for (int y = around.top; y < around.bottom; ++y)
                    for (int x = around.left; x < around.right; ++x) {
                      if (Inside(panel, x, y) || Inside(cancel, x, y) || Inside(apply, x, y)) continue;
                      const COLORREF pixel = shown.At(x - around.left, y - around.top);
                      const DWORD want = frozen[static_cast<size_t>(y) * size.cx + x];
                      strays += pixel != RGB((want >> 16) & 0xFF, (want >> 8) & 0xFF, want & 0xFF);
                    }
                  EXPECT_EQ(strays, 0) << "pixels of the panel's contents outside the panel";

                  // The buttons: on the screen, whole, clear of the panel's handle.
                  const RECT handle = ScreenRect(screen.dragHandle.Handle());
                  for (const RECT& button : {cancel, apply}) {
                    EXPECT_TRUE(Contains({0, 0, size.cx, size.cy}, button));
                    EXPECT_FALSE(Intersect(button, handle));
                    EXPECT_GE(button.bottom - button.top, 20);
                  }
                  EXPECT_EQ(::WindowFromPoint({apply.left + 5, apply.top + 5}), screen.apply.Handle());

                  // A real drag of the handle resizes the model: pressed 5, 4 inside the
                  // handle and moved 50 right and 30 down.
                  const POINT press = ScreenPoint(screen.dragHandle.Handle(), 5, 4);
                  EXPECT_EQ(::WindowFromPoint(press), screen.dragHandle.Handle()) << "the handle is on top";
                  Drag(press, {press.x + 50, press.y + 30});
                  dragged = {300, 200, 300 + width + 55, 200 + height + 34};
                  ExpectRect(screen.modelPanel.Handle(), dragged);
                  EXPECT_TRUE(Contains(ScreenRect(screen.modelPanel.Handle()), ScreenRect(screen.modelNote.Handle())));

                  // "Apply", clicked where the user sees it.
                  const RECT applyNow = ScreenRect(screen.apply.Handle());
                  const POINT click{(applyNow.left + applyNow.right) / 2, (applyNow.top + applyNow.bottom) / 2};
                  MouseAt(click);
                  MouseAt(click, MOUSEEVENTF_LEFTDOWN);
                  MouseAt(click, MOUSEEVENTF_LEFTUP);
                });
    form.ResizeWindowClick();
    EXPECT_TRUE(script.Done());
    ExpectRect(target.get(), dragged);
    EXPECT_TRUE(form.Visible());
  }
}

}  // namespace
