// Keeps Wine's desktop process alive while ctest starts many short GUI test processes.
// One hidden top-level window pumps messages until it is told to stop or its time runs out.
#include <windows.h>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, PWSTR cmd, int) {
  const wchar_t* title = L"wine-keepalive";
  if (cmd && wcscmp(cmd, L"--stop") == 0) {
    HWND other = FindWindowW(L"STATIC", title);
    if (other) PostMessageW(other, WM_CLOSE, 0, 0);
    return other ? 0 : 1;
  }
  if (cmd && wcscmp(cmd, L"--status") == 0) return FindWindowW(L"STATIC", title) ? 0 : 1;
  if (FindWindowW(L"STATIC", title)) return 0;
  const UINT seconds = (cmd && *cmd) ? static_cast<UINT>(_wtoi(cmd)) : 1800;
  HWND h = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", title, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, inst, nullptr);
  SetTimer(h, 1, seconds * 1000, nullptr);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    if (m.message == WM_TIMER || m.message == WM_CLOSE) break;
    DispatchMessageW(&m);
  }
  return 0;
}
