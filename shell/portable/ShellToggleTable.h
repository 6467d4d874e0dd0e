#pragma once
// The shell's own windows that the taskbar and desktop toggles act on, and what a toggle needs
// of its target besides finding it: its name, its button's two captions and how it comes back.
#include <stdexcept>

#include "ui/portable/Layout.h"

namespace shell {

enum class ShellWindow {
  TaskbarClock,  // the clock in the taskbar's notification area
  Taskbar,       // the taskbar of the main monitor, with those of the other monitors
  DesktopIcons,  // the view that shows the desktop's icons
  TaskbarItems,  // the band of the taskbar that holds the programs' buttons
};

struct ShellToggleRow {
  ShellWindow target;
  const wchar_t* name;       // how the user calls the target, in messages
  ui::CaptionPair captions;  // first while the target is shown (a click hides it), second while hidden
  bool restores;             // shown again restored (SW_SHOWNORMAL) rather than only shown
};

// In the order start-up reads the shell.
inline constexpr ShellToggleRow kShellToggles[] = {
    {ShellWindow::TaskbarClock, L"TaskBar Clock", {L"Hide TaskBar Clock", L"Show TaskBar Clock"}, true},
    {ShellWindow::Taskbar, L"TaskBar", {L"Hide TaskBar", L"Show TaskBar"}, true},
    {ShellWindow::DesktopIcons, L"Desktop Icons", {L"Hide Desktop", L"Show Desktop"}, false},
    {ShellWindow::TaskbarItems, L"TaskBar Items", {L"Hide TaskBar Items", L"Show TaskBar Items"}, true},
};

constexpr const ShellToggleRow& ShellToggle(ShellWindow target) {
  for (const ShellToggleRow& row : kShellToggles)
    if (row.target == target) return row;
  throw std::logic_error("a shell window without a toggle row");
}

// The other buttons of the shell and system settings that name what their next click does.
inline constexpr ui::CaptionPair kClipboardToggle{L"Disable Clipboard", L"Enable Clipboard"};
inline constexpr ui::CaptionPair kClipboardStatus{L"Status: Clipboard Enabled", L"Status: Clipboard Disabled"};
inline constexpr ui::CaptionPair kStartWithWindowsToggle{L"Start on Windows Startup",
                                                         L"Do Not Start on Windows Startup"};

}  // namespace shell
