#pragma once
// Shared set-up for tests that build forms: the application window exists once per process.
#include <windows.h>

#include "ui/Application.h"
#include "ui/Form.h"

namespace testing_support {

inline ui::Application& TestApplication() {
  auto& app = ui::Application::Instance();
  app.Initialize(::GetModuleHandleW(nullptr), L"Vantora");
  return app;
}

inline ui::FormStyle PlainFormStyle(const wchar_t* className = L"TTestForm") {
  ui::FormStyle style;
  style.className = className;
  style.caption = L"Test Form";
  style.clientWidth = 400;
  style.clientHeight = 300;
  return style;
}

inline RECT ClientRectOf(HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace testing_support
