// The commands on every listed window, from their buttons, and cascade/tile under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "shell/portable/ArrangeGeometry.h"
#include "support/ForeignWindows.h"
#include "support/MainForm.h"
#include "support/ScriptedIsolation.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFile.h"
#include "support/TestWindow.h"

using testsupport::ForeignWindows;
using testsupport::ScriptedPrompts;
using testsupport::TempFile;
using testsupport::TestWindow;

namespace {

constexpr const wchar_t* kCloseAllQuestion = L"Are You Sure You Want To Close All Other Windows?";

class BulkCommandsTest : public testsupport::MainFormTest {
 protected:
  std::vector<std::wstring> Rows() const {
    std::vector<std::wstring> rows;
    for (int i = 0; i < form.windowListView.Count(); ++i) rows.push_back(form.windowListView.ItemText(i));
    return rows;
  }
  // The titles of `windows` as the list orders them, one line each, as the helper logs them.
  std::string InListOrder(const std::vector<HWND>& windows) const {
    std::string lines;
    for (HWND listed : form.CatalogueWindows()) {
      if (std::find(windows.begin(), windows.end(), listed) == windows.end()) continue;
      const std::wstring title = Title(listed);
      lines += std::string(title.begin(), title.end()) + "\n";  // the tests' titles are ASCII
    }
    return lines;
  }
  static std::vector<HWND> Join(std::vector<HWND> a, const std::vector<HWND>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
};

TEST_F(BulkCommandsTest, CloseAllAnsweredNoClosesNothingAndKeepsTheListAsItWas) {
  TempFile log(L"vantora-closeall-no");
  ForeignWindows foreign(L"--count 2 --title \"Stays %d\" --log \"" + log.path() + L"\"");
  auto vanishing = std::make_unique<TestWindow>(L"Vanishing meanwhile");
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {false};
  FocusForm();
  form.RefreshCatalogue();
  form.UpdateSelectionState();
  const auto before = Rows();
  vanishing.reset();  // gone, but only a rebuild would drop its row
  form.closeAll.Click();
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Confirm), (std::vector<std::wstring>{kCloseAllQuestion}));
  EXPECT_EQ(Rows(), before);
  EXPECT_EQ(log.Read(), "");
  for (HWND window : foreign.Windows()) EXPECT_TRUE(::IsWindowVisible(window));
}

TEST_F(BulkCommandsTest, CloseAllAnsweredYesAsksEachWindowOnceInListOrderAndRebuilds) {
  TempFile log(L"vantora-closeall-yes");
  ForeignWindows refusing(L"--count 2 --refuse-close --title \"Refuses %d\" --log \"" + log.path() + L"\"");
  ForeignWindows closing(L"--count 2 --title \"Closes %d\" --log \"" + log.path() + L"\"");
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {true};
  FocusForm();
  form.RefreshCatalogue();
  form.UpdateSelectionState();
  const std::string expected = InListOrder(Join(refusing.Windows(), closing.Windows()));
  ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 4);
  form.closeAll.Click();
  EXPECT_EQ(log.Read(), expected);
  EXPECT_TRUE(closing.Windows().empty());
  // Rebuilt: the windows that refused are listed again, the closed ones are gone.
  auto rows = Rows();
  std::sort(rows.begin(), rows.end());
  EXPECT_EQ(rows, (std::vector<std::wstring>{L"Refuses 1", L"Refuses 2"}));
  for (HWND window : refusing.Windows()) EXPECT_GE(RowOf(window), 0);
}

TEST_F(BulkCommandsTest, ACloakedWindowIsNotListedAndSurvivesCloseAll) {
  TempFile log(L"vantora-closeall-cloaked");
  ForeignWindows foreign(L"--count 3 --title \"Desktop %d\" --log \"" + log.path() + L"\"");
  const HWND elsewhere = foreign.Find(L"Desktop 2");  // on another virtual desktop, say
  testsupport::ScriptedIsolation isolation;
  isolation.cloaked = {elsewhere};
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {true};
  FocusForm();
  form.RefreshCatalogue();
  form.UpdateSelectionState();
  EXPECT_EQ(Rows().size(), 2u);
  EXPECT_EQ(RowOf(elsewhere), -1);
  form.closeAll.Click();
  EXPECT_EQ(foreign.Windows(), std::vector<HWND>{elsewhere});
  EXPECT_EQ(log.Read().find("Desktop 2"), std::string::npos);
}

// A window whose close handling hides two others and asks the main window to rebuild its list,
// as F5 pressed during the walk would: the rebuild runs among the pending messages between two
// windows and leaves the list shorter than the walk.
class RebuildingWindow {
 public:
  static constexpr UINT kRebuild = WM_APP + 41;

  RebuildingWindow(HWND form, std::vector<HWND> toHide) : form_(form), toHide_(std::move(toHide)) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VantoraRebuildingWindow";
    ::RegisterClassExW(&wc);
    window_ = ::CreateWindowExW(0, wc.lpszClassName, L"Rebuilds on close", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                300, 200, nullptr, nullptr, wc.hInstance, this);
  }
  ~RebuildingWindow() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<RebuildingWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_CLOSE && self) {
      for (HWND other : self->toHide_) ::ShowWindow(other, SW_HIDE);
      ::PostMessageW(self->form_, kRebuild, 0, 0);
      ::DestroyWindow(window);
      return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  HWND form_;
  std::vector<HWND> toHide_;
  HWND window_ = nullptr;
};

TEST_F(BulkCommandsTest, ARebuildDuringTheCloseAllWalkNeitherSkipsNorRepeatsNorReadsPastTheEnd) {
  TempFile log(L"vantora-closeall-rebuild");
  ForeignWindows foreign(L"--count 3 --refuse-close --title \"Walked %d\" --log \"" + log.path() + L"\"");
  const auto helpers = foreign.Windows();
  ASSERT_EQ(helpers.size(), 3u);
  RebuildingWindow trigger(form.Handle(), {helpers[1], helpers[2]});
  ::SetWindowPos(trigger.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  std::vector<size_t> sizesSeenByRebuilds;
  form.AddMessageHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message != RebuildingWindow::kRebuild) return false;
    form.RefreshCatalogue();
    sizesSeenByRebuilds.push_back(form.CatalogueWindows().size());
    return true;
  });
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {true};
  FocusForm();
  form.RefreshCatalogue();
  ASSERT_EQ(RowOf(trigger.get()), 0) << "the rebuilding window must be walked first";
  ASSERT_EQ(form.CatalogueWindows().size(), 4u);
  const std::string expected = InListOrder(helpers);
  form.closeAll.Click();
  ASSERT_EQ(sizesSeenByRebuilds, (std::vector<size_t>{1})) << "the list was rebuilt mid-walk, down to one window";
  // Every window listed when the command began got its WM_CLOSE once, in order, hidden or not.
  EXPECT_EQ(log.Read(), expected);
  EXPECT_EQ(form.windowListView.Count(), 1);
  EXPECT_EQ(form.CatalogueWindows(), (std::vector<HWND>{helpers[0]}));
}

TEST_F(BulkCommandsTest, MinimizeAllAndRestoreAllButtonsActOnEveryListedWindowOnly) {
  ForeignWindows foreign(L"--count 3 --title \"Bulk %d\"");
  Pump(600);  // Wine undoes a minimize that follows the first showing too closely
  FocusForm();
  form.RefreshCatalogue();
  form.UpdateSelectionState();
  form.minimizeAll.Click();
  for (HWND window : foreign.Windows()) EXPECT_TRUE(PumpUntil([&] { return ::IsIconic(window) != FALSE; }));
  EXPECT_FALSE(::IsIconic(form.Handle()));
  EXPECT_TRUE(::IsWindowVisible(form.Handle()));
  form.restoreAll.Click();
  for (HWND window : foreign.Windows()) EXPECT_TRUE(PumpUntil([&] { return !::IsIconic(window); }));
  // Afterwards the program is in front again.
  EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == form.Handle(); }));
}

// The program arranges the listed windows itself, on every system (one monitor here; the
// two-monitor tests are in MonitorsTest).
class ArrangementTest : public BulkCommandsTest {
 protected:
  static vantora::Rect WorkArea() {
    RECT r{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return {r.left, r.top, r.right, r.bottom};
  }
  static vantora::Rect RectOf(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  // Waits until `window` sits at `expected`; true when it does.
  static bool ArrivesAt(HWND window, const vantora::Rect& expected) {
    return PumpUntil([&] { return RectOf(window) == expected; }, 2000);
  }
  // True when the main window is above every one of `windows` in the Z order.
  bool FormAbove(const std::vector<HWND>& windows) const {
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
      if (w == form.Handle()) return true;
      if (std::find(windows.begin(), windows.end(), w) != windows.end()) return false;
    }
    return false;
  }
};

TEST_F(ArrangementTest, CascadeStepsTheEnabledRestoredWindowsFromTheWorkAreasTopLeft) {
  ForeignWindows foreign(L"--count 4 --title \"Cascade %d\"");
  ForeignWindows minimized(L"--minimized --title \"Cascade minimized\"");
  const HWND disabled = foreign.Find(L"Cascade 4");
  ::EnableWindow(disabled, FALSE);
  const vantora::Rect disabledBefore = RectOf(disabled);
  FocusForm();
  form.RefreshCatalogue();
  std::vector<HWND> arranged;
  for (HWND window : form.CatalogueWindows())
    if (window != disabled && !::IsIconic(window)) arranged.push_back(window);
  ASSERT_EQ(arranged.size(), 3u);
  form.cascade.Click();

  const vantora::Rect work = WorkArea();
  const int step =
      ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME) + ::GetSystemMetrics(SM_CXPADDEDBORDER);
  const auto slots = vantora::CascadeRects(work, 3, step);
  // The back window takes the top-left slot and the front window the last, so every caption shows.
  for (size_t i = 0; i < arranged.size(); ++i) EXPECT_TRUE(ArrivesAt(arranged[i], slots[2 - i])) << i;
  // By hand: two thirds of the work area, the front window two steps in.
  const vantora::Rect front{work.left + 2 * step, work.top + 2 * step, work.left + 2 * step + work.Width() * 2 / 3,
                            work.top + 2 * step + work.Height() * 2 / 3};
  EXPECT_EQ(RectOf(arranged[0]), front);
  EXPECT_EQ(RectOf(disabled), disabledBefore);
  EXPECT_TRUE(::IsIconic(minimized.Windows().front()));
  EXPECT_TRUE(FormAbove(foreign.Windows()));
}

TEST_F(ArrangementTest, TileVerticalPutsTwoWindowsSideBySide) {
  ForeignWindows foreign(L"--count 2 --title \"Side %d\"");
  FocusForm();
  form.RefreshCatalogue();
  const std::vector<HWND> listed = form.CatalogueWindows();
  ASSERT_EQ(listed.size(), 2u);
  form.tileVertical.Click();
  const vantora::Rect work = WorkArea();
  const int middle = work.left + work.Width() / 2;
  // By hand: the left and the right half, in list order.
  EXPECT_TRUE(ArrivesAt(listed[0], {work.left, work.top, middle, work.bottom}));
  EXPECT_TRUE(ArrivesAt(listed[1], {middle, work.top, work.right, work.bottom}));
  const auto slots = vantora::TileRects(work, 2, vantora::TileDirection::Vertical);
  EXPECT_EQ(RectOf(listed[0]), slots[0]);
  EXPECT_EQ(RectOf(listed[1]), slots[1]);
  EXPECT_TRUE(FormAbove(listed));
}

TEST_F(ArrangementTest, TileHorizontalStacksThreeAndGridsFiveIncludingAMaximizedWindow) {
  ForeignWindows foreign(L"--count 5 --title \"Stack %d\"");
  FocusForm();
  ::ShowWindow(foreign.Find(L"Stack 3"), SW_SHOWMAXIMIZED);
  FocusForm();
  form.RefreshCatalogue();
  const std::vector<HWND> listed = form.CatalogueWindows();
  ASSERT_EQ(listed.size(), 5u);
  form.tileHorizontal.Click();
  const auto grid = vantora::TileRects(WorkArea(), 5, vantora::TileDirection::Horizontal);
  for (size_t i = 0; i < listed.size(); ++i) EXPECT_TRUE(ArrivesAt(listed[i], grid[i])) << i;
  EXPECT_FALSE(::IsZoomed(foreign.Find(L"Stack 3")));

  ::ShowWindow(listed[3], SW_MINIMIZE);
  ::ShowWindow(listed[4], SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return ::IsIconic(listed[3]) && ::IsIconic(listed[4]); }));
  form.tileHorizontal.Click();
  const auto stack = vantora::TileRects(WorkArea(), 3, vantora::TileDirection::Horizontal);
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(ArrivesAt(listed[i], stack[i])) << i;
  EXPECT_EQ(stack[0].Width(), WorkArea().Width());  // one above the other, full width
}

}  // namespace
