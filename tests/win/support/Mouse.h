#pragma once
// Real mouse input, as the user's hand makes it (SendInput), then the program's messages run.
#include <windows.h>

#include <gtest/gtest.h>

#include "ScreenGeometry.h"
#include "ui/Application.h"

namespace testsupport {

// Moves the pointer to the screen point, on any monitor, with button flags (MOUSEEVENTF_LEFTDOWN,
// ...) if any. The system maps 0..65535 over the virtual screen's width rounding down, so the
// position is rounded up to land on the very pixel.
inline void MouseAt(POINT screen, DWORD flags = 0) {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN), top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), height = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(((screen.x - left) * 65536LL + width - 1) / width);
  input.mi.dy = static_cast<LONG>(((screen.y - top) * 65536LL + height - 1) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
  ASSERT_EQ(::SendInput(1, &input, sizeof(input)), 1u);
  ::Sleep(20);
  ui::Application::Instance().ProcessMessages();
}

// Presses at `from`, moves in a few steps to `to` and releases there.
inline void Drag(POINT from, POINT to) {
  MouseAt(from);
  MouseAt(from, MOUSEEVENTF_LEFTDOWN);
  for (int i = 1; i <= 4; ++i) MouseAt({from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4});
  MouseAt(to, MOUSEEVENTF_LEFTUP);
}

}  // namespace testsupport
