#pragma once
// A top-level window of the test process itself, for what Wine only allows on our own windows
// (system menu, title bar). Destroyed with the object.
#include <windows.h>

#include <string>

namespace testsupport {

class TestWindow {
 public:
  explicit TestWindow(const std::wstring& title, UINT classStyle = 0) {
    const std::wstring className = L"VantoraTestWindow" + std::to_wstring(classStyle);
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = classStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = className.c_str();
    ::RegisterClassExW(&wc);  // fails harmlessly when an earlier test registered it
    window_ = ::CreateWindowExW(0, className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                                200, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow() {
    if (window_) ::DestroyWindow(window_);
  }
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace testsupport
