#pragma once
// Real mouse input at a point of the screen, as the user's hand makes it.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/ui/Application.h"

namespace testsupport {

inline void MouseAt(POINT screen, DWORD flags = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  ASSERT_EQ(::SendInput(1, &input, sizeof(input)), 1u);
  ::Sleep(20);
  ui::Application::Instance().ProcessMessages();
}

inline POINT ScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ::ClientToScreen(window, &p);
  return p;
}

}  // namespace testsupport
