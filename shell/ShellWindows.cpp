#include "shell/ShellWindows.h"

#include "platform/windows/WindowQueries.h"
#include "platform/windows/portable/ShellClasses.h"

namespace shell {
namespace {

// Windows 11 draws its taskbar's contents (the buttons, the notification area and the clock) in
// a XAML island, this child of the taskbar; the older windows it keeps beside it show nothing.
constexpr const wchar_t* kXamlIsland = L"Windows.UI.Composition.DesktopWindowContentBridge";

// A missing parent must stop the walk: FindWindowEx with no parent searches the top level.
HWND ChildOf(HWND parent, const wchar_t* className) {
  return parent ? ::FindWindowExW(parent, nullptr, className, nullptr) : nullptr;
}

// The icons' view ("SHELLDLL_DefView") starts in "Progman", where Windows 11 24H2 also keeps it.
// Once a wallpaper slideshow or a wallpaper program sends Progman 0x052C, Windows 8 to 11 23H2
// move it into a top-level "WorkerW" of its own. Progman's first child may then be another
// window (the wallpaper's "WorkerW" on 24H2), not the icons.
HWND DesktopIconsView() {
  if (const HWND view = ChildOf(::FindWindowW(L"Progman", nullptr), L"SHELLDLL_DefView")) return view;
  for (const HWND worker : platform::TopLevelWindowsOfClass(L"WorkerW"))
    if (const HWND view = ChildOf(worker, L"SHELLDLL_DefView")) return view;
  return nullptr;
}

}  // namespace

HWND FindShellWindow(ShellWindow which) {
  const HWND taskbar = ::FindWindowW(vantora::kTaskbarClass.data(), nullptr);
  switch (which) {
    case ShellWindow::Taskbar: return taskbar;
    // Windows 10 and earlier: the rebar that holds the buttons' band. Windows 11's rebar stays
    // beside its XAML island, empty: hiding it would hide nothing.
    case ShellWindow::TaskbarItems: return ChildOf(taskbar, kXamlIsland) ? nullptr : ChildOf(taskbar, L"ReBarWindow32");
    // Windows 10 and earlier: a window in the notification area. Windows 11 has none; its clock
    // is part of the XAML island.
    case ShellWindow::TaskbarClock: return ChildOf(ChildOf(taskbar, L"TrayNotifyWnd"), L"TrayClockWClass");
    case ShellWindow::DesktopIcons: return DesktopIconsView();
  }
  return nullptr;
}

std::vector<HWND> SecondaryTaskbars() { return platform::TopLevelWindowsOfClass(L"Shell_SecondaryTrayWnd"); }

}  // namespace shell
