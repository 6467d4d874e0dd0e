#include "shell/ShellToggles.h"

#include <algorithm>
#include <stdexcept>

#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"
#include "ui/Components.h"

namespace shell {
ShellToggles::ShellToggles(const Controls& controls)
    : mainWindow_(controls.mainWindow), taskbarOpacity_(controls.taskbarOpacity) {
  if (controls.buttons.size() != std::size(buttons_)) throw std::logic_error("one button for each shell toggle");
  std::copy(controls.buttons.begin(), controls.buttons.end(), buttons_);
  token_ = mainWindow_.AddMessageHandler([this](UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == ui::TaskbarCreatedMessage()) ShellRestarted();
    return false;  // the tray icon hears it too
  });
}

ShellToggles::~ShellToggles() { mainWindow_.RemoveMessageHandler(token_); }

ui::Button& ShellToggles::ButtonOf(ShellWindow target) const {
  const auto* found = std::find_if(std::begin(buttons_), std::end(buttons_),
                                   [target](const auto& entry) { return entry.first == target; });
  if (found == std::end(buttons_)) throw std::logic_error("a shell toggle without a button");
  return *found->second;
}

void ShellToggles::ApplyStartupCaptions() {
  mainWindow_.ChangingCaptions([this] {
    for (const ShellToggleRow& row : kShellToggles) ApplyCaption(row, ::IsWindowVisible(FindShellWindow(row.target)));
  });
}

void ShellToggles::Toggle(ShellWindow target) {
  const ShellToggleRow& row = ShellToggle(target);
  const bool hide = ButtonOf(target).Caption() == row.captions.first;
  if (!SetShown(target, !hide)) return;  // the caption stays
  // The caption says what the window reports now: its own visibility, which a hidden taskbar
  // does not take from its items.
  ApplyCaption(row, platform::HasVisibleStyle(FindShellWindow(target)));
}

platform::Outcome ShellToggles::SetShown(ShellWindow target, bool show) {
  const ShellToggleRow& row = ShellToggle(target);
  const HWND window = FindShellWindow(target);
  // Never a caption for a window that is not there.
  if (!window)
    throw std::runtime_error(
        platform::Narrow(L"The " + std::wstring(row.name) + L" Cannot Be Found On This Version Of Windows."));
  // The shell's windows belong to another program, which may have stopped answering: the show
  // call is left out then (platform::Answering), and fails.
  const int command = !show ? SW_HIDE : row.restores ? SW_SHOWNORMAL : SW_SHOW;
  const platform::Outcome shown = platform::ShowWindowState(window, command);
  platform::LogIfFailed(L"Hiding or showing a window of the shell", shown);
  if (shown && target == ShellWindow::Taskbar) {
    for (const HWND other : SecondaryTaskbars())
      platform::LogIfFailed(L"Hiding or showing a taskbar of another monitor",
                            platform::ShowWindowState(other, command));
  }
  return shown;
}

void ShellToggles::ApplyCaption(const ShellToggleRow& row, bool visible) {
  ButtonOf(row.target).SetCaption(visible ? row.captions.first : row.captions.second);
}

void ShellToggles::ApplyTaskbarOpacity() {
  opacityChosen_ = true;
  SetTaskbarOpacity(taskbarOpacity_.Position());
}

void ShellToggles::SetTaskbarOpacity(int percent) {
  std::vector<HWND> taskbars = SecondaryTaskbars();
  if (const HWND main = FindShellWindow(ShellWindow::Taskbar)) taskbars.insert(taskbars.begin(), main);
  // A taskbar that does not answer is left alone (platform::Answering).
  for (const HWND taskbar : taskbars)
    platform::LogIfFailed(L"Setting a taskbar's opacity", platform::SetWindowOpacity(taskbar, percent));
}

// A new shell (Explorer restarts after a crash or an update) has new windows in their own
// state: the captions are read again, and the opacity chosen in this run is given again.
void ShellToggles::ShellRestarted() {
  ApplyStartupCaptions();
  if (opacityChosen_) ApplyTaskbarOpacity();
}

}  // namespace shell
