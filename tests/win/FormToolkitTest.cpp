// The form toolkit against real controls: the event semantics the program relies on, captions,
// fonts and DPI scaling.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "ui/Controls.h"
#include "platform/windows/WindowQueries.h"
#include "ui/ListView.h"
#include "ui/WindowFade.h"
#include "support/Icons.h"
#include "support/ListColumns.h"
#include "support/TestApp.h"

using testing_support::ClientRectOf;

namespace {

class ToolkitTest : public ::testing::Test {
 protected:
  // Declared first: members are built before the constructor body runs, and the form needs
  // the application window as its owner.
  ui::Application& application = testing_support::TestApplication();
  ui::Owned<ui::Form> form{testing_support::PlainFormStyle()};
};

LOGFONTW FontOf(HWND window) {
  LOGFONTW lf{};
  ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
  return lf;
}

TEST_F(ToolkitTest, CheckBoxFromCodeRaisesClickOnlyWhenTheStateChanges) {
  ui::CheckBox box{form, {"CheckBox1", ui::ControlKind::CheckBox, {10, 10, 120, 17}, L"Stay On Top Window"}};
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetChecked(true);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(::SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  box.SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box.SetChecked(false);
  EXPECT_EQ(clicks, 2);
  // A click as the user makes it toggles and raises the same event.
  ::SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 3);
  EXPECT_TRUE(box.Checked());
}

TEST_F(ToolkitTest, TrackBarRaisesChangeOnEveryPositionChange) {
  ui::TrackBar bar{form, {"TrackBar1", ui::ControlKind::TrackBar, {10, 10, 180, 26}}, 0, 100, 100, 2};
  std::vector<int> seen;
  bar.OnChange = [&] { seen.push_back(bar.Position()); };
  bar.SetPosition(35);
  bar.SetPosition(35);
  bar.SetPosition(250);  // clamped by the control
  // The user dragging: the control moves and tells its parent with WM_HSCROLL.
  ::SendMessageW(bar.Handle(), TBM_SETPOS, TRUE, 7);
  ::SendMessageW(form.Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 7), reinterpret_cast<LPARAM>(bar.Handle()));
  EXPECT_EQ(seen, (std::vector<int>{35, 100, 7}));
  EXPECT_EQ(::SendMessageW(bar.Handle(), TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(::SendMessageW(bar.Handle(), TBM_GETRANGEMAX, 0, 0), 100);
}

TEST_F(ToolkitTest, ComboBoxRaisesChangeOnTypingAndOnSelection) {
  ui::ComboBox combo{form,
                     {"sComboBox1", ui::ControlKind::ComboBox, {10, 10, 200, 21}, L"Internet Explorer 7"},
                     {L"Internet Explorer 7", L"Internet Explorer 6 or earlier", L"I don't know"}};
  std::vector<std::wstring> seen;
  combo.OnChange = [&] { seen.push_back(combo.Text()); };
  EXPECT_EQ(combo.Items().size(), 3u);
  EXPECT_EQ(combo.Text(), L"Internet Explorer 7");
  // Selection from the list: the text already shows the chosen item when the event runs.
  ::SendMessageW(combo.Handle(), CB_SETCURSEL, 2, 0);
  ::SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.Handle()));
  // Typing into the edit part.
  HWND edit = ::FindWindowExW(combo.Handle(), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  ::SendMessageW(edit, WM_CHAR, L'x', 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], L"I don't know");
  EXPECT_NE(seen[1].find(L'x'), std::wstring::npos);
}

TEST_F(ToolkitTest, CaptionsAreWindowTextAndDoubleAmpersandsStay) {
  ui::Label label{form, {"sLabel17", ui::ControlKind::Label, {10, 0, 177, 16}, L"Customize Desktop && Shell:"}};
  ui::Button button{form, {"sBitBtn4", ui::ControlKind::Button, {10, 40, 86, 25}, L"Options && Hotkeys"}};
  wchar_t text[64];
  ::GetWindowTextW(label.Handle(), text, 64);
  EXPECT_STREQ(text, L"Customize Desktop && Shell:");
  EXPECT_EQ(button.Caption(), L"Options && Hotkeys");
  // Shown with one ampersand: the drawn text is as wide as the single-ampersand text.
  platform::WindowDc dc(label.Handle());
  platform::SelectRestorer font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(label.Handle(), WM_GETFONT, 0, 0)));
  RECT shown{}, single{};
  ::DrawTextW(dc.get(), L"Customize Desktop && Shell:", -1, &shown, DT_CALCRECT | DT_SINGLELINE);
  ::DrawTextW(dc.get(), L"Customize Desktop & Shell:", -1, &single, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(shown.right, single.right);
  EXPECT_EQ(::GetWindowLongPtrW(label.Handle(), GWL_STYLE) & SS_NOPREFIX, 0);
}

TEST_F(ToolkitTest, LabelFontsFollowTheirSpecAndLabelsGrowToTheirText) {
  ui::Label heading{form, {"sLabel16", ui::ControlKind::Heading, {19, 0, 60, 16}, L"Customize Windows:"}};
  ui::Label plain{form, {"sLabel18", ui::ControlKind::Label, {98, 30, 0, 0}, L"New Text:"}};
  EXPECT_EQ(FontOf(heading.Handle()).lfWeight, FW_BOLD);
  EXPECT_EQ(FontOf(heading.Handle()).lfHeight, -13);
  EXPECT_EQ(std::wstring(FontOf(plain.Handle()).lfFaceName), L"Tahoma");
  EXPECT_EQ(FontOf(plain.Handle()).lfHeight, -11);
  const RECT r = ClientRectOf(heading.Handle());
  EXPECT_GT(r.right - r.left, 60);  // the text is wider than the given width
  EXPECT_EQ(r.left, 19);
}

TEST_F(ToolkitTest, ApplicationWindowOwnsTheFormAndCarriesTheTitle) {
  HWND app = ui::Application::Instance().Handle();
  EXPECT_EQ(::GetWindow(form.Handle(), GW_OWNER), app);
  wchar_t title[32];
  ::GetWindowTextW(app, title, 32);
  EXPECT_STREQ(title, L"Vantora");
  RECT r{};
  ::GetWindowRect(app, &r);
  EXPECT_EQ(r.right - r.left, 0);  // invisible: no size
}

TEST_F(ToolkitTest, ControlsAreScaledToTheFormsDpiAndFollowADpiChange) {
  ui::Button button{form, {"Button13", ui::ControlKind::Button, {18, 161, 100, 27}, L"Refresh List (F5)"}};
  ASSERT_EQ(form.Dpi(), 96u);  // Wine's default
  RECT r = ClientRectOf(button.Handle());
  EXPECT_EQ(r.left, 18);
  EXPECT_EQ(r.bottom - r.top, 27);
  RECT client{};
  ::GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 400);

  RECT suggested{};
  ::GetWindowRect(form.Handle(), &suggested);
  ::SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  r = ClientRectOf(button.Handle());
  EXPECT_EQ(r.left, 27);
  EXPECT_EQ(r.top, 242);  // 161 * 1.5 rounded
  EXPECT_EQ(r.right - r.left, 150);
  EXPECT_EQ(FontOf(button.Handle()).lfHeight, -16);  // 8 points at 144 DPI, as the system sizes them
  ::GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 600);
}

// A clock that moves only in the ticks of a coarse system timer (15.625 ms), as a wait does on
// Windows for a program that has not asked for a finer timer.
class CoarseTiming final : public ui::FadeTiming {
 public:
  static constexpr double kTick = 15.625;
  double Now() override { return now_; }
  void WaitUntil(double when) override {
    ++waits;
    do now_ += kTick;
    while (now_ < when);
  }
  int waits = 0;

 private:
  double now_ = 5000;
};

TEST_F(ToolkitTest, AFadeOnACoarseTimerTakesFewerStepsInTheSameTimeAndEndsAtItsOpacity) {
  form.Show();
  for (const auto& [from, to] : {std::pair{100, 0}, std::pair{0, 100}}) {
    CoarseTiming timing;
    const double start = timing.Now();
    ui::FadeWindow(form.Handle(), from, to, timing);
    const double took = timing.Now() - start;
    EXPECT_EQ(platform::LayeredAlpha(form.Handle()), std::optional<BYTE>(to == 0 ? 0 : 255));
    EXPECT_GE(took, ui::kFadeMilliseconds);
    EXPECT_LT(took, ui::kFadeMilliseconds + CoarseTiming::kTick) << "one tick late at most";
    EXPECT_GE(timing.waits, 8) << "about ten steps of the way";
    EXPECT_LE(timing.waits, 11);
  }
}

// The system's wait between two steps never returns before the time asked, whatever is left of
// a millisecond: one returning at once would make every fade instant on Windows.
TEST_F(ToolkitTest, TheFadesOwnWaitNeverEndsBeforeTheTimeAsked) {
  ui::FadeTiming& timing = ui::SystemFadeTiming();
  for (const double wait : {0.3, 1.0, 7.5, 25.0}) {
    const double when = timing.Now() + wait;
    timing.WaitUntil(when);
    EXPECT_GE(timing.Now(), when) << "a wait of " << wait << " ms";
  }
}

// Controls of g_form resized (WM_SIZE, as the system sends it) and, of those, the ones that held a
// deleted font or not yet the 144-DPI one at that moment.
HWND g_form = nullptr;
int g_resized = 0, g_resizedWithStaleFont = 0;

LRESULT CALLBACK CountResizes(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_SIZE && ::GetParent(sent->hwnd) == g_form) {
    ++g_resized;
    const auto font = reinterpret_cast<HGDIOBJ>(::SendMessageW(sent->hwnd, WM_GETFONT, 0, 0));
    g_resizedWithStaleFont += ::GetObjectType(font) != OBJ_FONT || FontOf(sent->hwnd).lfHeight != -16;
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ToolkitTest, ADpiChangeGivesEachControlItsNewFontBeforeMovingItAndDeletesNoFontInUse) {
  ui::Button button{form, {"Button13", ui::ControlKind::Button, {18, 161, 100, 27}, L"Refresh List (F5)"}};
  ui::Label label{form, {"sLabel18", ui::ControlKind::Label, {98, 30, 0, 0}, L"New Text:"}};
  ui::ListView list{form, {"ListView1", ui::ControlKind::ListView, {19, 16, 300, 142}}, {{L"Open Windows:", 250}}};
  RECT suggested{};
  ::GetWindowRect(form.Handle(), &suggested);
  g_form = form.Handle();
  const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &CountResizes, nullptr, ::GetCurrentThreadId());
  ::SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  ::UnhookWindowsHookEx(hook);
  EXPECT_GE(g_resized, 3);
  EXPECT_EQ(g_resizedWithStaleFont, 0) << "a control was resized holding a deleted or an old font";
  for (HWND control : {button.Handle(), label.Handle(), list.Handle()})
    EXPECT_EQ(::GetObjectType(reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0))),
              static_cast<DWORD>(OBJ_FONT));
  testsupport::ExpectColumnsFill(list.Handle());
}

// A caption too long for its place: the button grows, the next one in its row gives up its spare
// width (keeping its right edge), and both go back to their places once the caption is short again.
TEST_F(ToolkitTest, AButtonGrowsWithinItsRowForItsCaptionAndGivesTheRoomBack) {
  ui::Button first{form, {"Button1", ui::ControlKind::Button, {20, 20, 80, 25}, L"Short"}};
  ui::Button next{form, {"Button3", ui::ControlKind::Button, {103, 20, 80, 25}, L"Next"}};
  ui::Button below{form, {"Button4", ui::ControlKind::Button, {20, 50, 80, 25}, L"Below"}};
  form.ArrangeControls();
  const std::wstring longer = L"Much longer caption";
  first.SetCaption(longer);
  platform::WindowDc dc(first.Handle());
  platform::SelectRestorer font(dc.get(), reinterpret_cast<HFONT>(::SendMessageW(first.Handle(), WM_GETFONT, 0, 0)));
  RECT text{};
  ::DrawTextW(dc.get(), longer.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
  ASSERT_GT(text.right + 4, 80) << "the caption must not fit its place";
  const RECT a = ClientRectOf(first.Handle()), b = ClientRectOf(next.Handle());
  EXPECT_EQ(a.left, 20);
  EXPECT_GE(a.right - a.left, text.right + 4);
  EXPECT_GE(b.left, a.right + 2);
  EXPECT_EQ(b.right, 183);
  EXPECT_EQ(ClientRectOf(below.Handle()).right, 100) << "another row keeps its place";

  first.SetCaption(L"Short");
  EXPECT_EQ(ClientRectOf(first.Handle()).right, 100);
  EXPECT_EQ(ClientRectOf(next.Handle()).left, 103);

  // Several captions changed together: room is made once they are all in.
  form.ChangingCaptions([&] {
    first.SetCaption(longer);
    below.SetCaption(L"Below, with a much longer caption");
  });
  EXPECT_EQ(ClientRectOf(first.Handle()).right, a.right);
  EXPECT_GT(ClientRectOf(below.Handle()).right, 100);
}

TEST_F(ToolkitTest, ListViewKeepsRowsImagesAndSelection) {
  ui::ImageList images{18, 18};
  ui::ListView list{form, {"ListView1", ui::ControlKind::ListView, {19, 16, 300, 142}}, {{L"Open Windows:", 250}}};
  list.SetImages(images);
  HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
  list.AddItem(L"first", images.AddIcon(icon));
  list.AddItem(L"second");
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(images.Count(), 1);
  EXPECT_EQ(list.ItemImage(0), 0);
  EXPECT_EQ(list.ItemImage(1), ui::kNoImage);
  for (int row : {0, 1}) EXPECT_EQ(ListView_GetItemState(list.Handle(), row, LVIS_STATEIMAGEMASK), 0u);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetItemIndex(1);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_EQ(ListView_GetItemState(list.Handle(), 1, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
  EXPECT_EQ(list.ItemText(1), L"second");
  LVCOLUMNW column{};
  wchar_t header[32];
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = header;
  column.cchTextMax = 32;
  ::SendMessageW(list.Handle(), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_STREQ(header, L"Open Windows:");
  testsupport::ExpectColumnsFill(list.Handle());
  // Rows enough for a vertical scroll bar: the column gives up its width, and no horizontal one shows.
  while (!(::GetWindowLongW(list.Handle(), GWL_STYLE) & WS_VSCROLL) && list.Count() < 50) list.AddItem(L"more");
  ASSERT_TRUE(::GetWindowLongW(list.Handle(), GWL_STYLE) & WS_VSCROLL);
  testsupport::ExpectColumnsFill(list.Handle());
  EXPECT_FALSE(::GetWindowLongW(list.Handle(), GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ToolkitTest, ImageCellsAreIconsScaledWithTheirTransparencyEachOnItsOwn) {
  ui::ImageList images{18, 18};
  const auto red = testsupport::SolidIcon(RGB(255, 0, 0), false), clear = testsupport::SolidIcon(RGB(0, 0, 0), true);
  ASSERT_EQ(images.AddIcon(red.get()), 0);
  ASSERT_EQ(images.AddIcon(clear.get()), 1);
  EXPECT_EQ(images.AddIcon(nullptr), -1);
  EXPECT_EQ(images.Count(), 2);
  for (auto [x, y] : {std::pair{0, 0}, {17, 17}, {9, 9}}) {
    for (COLORREF under : {RGB(255, 255, 255), RGB(0, 128, 0)}) {
      EXPECT_EQ(testsupport::CellPixel(images, 0, x, y, under), RGB(255, 0, 0));
      // Nothing of the cell before shows through a transparent icon: only what it is drawn on.
      EXPECT_EQ(testsupport::CellPixel(images, 1, x, y, under), under);
    }
  }
}

// Position of a child among its siblings, 0 at the top of the Z order.
int StackPosition(HWND child) {
  int position = 0;
  for (HWND h = ::GetWindow(::GetParent(child), GW_CHILD); h && h != child; h = ::GetWindow(h, GW_HWNDNEXT)) ++position;
  return position;
}

TEST_F(ToolkitTest, ControlsStackInCreationOrderAbovePanelsAndLines) {
  ui::Panel panel{form, {"sPanel3", ui::ControlKind::Panel, {10, 10, 300, 100}, L""}};
  ui::Button first{form, {"Button1", ui::ControlKind::Button, {20, 20, 80, 25}, L"First"}};
  ui::Bevel line{form, {"Bevel2", ui::ControlKind::Bevel, {120, 15, 12, 80}, L"", ui::kVertical}};
  ui::Button second{form, {"Button3", ui::ControlKind::Button, {140, 20, 80, 25}, L"Second"}};
  form.ArrangeControls();
  EXPECT_LT(StackPosition(first.Handle()), StackPosition(second.Handle()));  // also the tab order
  EXPECT_LT(StackPosition(second.Handle()), StackPosition(line.Handle()));
  EXPECT_LT(StackPosition(line.Handle()), StackPosition(panel.Handle()));  // the line shows on the panel
  EXPECT_EQ(::GetNextDlgTabItem(form.Handle(), first.Handle(), FALSE), second.Handle());
}

TEST_F(ToolkitTest, ControlKeyEventsReachTheirHandlerAndCanBeSwallowed) {
  ui::Edit edit{form, {"Edit1", ui::ControlKind::Edit, {10, 10, 200, 21}, L"abc"}};
  std::vector<WORD> ups;
  edit.OnKeyUp = [&](ui::KeyEvent& e) { ups.push_back(e.key); };
  edit.OnKeyDown = [&](ui::KeyEvent& e) { e.handled = e.key == VK_END; };
  ::SendMessageW(edit.Handle(), EM_SETSEL, 0, 0);
  ::SendMessageW(edit.Handle(), WM_KEYDOWN, VK_END, 0);  // swallowed: the caret stays at 0
  DWORD start = 0;
  ::SendMessageW(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  EXPECT_EQ(start, 0u);
  ::SendMessageW(edit.Handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
  EXPECT_EQ(ups, std::vector<WORD>{VK_RETURN});
}

}  // namespace
