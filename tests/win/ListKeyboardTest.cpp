// The list without the mouse: the filter typed in it, Enter and Delete, the row's menu, and the
// windows left where no monitor shows them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/ForeignWindows.h"
#include "support/Keys.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"
#include "support/TestWindow.h"

namespace {

using testsupport::TestWindow;

// What "Undo" must put back, read straight from the system.
struct Seen {
  WINDOWPLACEMENT placement{sizeof(WINDOWPLACEMENT)};
  std::wstring title;
  bool enabled, topmost;
  int alpha;
  bool operator==(const Seen& o) const {
    return placement.showCmd == o.placement.showCmd &&
           ::EqualRect(&placement.rcNormalPosition, &o.placement.rcNormalPosition) && title == o.title &&
           enabled == o.enabled && topmost == o.topmost && (alpha < 0 ? 255 : alpha) == (o.alpha < 0 ? 255 : o.alpha);
  }
};

class ListKeyboardTest : public testsupport::MainFormTest {
 protected:
  static Seen SeenOf(HWND window) {
    Seen seen;
    ::GetWindowPlacement(window, &seen.placement);
    seen.title = Title(window);
    seen.enabled = ::IsWindowEnabled(window) != FALSE;
    seen.topmost = (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.alpha = LayeredAlpha(window);
    return seen;
  }

  std::wstring Heading() const {
    wchar_t text[128] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = text;
    column.cchTextMax = 128;
    ::SendMessageW(form.windowListView.Handle(), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    return text;
  }
  // Keys pressed for real in the list, and the program's loop run until they are handled.
  void Type(const std::vector<WORD>& keys) {
    form.windowListView.SetFocus();
    for (WORD key : keys) testsupport::PressChord({}, key);
    Pump(300);
  }
  std::set<HWND> Shown(const std::vector<HWND>& among) const {
    std::set<HWND> shown;
    for (HWND window : among)
      if (RowOf(window) >= 0) shown.insert(window);
    return shown;
  }
  static RECT RectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
  }
  static RECT RestoredRect(HWND window) {
    WINDOWPLACEMENT placement{sizeof(placement)};
    ::GetWindowPlacement(window, &placement);
    return ::IsIconic(window) ? placement.rcNormalPosition : RectOf(window);
  }
  RECT WorkArea() const {
    MONITORINFO info{sizeof(info)};
    ::GetMonitorInfoW(::MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
  }
};

TEST_F(ListKeyboardTest, TypedFilterShowsExactlyTheMatchingRowsAndTheButtonsActOnThemOnly) {
  TestWindow notepad{L"Alpha Notepad"}, note{L"beta NOTE"}, gamma{L"Gamma"};
  testsupport::ForeignWindows foreign(L"--title \"Zeta %d\"");
  const HWND zeta = foreign.Find(L"Zeta 1");
  const std::vector<HWND> ours{notepad.get(), note.get(), gamma.get(), zeta};
  FocusForm();
  form.RefreshCatalogue();
  const size_t total = form.windowList.AllWindows().size();
  struct Case {
    std::vector<WORD> keys;
    std::wstring heading;  // before the count
    std::set<HWND> shown;
  };
  const Case cases[] = {
      {{'N', 'O', 'T', 'E'}, L"Open Windows: note", {notepad.get(), note.get()}},
      {{VK_BACK, VK_BACK, 'X'}, L"Open Windows: nox", {}},  // Backspace edits
      {{VK_ESCAPE}, L"Open Windows:", {notepad.get(), note.get(), gamma.get(), zeta}},
      {{'F', 'O', 'R', 'E', 'I', 'G', 'N'}, L"Open Windows: foreign", {zeta}},  // the program's file
      {{VK_ESCAPE, 'G', 'A', 'M'}, L"Open Windows: gam", {gamma.get()}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.heading.begin(), c.heading.end()));
    Type(c.keys);
    EXPECT_EQ(Shown(ours), c.shown);
    const std::wstring counted = c.heading == L"Open Windows:"
                                     ? c.heading
                                     : c.heading + L" (" + std::to_wstring(form.CatalogueWindows().size()) + L" of " +
                                           std::to_wstring(total) + L")";
    EXPECT_EQ(Heading(), counted);
  }
  // Every row shown holds the text, in its title or its program's file name.
  Type({VK_ESCAPE, 'N', 'O', 'T', 'E'});
  for (HWND window : form.CatalogueWindows()) {
    std::wstring title = Title(window);
    for (auto& ch : title) ch = static_cast<wchar_t>(::towlower(ch));
    EXPECT_NE(title.find(L"note"), std::wstring::npos) << "a row that does not match";
  }
  ::SendMessageW(form.minimizeAll.Handle(), BM_CLICK, 0, 0);  // "Minimize All"
  EXPECT_TRUE(::IsIconic(notepad.get()) && ::IsIconic(note.get()));
  EXPECT_FALSE(::IsIconic(gamma.get())) << "a button acted on a hidden row";
  ::SendMessageW(form.restoreAll.Handle(), BM_CLICK, 0, 0);
  // A hotkey acts on every window, filtered or not.
  form.MinimizeAllWindows(shell::BulkVariant::HotKey);
  EXPECT_TRUE(::IsIconic(gamma.get()));
  form.RestoreAllWindows(shell::BulkVariant::HotKey);
  Type({VK_ESCAPE});
}

TEST_F(ListKeyboardTest, EnterDeleteAndTheRowMenuActOnTheSelectedWindowOnly) {
  TestWindow before{L"Keys before"}, selected{L"Keys selected"}, after{L"Keys after"};
  FocusForm();
  const auto selectAgain = [&] {
    Select(selected.get());
    form.windowListView.SetFocus();
  };
  using Check = bool (*)(HWND);
  struct Case {
    const wchar_t* item;
    Check done;
  };
  const Case cases[] = {
      {L"Maximize", [](HWND w) { return ::IsZoomed(w) != FALSE; }},
      {L"Minimize", [](HWND w) { return ::IsIconic(w) != FALSE; }},
      {L"Restore", [](HWND w) { return !::IsIconic(w); }},  // back to maximized, as it was
      {L"StayOnTop", [](HWND w) { return (::GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }},
      {L"Enabled", [](HWND w) { return ::IsWindowEnabled(w) == FALSE; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.item, c.item + wcslen(c.item)));
    selectAgain();
    const Seen others[] = {SeenOf(before.get()), SeenOf(after.get())};
    form.rowMenu.OnPopup();
    ASSERT_TRUE(form.rowMenu.Item(c.item).enabled);
    form.rowMenu.Item(c.item).OnClick();
    EXPECT_TRUE(c.done(selected.get()));
    EXPECT_TRUE(SeenOf(before.get()) == others[0] && SeenOf(after.get()) == others[1])
        << "the menu acted on another window";
  }
  selectAgain();
  form.rowMenu.OnPopup();
  EXPECT_TRUE(form.rowMenu.Item(L"StayOnTop").checked);
  EXPECT_EQ(form.rowMenu.Item(L"Enabled").caption, L"Enable Window");
  form.rowMenu.Item(L"Enabled").OnClick();
  form.rowMenu.Item(L"StayOnTop").OnClick();
  EXPECT_FALSE(::GetWindowLongW(selected.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);

  selectAgain();
  Type({VK_RETURN});
  EXPECT_EQ(::GetForegroundWindow(), selected.get());
  FocusForm();
  selectAgain();
  Type({VK_DELETE});
  EXPECT_FALSE(::IsWindow(selected.get()));
  EXPECT_TRUE(::IsWindow(before.get()) && ::IsWindow(after.get()));
}

TEST_F(ListKeyboardTest, OffScreenWindowsAreMarkedAndMovedIntoTheWorkAreaKeepingTheirSize) {
  const RECT work = WorkArea();
  const LONG workWidth = work.right - work.left, workHeight = work.bottom - work.top;
  struct Case {
    const wchar_t* title;
    RECT place;
    bool minimized;
    SIZE expected;
  };
  const Case cases[] = {
      {L"Lost small", {-5000, -4000, -4700, -3800}, false, {300, 200}},
      {L"Lost huge", {9000, 9000, 9000 + workWidth + 400, 9000 + workHeight + 300}, false, {workWidth, workHeight}},
      {L"Lost minimized", {-3000, 6000, -2600, 6250}, true, {400, 250}},
  };
  TestWindow onScreen{L"Seen window"};
  std::vector<std::unique_ptr<TestWindow>> lost;
  for (const Case& c : cases) {
    lost.push_back(std::make_unique<TestWindow>(c.title));
    const HWND w = lost.back()->get();
    ::MoveWindow(w, c.place.left, c.place.top, c.place.right - c.place.left, c.place.bottom - c.place.top, TRUE);
    if (c.minimized) ::ShowWindow(w, SW_SHOWMINNOACTIVE);
  }
  form.RefreshCatalogue();
  EXPECT_FALSE(form.windowList.MarkedOffScreen(onScreen.get()));
  for (size_t i = 0; i < lost.size(); ++i) {
    EXPECT_TRUE(form.windowList.MarkedOffScreen(lost[i]->get())) << "not marked: " << i;
    const std::wstring row = form.windowListView.ItemText(RowOf(lost[i]->get()));
    EXPECT_EQ(row, std::wstring(cases[i].title) + L"  [off screen]");
  }
  const RECT seenBefore = RectOf(onScreen.get());
  // The selected window alone, then every other one.
  Select(lost[0]->get());
  form.MoveOntoMonitorClick();
  EXPECT_TRUE(form.windowList.MarkedOffScreen(lost[1]->get())) << "moved a window that was not selected";
  form.GatherOffScreenClick();
  for (size_t i = 0; i < lost.size(); ++i) {
    SCOPED_TRACE(i);
    const HWND w = lost[i]->get();
    const RECT r = RestoredRect(w);
    EXPECT_TRUE(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom);
    EXPECT_EQ(r.right - r.left, cases[i].expected.cx);
    EXPECT_EQ(r.bottom - r.top, cases[i].expected.cy);
    EXPECT_EQ(::IsIconic(w) != FALSE, cases[i].minimized);
    EXPECT_FALSE(form.windowList.MarkedOffScreen(w));
  }
  const RECT seenAfter = RectOf(onScreen.get());
  EXPECT_TRUE(::EqualRect(&seenBefore, &seenAfter)) << "a window on screen was moved";
}

TEST_F(ListKeyboardTest, UndoPutsBackTheLastCommandsWindowsAndNoOther) {
  TestWindow selected{L"Undo selected"}, other{L"Undo other"};
  ::MoveWindow(other.get(), 420, 120, 320, 220, TRUE);
  testsupport::ScriptedPrompts prompts;
  FocusForm();
  struct Case {
    const char* command;
    std::function<void()> run;
  };
  const Case cases[] = {
      {"Maximize", [&] { form.MaximizeClick(); }},
      {"Update Text", [&] { form.newTitle.SetText(L"Undo renamed"), form.UpdateTextClick(); }},
      {"opacity dragged", [&] { form.opacitySlider.SetPosition(60), form.opacitySlider.SetPosition(30); }},
      {"Stay On Top Window", [&] { form.stayOnTop.SetChecked(true); }},
      {"Disable Window", [&] { form.EnabledToggleClick(); }},
      {"Tile Windows Vertical", [&] { form.TileVerticalClick(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    Select(selected.get());
    const Seen before = SeenOf(selected.get());
    c.run();
    EXPECT_FALSE(SeenOf(selected.get()) == before) << "the command changed nothing";
    // Changed by hand after the command: undo must leave it as it is now, unless the command
    // touched it too.
    ::MoveWindow(other.get(), 430, 130, 300, 200, TRUE);
    const Seen otherNow = SeenOf(other.get());
    form.windowListView.SetFocus();
    testsupport::PressChord({VK_CONTROL}, 'Z');
    Pump(200);
    EXPECT_TRUE(SeenOf(selected.get()) == before) << "not put back as it was";
    if (std::string_view(c.command) != "Tile Windows Vertical") {
      EXPECT_TRUE(SeenOf(other.get()) == otherNow) << "undo touched a window the command did not";
    }
  }
  // A closed window is skipped, and "Undo" says it cannot bring it back.
  Select(selected.get());
  form.CloseWindowClick();
  form.rowMenu.OnPopup();
  EXPECT_EQ(form.rowMenu.Item(L"Undo").caption, L"Undo Close Window");
  form.rowMenu.Item(L"Undo").OnClick();
  EXPECT_EQ(prompts.Texts(testsupport::ScriptedPrompts::Kind::Information),
            std::vector<std::wstring>{L"A Closed Window Cannot Be Reopened"});
}

}  // namespace
