// A program for the end-to-end driver to work on, so its cross-process tools are tested on
// something whose answers are known.
//
//   driver_target_helper.exe --list ROW...       a window "Driver Target" with a report list
//       view (one column "Rows") holding the rows; a click on a row retitles the window
//       "Clicked <row index>"
//   driver_target_helper.exe --ask CAPTION TEXT  a Yes/No question box; the answer (IDYES 6,
//       IDNO 7) is the exit code
//   driver_target_helper.exe --tell CAPTION TEXT an OK box; exit code IDOK (1)
// Each mode ends by itself after two minutes.
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {

constexpr UINT kLifetimeMs = 120000;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == NM_CLICK) {
        const auto* item = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        ::SetWindowTextW(window, (L"Clicked " + std::to_wstring(item->iItem)).c_str());
      }
      return 0;
    }
    case WM_TIMER:
    case WM_CLOSE: ::DestroyWindow(window); return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

int ShowList(int count, wchar_t** rows) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"DriverTarget";
  ::RegisterClassExW(&wc);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"Driver Target", WS_OVERLAPPEDWINDOW, 100, 100, 320, 240,
                                  nullptr, nullptr, wc.hInstance, nullptr);
  HWND list = ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 0, 0, 300,
                                200, window, nullptr, wc.hInstance, nullptr);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 200;
  column.pszText = const_cast<wchar_t*>(L"Rows");
  ::SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  for (int i = 0; i < count; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = rows[i];
    ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  ::SetTimer(window, 1, kLifetimeMs, nullptr);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const int argc = __argc;
  wchar_t** argv = __wargv;
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"--list") return ShowList(argc - 2, argv + 2);
  if ((mode == L"--ask" || mode == L"--tell") && argc == 4) {
    // A message box has no time-out of its own: a timer of this thread ends it.
    ::SetTimer(nullptr, 0, kLifetimeMs, [](HWND, UINT, UINT_PTR, DWORD) WINAPI { ::PostQuitMessage(0); });
    const UINT type = mode == L"--ask" ? MB_YESNO | MB_ICONQUESTION : MB_OK;
    return ::MessageBoxW(nullptr, argv[3], argv[2], type);
  }
  return 2;
}
