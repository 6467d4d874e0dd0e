#pragma once
// A top-level window of the test process whose client area is one colour, painted on WM_PAINT
// and, as a well-behaved window does, on WM_PRINTCLIENT (what PrintWindow asks for under Wine).
#include <windows.h>

#include <string>

namespace testsupport {

class PatternWindow {
 public:
  PatternWindow(const std::wstring& title, COLORREF colour, RECT place, DWORD exStyle = 0) : colour_(colour) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = &PatternWindow::Procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VantoraPatternWindow";
    ::RegisterClassExW(&wc);  // fails harmlessly when an earlier test registered it
    const DWORD style = exStyle & WS_EX_TOPMOST ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    window_ =
        ::CreateWindowExW(exStyle, wc.lpszClassName, title.c_str(), style, place.left, place.top,
                          place.right - place.left, place.bottom - place.top, nullptr, nullptr, wc.hInstance, this);
    ::ShowWindow(window_, exStyle & WS_EX_TOPMOST ? SW_SHOWNOACTIVATE : SW_SHOW);
    ::UpdateWindow(window_);
  }
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;
  ~PatternWindow() { ::DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    const auto* self = reinterpret_cast<PatternWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && (message == WM_PAINT || message == WM_PRINTCLIENT)) {
      PAINTSTRUCT paint{};
      const HDC dc = message == WM_PAINT ? ::BeginPaint(window, &paint) : reinterpret_cast<HDC>(wParam);
      RECT client{};
      ::GetClientRect(window, &client);
      const HBRUSH brush = ::CreateSolidBrush(self->colour_);
      ::FillRect(dc, &client, brush);
      ::DeleteObject(brush);
      if (message == WM_PAINT) ::EndPaint(window, &paint);
      return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  COLORREF colour_;
  HWND window_ = nullptr;
};

}  // namespace testsupport
