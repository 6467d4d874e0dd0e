#include "platform/pictures/ScreenSettling.h"

#include "platform/windows/WindowQueries.h"

namespace platform {
namespace {

// GetUpdateRect reads what the window's own thread has still to paint, without asking it.
bool LeftToPaint(HWND window) { return ::GetUpdateRect(window, nullptr, FALSE) != FALSE; }

}  // namespace

bool ShownInFront(HWND window) {
  return ::GetForegroundWindow() == window && ::IsWindowVisible(window) && !::IsIconic(window) && !LeftToPaint(window);
}

bool DesktopPainted() {
  bool painted = true;
  EnumerateTopLevelWindows([&painted](HWND window) {
    if (painted && ::IsWindowVisible(window) && LeftToPaint(window) && !::IsHungAppWindow(window)) painted = false;
  });
  return painted;
}

}  // namespace platform
