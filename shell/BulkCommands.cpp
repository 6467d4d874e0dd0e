#include "shell/BulkCommands.h"

#include <functional>
#include <span>
#include <vector>

#include "platform/windows/WindowRoutines.h"
#include "ui/Prompts.h"
#include "platform/windows/WindowArrangement.h"
#include "platform/windows/WindowQueries.h"
#include "ui/Application.h"

namespace shell {

// What the program does with its own window around a walk.
enum class Step {
  RaiseMainWindow,          // top of the Z order, same place and size
  BringApplicationToFront,  // the program's last active window becomes the foreground window
  BringProgramForward,      // restore the main and application windows if minimized
};

namespace {
constexpr Step kBeforeHotKeyClose[] = {Step::BringProgramForward, Step::RaiseMainWindow, Step::BringApplicationToFront};
constexpr Step kAfterHotKeyShowWalk[] = {Step::RaiseMainWindow, Step::BringApplicationToFront,
                                         Step::BringProgramForward};
constexpr Step kFrontThenRaise[] = {Step::BringApplicationToFront, Step::RaiseMainWindow};

}  // namespace

// The show-state operations: one ShowWindow command per window and the steps after the walk.
struct ShowAllOperation {
  const wchar_t* command;  // as "Undo" names it
  int showCommand;
  std::span<const Step> afterButtonWalk;
  std::span<const Step> afterHotKeyWalk;
};
namespace {
constexpr ShowAllOperation kMinimizeAll{L"Minimize All Windows", SW_MINIMIZE, {}, kAfterHotKeyShowWalk};
constexpr ShowAllOperation kMaximizeAll{
    L"Maximize All Windows", SW_SHOWMAXIMIZED, {}, kAfterHotKeyShowWalk};  // no button
constexpr ShowAllOperation kRestoreAll{L"Restore All Windows", SW_RESTORE, kFrontThenRaise, kAfterHotKeyShowWalk};

}  // namespace

void BulkCommands::Run(std::span<const Step> steps) {
  for (Step step : steps) {
    switch (step) {
      case Step::RaiseMainWindow:
        platform::LogIfFailed(L"Raising the main window", platform::RaiseToTop(form_.Handle()));
        break;
      case Step::BringApplicationToFront: ui::Application::Instance().BringToFront(); break;
      case Step::BringProgramForward: BringProgramForward(); break;
    }
  }
}

// Every window listed when the command began gets `act` once, in list order. The walk works on
// a copy of the list: the button variant lets pending messages run between windows, and one of
// them may rebuild the list (F5, a refresh); the copy keeps every window visited exactly once
// and nothing is ever read past the list's end. A window that has gone since, or does not
// answer, just fails its call: the walk goes on, and the failure goes to the debug log.
// A button acts on the rows shown, a hotkey on every window the list holds, filtered or not.
void BulkCommands::Walk(BulkVariant variant, const wchar_t* what,
                        const std::function<platform::Outcome(HWND)>& act) const {
  WalkWindows(Targets(variant), variant == BulkVariant::Button, what, act);
}

WalkFailures BulkCommands::WalkWindows(std::span<const HWND> windows, bool processMessages, const wchar_t* what,
                                       const std::function<platform::Outcome(HWND)>& act) {
  WalkFailures failures;
  for (HWND window : windows) {
    platform::Outcome outcome = act(window);
    platform::LogIfFailed(what, outcome);
    if (!outcome) failures.emplace_back(window, outcome);
    if (processMessages) ui::Application::Instance().ProcessMessages();
  }
  return failures;
}

WalkFailures BulkCommands::ShowEach(std::span<const HWND> windows, int showCommand) {
  return WalkWindows(windows, false, L"Showing a listed window",
                     [showCommand](HWND window) { return platform::ShowWindowState(window, showCommand); });
}

WalkFailures BulkCommands::CloseEach(std::span<const HWND> windows) {
  return WalkWindows(windows, false, L"Asking a listed window to close", platform::RequestClose);
}

WalkFailures BulkCommands::SetOpacityOfEach(std::span<const HWND> windows, int percent) {
  return WalkWindows(windows, false, L"Setting a listed window's opacity",
                     [percent](HWND window) { return platform::SetWindowOpacity(window, percent); });
}

std::vector<HWND> BulkCommands::Targets(BulkVariant variant) const {
  return variant == BulkVariant::HotKey ? catalogue_.AllWindows() : catalogue_.Windows();
}

void BulkCommands::ShowAll(const ShowAllOperation& operation, BulkVariant variant) {
  catalogue_.History().Record(operation.command, Targets(variant));
  Walk(variant, L"Showing a listed window",
       [&](HWND window) { return platform::ShowWindowState(window, operation.showCommand); });
  Run(variant == BulkVariant::Button ? operation.afterButtonWalk : operation.afterHotKeyWalk);
}

void BulkCommands::CloseAll(BulkVariant variant) {
  // From a hotkey the program may be minimized or behind others: the question comes up in front.
  if (variant == BulkVariant::HotKey) Run(kBeforeHotKeyClose);
  if (!ui::CurrentPrompts().Confirm(L"Are You Sure You Want To Close All Other Windows?")) return;
  // Each window has handled its WM_CLOSE (or run out of time) before the next one gets its own.
  const std::vector<HWND> asked = Targets(variant);
  catalogue_.History().Record(L"Close All Windows", asked);
  Walk(variant, L"Asking a listed window to close", platform::RequestClose);
  if (variant == BulkVariant::Button) catalogue_.RefreshAfterClosing(asked);
}

void BulkCommands::MinimizeAll(BulkVariant variant) { ShowAll(kMinimizeAll, variant); }
void BulkCommands::MaximizeAll() { ShowAll(kMaximizeAll, BulkVariant::HotKey); }
void BulkCommands::RestoreAll(BulkVariant variant) { ShowAll(kRestoreAll, variant); }

void BulkCommands::SetAllOpacity(int percent) {
  const std::vector<HWND> windows = Targets(BulkVariant::HotKey);
  catalogue_.History().Record(percent == 100 ? L"Opaque All" : L"Half Transparent All", windows);
  SetOpacityOfEach(windows, percent);
  Run(kFrontThenRaise);
}

void BulkCommands::BringProgramForward() {
  // A window hidden in the tray stays hidden: restoring it would show it, and with the
  // application window its taskbar entry.
  for (HWND own : {form_.Handle(), ui::Application::Instance().Handle()})
    if (::IsIconic(own) && ::IsWindowVisible(own))
      platform::LogIfFailed(L"Restoring the program", platform::ShowWindowState(own, SW_RESTORE));
}

}  // namespace shell
