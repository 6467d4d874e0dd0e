#include "shell/ShellWindows.h"

namespace shell {

HWND FindShellWindow(ShellWindow which) {
  const ShellToggleRow& path = ShellToggle(which);
  HWND window = ::FindWindowW(path.topLevelClass, nullptr);
  // A missing parent must stop the walk: FindWindowEx with no parent searches the top level.
  for (int i = 0; i < path.steps && window; ++i) {
    window = path.childClasses[i] ? ::FindWindowExW(window, nullptr, path.childClasses[i], nullptr)
                                  : ::GetWindow(window, GW_CHILD);
  }
  return window;
}

}  // namespace shell
