#include "shell/ShellToggles.h"

#include <algorithm>
#include <stdexcept>

#include "platform/WindowQueries.h"
#include "platform/WindowRoutines.h"

namespace shell {
ShellToggles::ShellToggles(const Controls& controls) : taskbarOpacity_(controls.taskbarOpacity) {
  if (controls.buttons.size() != std::size(buttons_)) throw std::logic_error("one button for each shell toggle");
  std::copy(controls.buttons.begin(), controls.buttons.end(), buttons_);
}

ui::Button& ShellToggles::ButtonOf(ShellWindow target) const {
  const auto* found = std::find_if(std::begin(buttons_), std::end(buttons_),
                                   [target](const auto& entry) { return entry.first == target; });
  if (found == std::end(buttons_)) throw std::logic_error("a shell toggle without a button");
  return *found->second;
}

void ShellToggles::ApplyStartupCaptions() {
  for (const ShellToggleRow& row : kShellToggles) ApplyCaption(row, ::IsWindowVisible(FindShellWindow(row.target)));
}

void ShellToggles::Toggle(ShellWindow target) {
  const ShellToggleRow& row = ShellToggle(target);
  ui::Button& button = ButtonOf(target);
  const bool hide = button.Caption() == row.captions.first;
  // The shell's windows belong to another program, which may have stopped answering: the show
  // call is left out then (platform::Answering), and fails.
  const HWND window = FindShellWindow(target);
  const platform::Outcome shown = platform::ShowWindowState(window, hide           ? SW_HIDE
                                                                    : row.restores ? SW_SHOWNORMAL
                                                                                   : SW_SHOW);
  platform::LogIfFailed(L"Hiding or showing a window of the shell", shown);
  // A missing or unanswering shell window keeps the caption; otherwise it says what the window
  // reports now: its own visibility, which a hidden taskbar does not take from its items.
  if (shown) ApplyCaption(row, platform::HasVisibleStyle(window));
}

void ShellToggles::ApplyCaption(const ShellToggleRow& row, bool visible) {
  ButtonOf(row.target).SetCaption(visible ? row.captions.first : row.captions.second);
}

void ShellToggles::ApplyTaskbarOpacity() {
  // A taskbar that does not answer is left alone (platform::Answering).
  if (const HWND taskbar = FindShellWindow(ShellWindow::Taskbar))
    platform::LogIfFailed(L"Setting the taskbar's opacity",
                          platform::SetWindowOpacity(taskbar, taskbarOpacity_.Position()));
}

}  // namespace shell
