// The six hotkeys, fired with synthesised keys into the focused main window, act on every listed
// window and never on the program's own windows.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "platform/Error.h"
#include "support/ForeignWindows.h"
#include "support/Keys.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFile.h"

using testsupport::ForeignWindows;
using testsupport::ScriptedPrompts;

namespace {

// The program registers the six hotkeys itself while the main window is created.
class HotKeysTest : public testsupport::MainFormTest {
 protected:
  // Ctrl+Alt+key into the main window, which needs the keyboard focus for Wine to see it.
  void Fire(WORD key) {
    ::SetForegroundWindow(form.Handle());
    ::SetFocus(form.Handle());
    testsupport::PressChord({VK_CONTROL, VK_MENU}, key);
  }

  static bool AllOf(const ForeignWindows& foreign, bool (*test)(HWND)) {
    for (HWND window : foreign.Windows())
      if (!test(window)) return false;
    return !foreign.Windows().empty();
  }
};

TEST_F(HotKeysTest, MinimizeRestoreAndMaximizeEveryListedWindowIncludingOneNewSinceTheLastRebuild) {
  FocusForm();
  ForeignWindows foreign(L"--count 3 --title \"Hotkey %d\"");
  ASSERT_EQ(RowOf(foreign.Find(L"Hotkey 1")), -1) << "not listed before the hotkey rebuilds the list";
  Pump(600);  // Wine undoes a minimize that follows the first showing too closely

  Fire('M');
  EXPECT_TRUE(PumpUntil([&] { return AllOf(foreign, [](HWND w) { return ::IsIconic(w) != FALSE; }); }));
  EXPECT_FALSE(::IsIconic(form.Handle()));
  EXPECT_TRUE(::IsWindowVisible(form.Handle()));

  Fire('R');
  EXPECT_TRUE(PumpUntil([&] { return AllOf(foreign, [](HWND w) { return !::IsIconic(w); }); }));

  Fire('X');
  EXPECT_TRUE(PumpUntil([&] { return AllOf(foreign, [](HWND w) { return ::IsZoomed(w) != FALSE; }); }));
  EXPECT_FALSE(::IsZoomed(form.Handle()));
  EXPECT_FALSE(::IsIconic(form.Handle()));
}

TEST_F(HotKeysTest, HalfAndFullOpacityOnEveryListedWindowButNotOnTheMainWindow) {
  ForeignWindows foreign(L"--count 2 --title \"See-through %d\"");
  FocusForm();
  Fire('H');
  EXPECT_TRUE(PumpUntil([&] { return AllOf(foreign, [](HWND w) { return LayeredAlpha(w) == 127; }); }));
  EXPECT_FALSE(Layered(form.Handle()));
  EXPECT_FALSE(Layered(ui::Application::Instance().Handle()));
  Fire('F');
  EXPECT_TRUE(PumpUntil([&] { return AllOf(foreign, [](HWND w) { return LayeredAlpha(w) == 255; }); }));
  EXPECT_TRUE(AllOf(foreign, Layered));  // opaque, and still layered
  EXPECT_FALSE(Layered(form.Handle()));
}

TEST_F(HotKeysTest, CloseAllAnsweredNoClosesNothing) {
  testsupport::TempFile log(L"vantora-hotkey-close");
  ForeignWindows foreign(L"--count 2 --title \"Asked about %d\" --log \"" + log.path() + L"\"");
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {false};
  FocusForm();
  Fire('C');
  ASSERT_TRUE(PumpUntil([&] { return !prompts.calls.empty(); }));
  Pump(200);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Confirm),
            (std::vector<std::wstring>{L"Are You Sure You Want To Close All Other Windows?"}));
  EXPECT_EQ(log.Read(), "");
  EXPECT_EQ(foreign.Windows().size(), 2u);
  EXPECT_EQ(form.windowListView.Count(), 2);  // the list was rebuilt all the same
}

TEST_F(HotKeysTest, AHeldCombinationActsOncePerPress) {
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {false, false};
  FocusForm();
  const auto questions = [&] { return prompts.Texts(ScriptedPrompts::Kind::Confirm).size(); };
  for (size_t press = 1; press <= 2; ++press) {
    ::SetForegroundWindow(form.Handle());
    ::SetFocus(form.Handle());
    // Held down, the keyboard repeats the key: five key-downs while Ctrl and Alt stay down.
    testsupport::SendInputs(testsupport::KeyInputs({VK_CONTROL, VK_MENU, 'C', 'C', 'C', 'C', 'C'}, 0));
    EXPECT_TRUE(PumpUntil([&] { return questions() == press; }));
    Pump(300);  // the repeats come in while the keys are still held
    testsupport::SendInputs(testsupport::KeyInputs({'C', VK_MENU, VK_CONTROL}, KEYEVENTF_KEYUP));
    Pump(200);
    EXPECT_EQ(questions(), press);
  }
}

TEST_F(HotKeysTest, CloseAllWhileMinimizedBringsTheProgramBackBeforeAsking) {
  ForeignWindows foreign(L"--title \"Behind the question\"");
  ScriptedPrompts prompts;
  prompts.confirmAnswers = {false};
  FocusForm();
  Pump(500);
  ::ShowWindow(form.Handle(), SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return ::IsIconic(form.Handle()) != FALSE; }));
  form.DispatchHotKey(1);
  EXPECT_EQ(prompts.Texts(ScriptedPrompts::Kind::Confirm).size(), 1u);
  EXPECT_FALSE(::IsIconic(form.Handle()));
  EXPECT_TRUE(::IsWindow(foreign.Find(L"Behind the question")));
}

// Counts WM_SHOWWINDOW on a control: the hotkey handler hides and shows three of them.
class ShowCounter {
 public:
  explicit ShowCounter(HWND control) : control_(control) {
    ::SetWindowSubclass(control_, Proc, 77, reinterpret_cast<DWORD_PTR>(this));
  }
  ~ShowCounter() { ::RemoveWindowSubclass(control_, Proc, 77); }
  int hidden = 0, shown = 0;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<ShowCounter*>(data);
    if (message == WM_SHOWWINDOW) ++(wParam ? self->shown : self->hidden);
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  HWND control_;
};

// Prompts whose question fails, as a broken dialog would.
class FailingPrompts final : public ui::Prompts {
 public:
  FailingPrompts() { ui::SetPrompts(this); }
  ~FailingPrompts() override { ui::SetPrompts(nullptr); }
  int errors = 0;
  void Information(const std::wstring&) override {}
  bool Confirm(const std::wstring&) override { throw platform::Win32Error("MessageBox", ERROR_NOT_ENOUGH_MEMORY); }
  void Error(const std::wstring&) override { ++errors; }
  std::optional<std::wstring> OpenFile(const ui::FileDialogOptions&) override { return std::nullopt; }
  std::optional<std::wstring> SaveFile(const ui::FileDialogOptions&) override { return std::nullopt; }
};

TEST_F(HotKeysTest, EveryIdRepaintsTheThreeControlsUnlessItsActionFailed) {
  ForeignWindows foreign(L"--title \"Repaint\"");
  FocusForm();
  ShowCounter check(form.stayOnTop.Handle()), large(form.saveLargeIcon.Handle()), small(form.saveSmallIcon.Handle());
  form.DispatchHotKey(9);  // no action, but the repaint
  form.DispatchHotKey(6);
  for (ShowCounter* counter : {&check, &large, &small}) {
    EXPECT_EQ(counter->hidden, 2);
    EXPECT_EQ(counter->shown, 2);
  }
  EXPECT_TRUE(form.stayOnTop.Visible());
  FailingPrompts failing;
  // The close-all question fails: the failure reaches the error box, and nothing is repainted.
  ::SendMessageW(form.Handle(), WM_HOTKEY, 1, 0);
  EXPECT_EQ(failing.errors, 1);
  for (ShowCounter* counter : {&check, &large, &small}) EXPECT_EQ(counter->shown, 2);
  EXPECT_TRUE(::IsWindow(foreign.Find(L"Repaint")));
}

}  // namespace
