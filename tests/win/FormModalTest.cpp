// Modal forms, mouse drags with capture, forms in physical pixels and the binding of form and
// control objects to their windows (forms from the first message, controls from the end of their
// creation) to the last message.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <type_traits>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Controls.h"
#include "support/Mouse.h"
#include "support/TestApp.h"

using testing_support::ClientRectOf;
using testing_support::PlainFormStyle;

namespace {

// Nothing but Owned can build a form, so no form can skip destroying its window first.
static_assert(!std::is_constructible_v<ui::Form, const ui::FormStyle&>);
static_assert(!std::is_default_constructible_v<ui::FormKey>);

class ModalTest : public ::testing::Test {
 protected:
  ui::Application& application = testing_support::TestApplication();
  ui::Owned<ui::Form> main{PlainFormStyle(L"TModalMain")};
  ui::Owned<ui::Form> dialog{PlainFormStyle(L"TModalDialog")};
};

TEST_F(ModalTest, ShowModalRunsUntilAResultAndDisablesTheOtherFormsMeanwhile) {
  ui::Button ok{dialog, {"Button1", ui::ControlKind::Button, {10, 10, 75, 25}, L"OK"}};
  ok.SetModalResult(ui::ModalResult::Ok);
  main.Show();
  bool mainEnabledDuringLoop = true, dialogShownDuringLoop = false;
  ok.OnClick = [&] {
    mainEnabledDuringLoop = ::IsWindowEnabled(main.Handle()) != FALSE;
    dialogShownDuringLoop = dialog.Visible() && dialog.Modal();
  };
  // Clicked from the queue, once the loop runs.
  dialog.OnShow = [&] { ::PostMessageW(ok.Handle(), BM_CLICK, 0, 0); };
  EXPECT_EQ(dialog.ShowModal(), ui::ModalResult::Ok);
  EXPECT_FALSE(mainEnabledDuringLoop);
  EXPECT_TRUE(dialogShownDuringLoop);
  EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
  EXPECT_TRUE(::IsWindowEnabled(application.Handle()));
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.Modal());

  // Closing: the first attempt is refused and the loop goes on; the second ends it with Cancel.
  int asked = 0;
  dialog.OnCloseQuery = [&] { return ++asked > 1; };
  dialog.OnShow = [&] {
    for (int i = 0; i < 2; ++i) ::PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(dialog.ShowModal(), ui::ModalResult::Cancel);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(dialog.Handle());  // a dialog is hidden, not destroyed
  EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
}

TEST_F(ModalTest, TerminatingTheProgramEndsTheModalLoop) {
  main.Show();
  dialog.AddMessageHandler([&](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == WM_APP) application.Terminate(3);
    return message == WM_APP;
  });
  dialog.OnShow = [&] { ::PostMessageW(dialog.Handle(), WM_APP, 0, 0); };
  EXPECT_EQ(dialog.ShowModal(), ui::ModalResult::Cancel);
  EXPECT_TRUE(application.Terminated());
  EXPECT_TRUE(::IsWindowEnabled(main.Handle()));
  EXPECT_EQ(application.Run(), 3);  // the main loop does not start again
}

using testsupport::MouseAt;
using testsupport::ScreenPoint;

using Point = std::pair<int, int>;

struct MouseLog {
  std::vector<Point> downs, moves, ups;
  void Listen(auto& target) {
    target.OnMouseDown = [this](ui::MouseButton b, int x, int y) {
      if (b == ui::MouseButton::Left) downs.push_back({x, y});
    };
    target.OnMouseMove = [this](int x, int y) { moves.push_back({x, y}); };
    target.OnMouseUp = [this](ui::MouseButton b, int x, int y) {
      if (b == ui::MouseButton::Left) ups.push_back({x, y});
    };
  }
  bool Moved(Point p) const { return std::find(moves.begin(), moves.end(), p) != moves.end(); }
};

TEST_F(ModalTest, DragsReportClientPointsOutsideTheCapturingFormOrControl) {
  ui::Panel panel{main, {"Panel1", ui::ControlKind::Panel, {200, 150, 100, 60}, L""}};
  main.Show();
  ::SetForegroundWindow(main.Handle());
  MouseLog onForm, onPanel;
  onForm.Listen(main);
  onPanel.Listen(panel);
  panel.SetMouseCapture(true);

  // The form: pressed on its client area, released left of it.
  MouseAt(ScreenPoint(main.Handle(), 20, 30));
  MouseAt(ScreenPoint(main.Handle(), 20, 30), MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(::GetCapture(), main.Handle());
  MouseAt(ScreenPoint(main.Handle(), -15, 40));
  MouseAt(ScreenPoint(main.Handle(), -15, 40), MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(onForm.downs.size(), 1u);
  EXPECT_EQ(onForm.downs[0], (Point{20, 30}));
  EXPECT_TRUE(onForm.Moved({-15, 40}));
  ASSERT_EQ(onForm.ups.size(), 1u);
  EXPECT_EQ(onForm.ups[0], (Point{-15, 40}));
  EXPECT_EQ(::GetCapture(), nullptr);

  // The panel, a static control, takes the mouse itself and keeps it outside its bounds.
  onForm = {};
  MouseAt(ScreenPoint(panel.Handle(), 5, 5));
  MouseAt(ScreenPoint(panel.Handle(), 5, 5), MOUSEEVENTF_LEFTDOWN);
  EXPECT_EQ(::GetCapture(), panel.Handle());
  MouseAt(ScreenPoint(panel.Handle(), 150, -40));
  MouseAt(ScreenPoint(panel.Handle(), 150, -40), MOUSEEVENTF_LEFTUP);
  ASSERT_EQ(onPanel.downs.size(), 1u);
  EXPECT_EQ(onPanel.downs[0], (Point{5, 5}));
  EXPECT_TRUE(onPanel.Moved({150, -40}));
  ASSERT_EQ(onPanel.ups.size(), 1u);
  EXPECT_EQ(onPanel.ups[0], (Point{150, -40}));
  EXPECT_TRUE(onForm.downs.empty() && onForm.ups.empty());
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ModalTest, PhysicalPixelFormKeepsItsBoundsExactlyAtAnyDpi) {
  auto style = PlainFormStyle(L"TPhysicalForm");
  style.border = ui::BorderStyle::None;
  style.physicalPixels = true;
  ui::Owned<ui::Form> screen{style};
  ui::Panel panel{screen, {"Panel1", ui::ControlKind::Panel, {10, 20, 100, 50}, L""}};
  const RECT wanted{50, 60, 350, 260};
  screen.SetScreenBounds(wanted);

  RECT suggested{0, 0, 900, 700};  // what a DPI change proposes is ignored
  ::SendMessageW(screen.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(screen.Dpi(), 144u);
  RECT window{};
  ::GetWindowRect(screen.Handle(), &window);
  EXPECT_TRUE(::EqualRect(&window, &wanted));
  RECT r = ClientRectOf(panel.Handle());
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 50);
  // Moved at run time, still one to one.
  panel.SetDesignBounds({70, 80, 33, 44});
  r = ClientRectOf(panel.Handle());
  EXPECT_EQ(r.left, 70);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 33);
  EXPECT_EQ(r.bottom - r.top, 44);
}

// Which forms the windows' own creation messages already find, seen after each message.
struct CreationWitness {
  static inline std::vector<ui::Form*> forms;
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* seen = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && (seen->message == WM_NCCREATE || seen->message == WM_CREATE)) {
      if (ui::Form* form = ui::Form::FromHandle(seen->hwnd); form && form->Handle() == seen->hwnd)
        forms.push_back(form);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

TEST_F(ModalTest, ObjectsAreBoundToTheirWindowsUntilTheLastMessage) {
  {
    platform::UniqueHook hook(
        ::SetWindowsHookExW(WH_CALLWNDPROCRET, &CreationWitness::Hook, nullptr, ::GetCurrentThreadId()));
    ASSERT_TRUE(hook);
    ui::Owned<ui::Form> form{PlainFormStyle(L"TBoundForm")};
    ui::Button button{form, {"Button1", ui::ControlKind::Button, {10, 10, 75, 25}, L"OK"}};
    const std::vector<ui::Form*> formAtCreation{&form, &form};
    EXPECT_EQ(CreationWitness::forms, formAtCreation);
    EXPECT_EQ(ui::Control::FromHandle(button.Handle()), &button);
  }

  // Windows destroyed behind the objects' backs leave no handle to be destroyed again.
  ui::Button survivor{main, {"Button2", ui::ControlKind::Button, {10, 40, 75, 25}, L"Stays"}};
  auto button =
      std::make_unique<ui::Button>(main, ui::Placement{"Button1", ui::ControlKind::Button, {10, 10, 75, 25}, L"OK"});
  const HWND buttonWindow = button->Handle();
  ::DestroyWindow(buttonWindow);
  EXPECT_EQ(button->Handle(), nullptr);
  EXPECT_EQ(ui::Control::FromHandle(buttonWindow), nullptr);
  button.reset();

  // Let go of by its object while the tooltip's subclass still stands in front of ours.
  auto hinted =
      std::make_unique<ui::Edit>(main, ui::Placement{"Edit2", ui::ControlKind::Edit, {10, 70, 100, 21}, L"y"});
  hinted->SetHint(L"a hint");
  const HWND hintedWindow = hinted->Handle();
  EXPECT_EQ(ui::Control::FromHandle(hintedWindow), hinted.get());
  hinted.reset();
  EXPECT_FALSE(::IsWindow(hintedWindow));
  EXPECT_EQ(ui::Control::FromHandle(hintedWindow), nullptr);

  auto form = std::make_unique<ui::Owned<ui::Form>>(PlainFormStyle(L"TDoomedForm"));
  auto edit = std::make_unique<ui::Edit>(*form, ui::Placement{"Edit1", ui::ControlKind::Edit, {10, 10, 100, 21}, L"x"});
  edit->SetHint(L"a hint");
  const HWND formWindow = form->Handle(), tooltip = form->Tooltip();
  int destroyed = 0;
  form->OnDestroy = [&] { ++destroyed; };
  ::DestroyWindow(formWindow);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(form->Handle(), nullptr);
  EXPECT_EQ(edit->Handle(), nullptr);
  EXPECT_FALSE(::IsWindow(tooltip));
  EXPECT_EQ(ui::Form::FromHandle(formWindow), nullptr);
  edit.reset();  // a control goes before its form
  form.reset();
  EXPECT_EQ(destroyed, 1);
  EXPECT_TRUE(::IsWindow(survivor.Handle()));
  EXPECT_TRUE(::IsWindow(main.Handle()));
}

// A derived form's destruction message comes while the whole form still exists.
class ProbeForm : public ui::Form {
 public:
  ProbeForm(const ui::FormKey& key, bool& sawWholeForm) : ui::Form(key, PlainFormStyle(L"TProbeForm")) {
    OnDestroy = [this, &sawWholeForm] { sawWholeForm = alive_ && label.Handle(); };
  }
  ~ProbeForm() override { alive_ = false; }
  ui::Label label{*this, {"Label1", ui::ControlKind::Label, {10, 10, 80, 16}, L"probe"}};

 private:
  bool alive_ = true;
};

TEST_F(ModalTest, OwnedFormsDestroyTheirWindowWhileTheDerivedFormLives) {
  bool sawWholeForm = false;
  { ui::Owned<ProbeForm> probe{sawWholeForm}; }
  EXPECT_TRUE(sawWholeForm);
}

}  // namespace
