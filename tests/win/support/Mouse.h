#pragma once
// Real mouse input, as the user's hand makes it (SendInput), then the program's messages run.
#include <windows.h>

#include <gtest/gtest.h>

#include "ScreenGeometry.h"
#include "platform/ui/Application.h"

namespace testsupport {

// Moves the pointer to the screen point, with button flags (MOUSEEVENTF_LEFTDOWN, ...) if any.
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

}  // namespace testsupport
