// The platform's floor for the main window's user interface: one window with the same controls
// (the same classes, count, places and fonts, from the same layout table, under the program's
// manifest) created bare, with no logic of the program at all. Vantora's start-up is measured
// against it.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/portable/MainLayout.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct Kind {
  const wchar_t* windowClass;
  DWORD style;
};

Kind KindOf(ui::ControlKind kind) {
  using K = ui::ControlKind;
  switch (kind) {
    case K::Button: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
    case K::BitBtn: return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP};
    case K::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP};
    case K::RadioButton: return {WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP};
    case K::Edit: return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER};
    case K::ComboBox: return {WC_COMBOBOXW, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP};
    case K::TrackBar: return {TRACKBAR_CLASSW, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP};
    case K::ListView: return {WC_LISTVIEWW, LVS_REPORT | WS_TABSTOP | WS_BORDER};
    case K::Image:
    case K::Panel:
    case K::Bevel: return {WC_STATICW, SS_OWNERDRAW};
    default: return {WC_STATICW, SS_LEFTNOWORDWRAP};
  }
}

HFONT Font(int height, bool bold) {
  return ::CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"BenchBareControls";
  ::RegisterClassExW(&wc);
  RECT outer{0, 0, vantora::kMainClientWidth, vantora::kMainClientHeight};
  ::AdjustWindowRectEx(&outer, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE, 0);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"Bare Controls",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top,
                                  nullptr, nullptr, instance, nullptr);
  const HFONT plain = Font(-11, false), bold = Font(-11, true), heading = Font(-13, true);
  int id = 1000;
  for (const ui::LayoutRow& row : vantora::MainWindowLayout()) {
    const Kind kind = KindOf(row.kind);
    const ui::Bounds b = vantora::MainControlBounds(row);
    HWND control = ::CreateWindowExW(0, kind.windowClass, std::wstring(row.caption).c_str(),
                                     kind.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, b.left, b.top,
                                     b.width ? b.width : 100, b.height ? b.height : 14, window,
                                     reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id++)), instance, nullptr);
    const HFONT font = row.kind == ui::ControlKind::Heading ? heading : (row.flags & ui::kBold) ? bold : plain;
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  ::ShowWindow(window, show);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return 0;
}
