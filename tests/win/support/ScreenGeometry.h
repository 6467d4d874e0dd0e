#pragma once
// Where a window and the points of its client area are on the screen.
#include <windows.h>

namespace testsupport {

inline RECT ScreenRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

// A point of the window's client area on the screen.
inline POINT ScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ::ClientToScreen(window, &p);
  return p;
}

}  // namespace testsupport
