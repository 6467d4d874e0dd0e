#pragma once
// The shell's own windows that the taskbar and desktop toggles act on, and everything a toggle
// needs of its target: how to find it, its button's two captions and how it comes back.
#include <stdexcept>

#include "platform/ui/portable/Layout.h"

namespace shell {

enum class ShellWindow {
  TaskbarClock,  // "TrayClockWClass" in "TrayNotifyWnd" in the taskbar
  Taskbar,       // the top-level "Shell_TrayWnd"
  DesktopIcons,  // the first child of the top-level "ProgMan"
  TaskbarItems,  // "ReBarWindow32" in the taskbar
};

struct ShellToggleRow {
  ShellWindow target;
  // How to reach the window: a top-level class, then up to two steps down, each either a child
  // of the given class or (null class) the first child.
  const wchar_t* topLevelClass;
  int steps;
  const wchar_t* childClasses[2];
  ui::CaptionPair captions;  // first while the target is shown (a click hides it), second while hidden
  bool restores;             // shown again restored (SW_SHOWNORMAL) rather than only shown
};

// In the order start-up reads the shell.
inline constexpr ShellToggleRow kShellToggles[] = {
    {ShellWindow::TaskbarClock,
     L"Shell_TrayWnd",
     2,
     {L"TrayNotifyWnd", L"TrayClockWClass"},
     {L"Hide TaskBar Clock", L"Show TaskBar Clock"},
     true},
    {ShellWindow::Taskbar, L"Shell_TrayWnd", 0, {}, {L"Hide TaskBar", L"Show TaskBar"}, true},
    {ShellWindow::DesktopIcons, L"ProgMan", 1, {nullptr}, {L"Hide Desktop", L"Show Desktop"}, false},
    {ShellWindow::TaskbarItems,
     L"Shell_TrayWnd",
     1,
     {L"ReBarWindow32"},
     {L"Hide TaskBar Items", L"Show TaskBar Items"},
     true},
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
