#include "shell/ShellToggles.h"

#include <algorithm>
#include <stdexcept>

#include "platform/WindowQueries.h"
#include "platform/WindowRoutines.h"

namespace shell {
namespace {

// The shell's windows belong to another program, which may have stopped answering: the show
// call is left out then (platform::Answering).
void ShowShellWindow(ShellWindow target, int command) { platform::ShowWindowState(FindShellWindow(target), command); }

}  // namespace

void SetDesktopIconsVisible(bool visible) { ShowShellWindow(ShellWindow::DesktopIcons, visible ? SW_SHOW : SW_HIDE); }

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
  for (const ShellToggleRow& row : kShellToggles) {
    const bool visible = ::IsWindowVisible(FindShellWindow(row.target)) != FALSE;
    ButtonOf(row.target).SetCaption(visible ? row.captions.first : row.captions.second);
  }
}

void ShellToggles::Toggle(ShellWindow target) {
  const ShellToggleRow& row = ShellToggle(target);
  ui::Button& button = ButtonOf(target);
  const bool hide = button.Caption() == row.captions.first;
  ShowShellWindow(target, hide ? SW_HIDE : row.restores ? SW_SHOWNORMAL : SW_SHOW);
  button.SetCaption(hide ? row.captions.second : row.captions.first);
}

void ShellToggles::ApplyTaskbarOpacity() {
  // A taskbar that does not answer is left alone (platform::Answering).
  if (const HWND taskbar = FindShellWindow(ShellWindow::Taskbar))
    platform::SetWindowOpacity(taskbar, taskbarOpacity_.Position());
}

}  // namespace shell
