// Commands against windows whose thread has stopped answering, fresh and once the system marks
// them hung: each returns within its bounded wait and the program serves its input afterwards.
// Questions of the program are modal while they are open.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <thread>

#include "app/VantoraMain.h"
#include "platform/windows/WindowMessages.h"
#include "support/ForeignWindows.h"
#include "support/MainForm.h"
#include "support/ScriptedPrompts.h"
#include "support/TestWindow.h"

namespace {

using testsupport::ForeignWindows;
using testsupport::TestWindow;

// A fresh hang is left after one wait; a window the system already marks hung costs nothing.
// The slack covers a loaded machine, not a second wait.
const ULONGLONG kFreshBoundMs = static_cast<ULONGLONG>(platform::kAnswerWait.count()) + 400;
constexpr ULONGLONG kMarkedBoundMs = 150;

template <class F>
ULONGLONG ElapsedMs(F&& run) {
  const ULONGLONG start = ::GetTickCount64();
  run();
  return ::GetTickCount64() - start;
}

class HungWindowsTest : public testsupport::MainFormTest {
 protected:
  // One helper hangs for the whole suite, so that it is marked hung by the time the tests ask.
  static void SetUpTestSuite() {
    stale_ = std::make_unique<ForeignWindows>(L"--hung --count 2 --title \"Stale %d\"");
    staleSince_ = ::GetTickCount64();
  }
  static void TearDownTestSuite() { stale_.reset(); }

  HWND Stale(int n) {
    const ULONGLONG age = ::GetTickCount64() - staleSince_;
    if (age < 6500) Pump(static_cast<DWORD>(6500 - age));
    const HWND window = stale_->Find(L"Stale " + std::to_wstring(n));
    EXPECT_TRUE(::IsHungAppWindow(window)) << "the system has not marked the window hung";
    return window;
  }

  // The program's own queue is served again: a posted message arrives at once.
  void ExpectInputServed() {
    bool served = false;
    const int token = form.AddMessageHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
      served = served || message == WM_APP + 9;
      return false;
    });
    ::PostMessageW(form.Handle(), WM_APP + 9, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return served; }, 500));
    form.RemoveMessageHandler(token);
  }

  // Selects the window's row and runs the command on it, both bounded.
  template <class F>
  void ExpectBounded(HWND window, ULONGLONG boundMs, F&& command) {
    EXPECT_LE(ElapsedMs([&] { Select(window); }), boundMs + platform::kIconQueryWait.count()) << "selecting the row";
    EXPECT_LE(ElapsedMs(command), boundMs);
    ExpectInputServed();
  }

  // Every class of command, fresh (a helper that hangs now) and marked hung (the suite's helper).
  template <class F>
  void ExpectEveryHangBounded(F&& command) {
    {
      ForeignWindows fresh(L"--hung --title \"Fresh\"");
      SCOPED_TRACE("fresh hang");
      ExpectBounded(fresh.Find(L"Fresh"), kFreshBoundMs, command);
    }
    SCOPED_TRACE("marked hung");
    ExpectBounded(Stale(1), kMarkedBoundMs, command);
  }

  static inline std::unique_ptr<ForeignWindows> stale_;
  static inline ULONGLONG staleSince_ = 0;
};

// Each class of call on the selected window: show states, position and Z order, text, enabling,
// styles and opacity.
TEST_F(HungWindowsTest, EveryCommandOnTheSelectedWindowIsBounded) {
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"show states",
       [&] {
         form.MaximizeClick();
         form.MinimizeClick();
         form.RestoreClick();
       }},
      {"position and Z order",
       [&] {
         form.stayOnTop.SetChecked(!form.stayOnTop.Checked());
         form.BringToFrontClick();
       }},
      {"text",
       [&] {
         form.newTitle.SetText(L"New title");
         form.UpdateTextClick();
       }},
      {"enabling", [&] { form.EnabledToggleClick(); }},
      {"styles and opacity",
       [&] {
         form.CloseButtonToggleClick();
         form.opacitySlider.SetPosition(40);
       }},
  };
  for (const auto& [name, command] : commands) {
    SCOPED_TRACE(name);
    ExpectEveryHangBounded(command);
  }
}

TEST_F(HungWindowsTest, WalksCostOneWaitPerHungWindowAndActOnTheOthers) {
  TestWindow answering(L"Answering");
  ForeignWindows fresh(L"--hung --count 2 --title \"Fresh %d\"");
  Stale(1);
  form.RefreshCatalogue();
  // Fresh hangs cost one wait each; the marked ones nothing.
  const ULONGLONG bound = 2 * kFreshBoundMs + 2 * kMarkedBoundMs;
  EXPECT_LE(ElapsedMs([&] { form.MinimizeAllWindows(TForm6::BulkVariant::HotKey); }), bound);
  EXPECT_TRUE(::IsIconic(answering.get()));
  EXPECT_LE(ElapsedMs([&] { form.RestoreAllWindows(TForm6::BulkVariant::Button); }), bound);
  EXPECT_FALSE(::IsIconic(answering.get()));
  EXPECT_LE(ElapsedMs([&] { form.SetAllWindowsOpacity(50); }), bound);
  EXPECT_LE(ElapsedMs([&] { form.CascadeClick(); }), bound);
  ExpectInputServed();
}

// A message box of the program, seen from another thread while it is open.
struct OpenBoxView {
  bool found = false;
  bool mainEnabled = true;
};

TEST_F(HungWindowsTest, AQuestionDisablesTheMainWindowWhileItIsOpen) {
  form.Show();
  ui::SetPrompts(nullptr);  // the real message boxes
  OpenBoxView view;
  const HWND main = form.Handle();
  std::thread answer([&] {
    HWND box = nullptr;
    for (int i = 0; i < 200 && !box; ++i, ::Sleep(25)) box = ::FindWindowW(L"#32770", L"Vantora");
    view.found = box != nullptr;
    view.mainEnabled = ::IsWindowEnabled(main) != FALSE;
    if (box) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  form.IconHelpClick();  // the help text, an information box
  answer.join();
  EXPECT_TRUE(view.found);
  EXPECT_FALSE(view.mainEnabled);
  EXPECT_TRUE(::IsWindowEnabled(main));
}

}  // namespace
