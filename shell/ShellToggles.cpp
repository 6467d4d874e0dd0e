#include "shell/ShellToggles.h"

#include "commands/WindowRoutines.h"
#include "platform/WindowQueries.h"

namespace shell {
namespace {

struct ToggleRow {
  ShellWindow target;
  const wchar_t* hideCaption;  // while the target is shown
  const wchar_t* showCaption;  // while it is hidden
};

// In the order start-up reads the shell.
constexpr ToggleRow kToggles[] = {
    {ShellWindow::TaskbarClock, L"Hide TaskBar Clock", L"Show TaskBar Clock"},
    {ShellWindow::Taskbar, L"Hide TaskBar", L"Show TaskBar"},
    {ShellWindow::DesktopIcons, L"Hide Desktop", L"Show Desktop"},
    {ShellWindow::TaskbarItems, L"Hide TaskBar Items", L"Show TaskBar Items"},
};

const ToggleRow& RowOf(ShellWindow target) {
  for (const ToggleRow& row : kToggles)
    if (row.target == target) return row;
  return kToggles[0];  // every target has a row
}

// The shell's windows belong to another program, which may have stopped answering: the show
// call is left out then (platform::Answering).
void ShowShellWindow(ShellWindow target, int command) { platform::ShowWindowState(FindShellWindow(target), command); }

}  // namespace

void SetDesktopIconsVisible(bool visible) { ShowShellWindow(ShellWindow::DesktopIcons, visible ? SW_SHOW : SW_HIDE); }

ui::Button& ShellToggles::ButtonOf(ShellWindow target) const {
  switch (target) {
    case ShellWindow::Taskbar: return controls_.taskbar;
    case ShellWindow::TaskbarItems: return controls_.taskbarItems;
    case ShellWindow::TaskbarClock: return controls_.taskbarClock;
    case ShellWindow::DesktopIcons: break;
  }
  return controls_.desktopIcons;
}

void ShellToggles::ApplyStartupCaptions() {
  for (const ToggleRow& row : kToggles) {
    const bool visible = ::IsWindowVisible(FindShellWindow(row.target)) != FALSE;
    ButtonOf(row.target).SetCaption(visible ? row.hideCaption : row.showCaption);
  }
}

void ShellToggles::Toggle(ShellWindow target) {
  const ToggleRow& row = RowOf(target);
  ui::Button& button = ButtonOf(target);
  const bool hide = button.Caption() == row.hideCaption;
  // The taskbar's windows come back restored (SW_SHOWNORMAL); the desktop icons only shown.
  if (target == ShellWindow::DesktopIcons)
    SetDesktopIconsVisible(!hide);
  else
    ShowShellWindow(target, hide ? SW_HIDE : SW_SHOWNORMAL);
  button.SetCaption(hide ? row.showCaption : row.hideCaption);
}

void ShellToggles::ApplyTaskbarOpacity() {
  // A taskbar that does not answer is left alone (platform::Answering).
  if (const HWND taskbar = FindShellWindow(ShellWindow::Taskbar))
    SetWindowOpacity(taskbar, controls_.taskbarOpacity.Position());
}

}  // namespace shell
