#include "shell/ShellWindows.h"

namespace shell {
namespace {

// How to reach each window: a top-level class, then up to two steps down, each either a child
// of the given class or (null class) the first child.
struct ShellPath {
  ShellWindow which;
  const wchar_t* topLevelClass;
  int steps;
  const wchar_t* childClasses[2];
};

constexpr ShellPath kShellPaths[] = {
    {ShellWindow::TaskbarClock, L"Shell_TrayWnd", 2, {L"TrayNotifyWnd", L"TrayClockWClass"}},
    {ShellWindow::Taskbar, L"Shell_TrayWnd", 0, {}},
    {ShellWindow::DesktopIcons, L"ProgMan", 1, {nullptr}},
    {ShellWindow::TaskbarItems, L"Shell_TrayWnd", 1, {L"ReBarWindow32"}},
};

}  // namespace

HWND FindShellWindow(ShellWindow which) {
  for (const ShellPath& path : kShellPaths) {
    if (path.which != which) continue;
    HWND window = ::FindWindowW(path.topLevelClass, nullptr);
    // A missing parent must stop the walk: FindWindowEx with no parent searches the top level.
    for (int i = 0; i < path.steps && window; ++i) {
      window = path.childClasses[i] ? ::FindWindowExW(window, nullptr, path.childClasses[i], nullptr)
                                    : ::GetWindow(window, GW_CHILD);
    }
    return window;
  }
  return nullptr;
}

}  // namespace shell
