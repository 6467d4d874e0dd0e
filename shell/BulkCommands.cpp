// Commands on every window of the list: close, minimize, maximize, restore and the opacity of
// all, each in the variant of its button and of its hotkey.
#include <functional>
#include <span>
#include <vector>

#include "app/VantoraMain.h"
#include "commands/WindowRoutines.h"
#include "platform/Prompts.h"
#include "platform/WindowArrangement.h"
#include "platform/WindowMessages.h"
#include "platform/WindowQueries.h"

namespace {

using Variant = TForm6::BulkVariant;

// What the program does with its own window around a walk.
enum class Step {
  RaiseMainWindow,         // top of the Z order, same place and size
  BringApplicationToFront, // the program's last active window becomes the foreground window
  BringProgramForward,     // restore the main and application windows if minimized
};

constexpr Step kBeforeHotKeyClose[] = {Step::BringProgramForward, Step::RaiseMainWindow,
                                       Step::BringApplicationToFront};
constexpr Step kAfterHotKeyShowWalk[] = {Step::RaiseMainWindow, Step::BringApplicationToFront,
                                         Step::BringProgramForward};
constexpr Step kFrontThenRaise[] = {Step::BringApplicationToFront, Step::RaiseMainWindow};

// The show-state operations: one ShowWindow command per window and the steps after the walk.
struct ShowAllOperation {
  int showCommand;
  std::span<const Step> afterButtonWalk;
  std::span<const Step> afterHotKeyWalk;
};
constexpr ShowAllOperation kMinimizeAll{SW_MINIMIZE, {}, kAfterHotKeyShowWalk};
constexpr ShowAllOperation kMaximizeAll{SW_SHOWMAXIMIZED, {}, kAfterHotKeyShowWalk};  // no button
constexpr ShowAllOperation kRestoreAll{SW_RESTORE, kFrontThenRaise, kAfterHotKeyShowWalk};

void Run(TForm6& form, std::span<const Step> steps) {
  for (Step step : steps) {
    switch (step) {
      case Step::RaiseMainWindow: platform::RaiseToTop(form.Handle()); break;
      case Step::BringApplicationToFront: ui::Application::Instance().BringToFront(); break;
      case Step::BringProgramForward: form.BringProgramForward(); break;
    }
  }
}

// Every window listed when the command began gets `act` once, in list order. The walk works on
// a copy of the list: the button variant lets pending messages run between windows, and one of
// them may rebuild the list (F5, a refresh); the copy keeps every window visited exactly once
// and nothing is ever read past the list's end. A window that has gone since just fails its call.
void Walk(const TForm6& form, Variant variant, const std::function<void(HWND)>& act) {
  const std::vector<HWND> windows = form.CatalogueWindows();
  for (HWND window : windows) {
    act(window);
    if (variant == Variant::Button) ui::Application::Instance().ProcessMessages();
  }
}

void ShowAll(TForm6& form, const ShowAllOperation& operation, Variant variant) {
  Walk(form, variant, [&](HWND window) { platform::ShowWindowState(window, operation.showCommand); });
  Run(form, variant == Variant::Button ? operation.afterButtonWalk : operation.afterHotKeyWalk);
}

}  // namespace

void TForm6::BindBulkCommands() {
  Button18.OnClick = [this] { Button18Click(); };
  Button19.OnClick = [this] { Button19Click(); };
  Button23.OnClick = [this] { Button23Click(); };
  Button15.OnClick = [this] { Button15Click(); };
  Button17.OnClick = [this] { Button17Click(); };
  Button22.OnClick = [this] { Button22Click(); };
}

void TForm6::Button18Click() { MinimizeAllWindows(BulkVariant::Button); }
void TForm6::Button19Click() { CloseAllWindows(BulkVariant::Button); }
void TForm6::Button23Click() { RestoreAllWindows(BulkVariant::Button); }

void TForm6::CloseAllWindows(BulkVariant variant) {
  // From a hotkey the program may be minimized or behind others: the question comes up in front.
  if (variant == BulkVariant::HotKey) Run(*this, kBeforeHotKeyClose);
  if (!platform::CurrentPrompts().Confirm(L"Are You Sure You Want To Close All Other Windows?")) return;
  // Each window has handled its WM_CLOSE (or run out of time) before the next one gets its own.
  Walk(*this, variant,
       [](HWND window) { platform::BoundedSend(window, WM_CLOSE, 0, 0, platform::kCloseRequestWait); });
  if (variant == BulkVariant::Button) {
    ::Sleep(100);  // lets the windows finish going away before the list is rebuilt
    RefreshCatalogue();
    UpdateSelectionState();
  }
}

void TForm6::MinimizeAllWindows(BulkVariant variant) { ShowAll(*this, kMinimizeAll, variant); }
void TForm6::MaximizeAllWindows() { ShowAll(*this, kMaximizeAll, BulkVariant::HotKey); }
void TForm6::RestoreAllWindows(BulkVariant variant) { ShowAll(*this, kRestoreAll, variant); }

void TForm6::SetAllWindowsOpacity(int percent) {
  Walk(*this, BulkVariant::HotKey, [percent](HWND window) { SetWindowOpacity(window, percent); });
  Run(*this, kFrontThenRaise);
}

void TForm6::BringProgramForward() {
  for (HWND own : {Handle(), ui::Application::Instance().Handle()})
    if (::IsIconic(own)) platform::ShowWindowState(own, SW_RESTORE);
}
