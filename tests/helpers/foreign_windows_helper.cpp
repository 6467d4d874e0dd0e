// Top-level windows of another process for the tests to act on.
//
//   foreign_windows_helper.exe [--count N] [--title "Foreign %d"] [--title-length L]
//       [--hung] [--refuse-close] [--icon | --no-icon] [--hidden | --minimized] [--shell]
//       [--shell-hide CLASS,CLASS...] [--shell-windows11]
//       [--copy TEXT] [--log FILE] [--ready EVENT] [--seconds N] [--hotkey MODIFIERS,KEY]
//
// --count/--title: N windows titled by the pattern, %d replaced by 1..N (default one window,
//   "Foreign %d"). --title-length L: titles of L letters instead ("ABC...Z" repeated).
// --hung: the thread owning the windows stops pumping messages once they exist.
// --refuse-close: WM_CLOSE is ignored instead of destroying the window.
// --icon: the windows' class has the standard application icon; default and --no-icon: none.
// --hidden: never shown. --minimized: shown minimized.
// --shell: also look-alikes of the shell's windows: "Shell_TrayWnd" with the children
//   "ReBarWindow32" and "TrayNotifyWnd" (child "TrayClockWClass"), and "ProgMan" with one child
//   ("SHELLDLL_DefView"), and another monitor's "Shell_SecondaryTrayWnd". --shell-hide: those
//   of the listed classes are created hidden. --shell-windows11: as Windows 11 with a wallpaper
//   slideshow: the taskbar draws in a XAML island and has no clock window, and the icons' view
//   sits in a top-level "WorkerW", with another "WorkerW" (the wallpaper) in ProgMan.
// --copy TEXT: puts TEXT on the clipboard (CF_UNICODETEXT) once the windows exist.
// --log FILE: every WM_CLOSE a window receives appends "<title>\n" (UTF-8) to FILE.
// --ready EVENT: the named event is set once every window exists.
// --hotkey MODIFIERS,KEY: the first window holds this system-wide hotkey (MOD_* flags and a
//   virtual-key code, in decimal) before the ready event is set.
// --seconds N: quit after N seconds (default 120), or on WM_CLOSE to the message-only window
//   titled "foreign-helper-control" (FindWindowExW(HWND_MESSAGE, ...)).
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Options {
  int count = 1;
  std::wstring title = L"Foreign %d";
  int titleLength = 0;
  bool hung = false;
  bool refuseClose = false;
  bool icon = false;
  bool hidden = false;
  bool minimized = false;
  bool shell = false;
  std::wstring shellHidden;  // ",Class,Class,"
  bool windows11 = false;
  std::wstring copy;
  bool hasCopy = false;
  std::wstring log;
  std::wstring ready;
  int seconds = 120;
  unsigned hotKeyModifiers = 0, hotKeyKey = 0;  // no hotkey while the key is 0
};

Options g_options;

void LogClose(HWND window) {
  if (g_options.log.empty()) return;
  wchar_t title[2048] = {};
  ::GetWindowTextW(window, title, 2048);
  char utf8[8192] = {};
  ::WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof(utf8), nullptr, nullptr);
  if (FILE* file = _wfopen(g_options.log.c_str(), L"ab")) {
    std::fprintf(file, "%s\n", utf8);
    std::fclose(file);
  }
}

LRESULT CALLBACK ForeignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    LogClose(window);
    if (!g_options.refuseClose) ::DestroyWindow(window);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE || message == WM_TIMER) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void Register(const wchar_t* className, WNDPROC procedure, HICON icon) {
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);
}

std::wstring TitleOf(int index) {
  if (g_options.titleLength > 0) {
    std::wstring title;
    for (int i = 0; i < g_options.titleLength; ++i) title += static_cast<wchar_t>(L'A' + i % 26);
    return title;
  }
  std::wstring title = g_options.title;
  const size_t at = title.find(L"%d");
  if (at != std::wstring::npos) title.replace(at, 2, std::to_wstring(index));
  return title;
}

constexpr const wchar_t* kXamlIsland = L"Windows.UI.Composition.DesktopWindowContentBridge";

bool ShellHidden(const wchar_t* className) {
  return g_options.shellHidden.find(L"," + std::wstring(className) + L",") != std::wstring::npos;
}

HWND Make(const wchar_t* className, const std::wstring& title, DWORD style, HWND parent, int x, int y) {
  return ::CreateWindowExW(0, className, title.c_str(), style, x, y, 240, 120, parent, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

void CreateShellLookAlikes() {
  for (const wchar_t* name : {L"Shell_TrayWnd", L"ReBarWindow32", L"TrayNotifyWnd", L"TrayClockWClass", L"ProgMan",
                              L"SHELLDLL_DefView", L"Shell_SecondaryTrayWnd", L"WorkerW", kXamlIsland})
    Register(name, ForeignProc, nullptr);
  const auto top = [](const wchar_t* name) { return WS_POPUP | (ShellHidden(name) ? 0 : WS_VISIBLE); };
  const auto child = [](const wchar_t* name) { return WS_CHILD | (ShellHidden(name) ? 0 : WS_VISIBLE); };
  HWND tray = Make(L"Shell_TrayWnd", L"", top(L"Shell_TrayWnd"), nullptr, 0, 900);
  Make(L"ReBarWindow32", L"", child(L"ReBarWindow32"), tray, 0, 0);
  HWND notify = Make(L"TrayNotifyWnd", L"", child(L"TrayNotifyWnd"), tray, 0, 0);
  if (!g_options.windows11) Make(L"TrayClockWClass", L"", child(L"TrayClockWClass"), notify, 0, 0);
  if (g_options.windows11) Make(kXamlIsland, L"", child(kXamlIsland), tray, 0, 0);
  Make(L"Shell_SecondaryTrayWnd", L"", top(L"Shell_SecondaryTrayWnd"), nullptr, 0, 800);
  HWND progman = Make(L"ProgMan", L"Program Manager", top(L"ProgMan"), nullptr, 0, 0);
  HWND holder = g_options.windows11 ? Make(L"WorkerW", L"", top(L"WorkerW"), nullptr, 0, 100) : progman;
  if (g_options.windows11) Make(L"WorkerW", L"", child(L"WorkerW"), progman, 0, 0);
  Make(L"SHELLDLL_DefView", L"", child(L"SHELLDLL_DefView"), holder, 0, 0);
}

void Copy(const std::wstring& text) {
  // Another program may hold the clipboard for a moment: try for a while.
  for (int attempt = 0; attempt < 100 && !::OpenClipboard(nullptr); ++attempt) ::Sleep(10);
  ::EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(::GlobalLock(block), text.c_str(), bytes);
    ::GlobalUnlock(block);
    if (!::SetClipboardData(CF_UNICODETEXT, block)) ::GlobalFree(block);
  }
  ::CloseClipboard();
}

DWORD WINAPI WindowThread(void*) {
  Register(L"VantoraForeignWindow", ForeignProc, g_options.icon ? ::LoadIconW(nullptr, IDI_APPLICATION) : nullptr);
  HWND first = nullptr;
  for (int i = 1; i <= g_options.count; ++i) {
    // Born minimized: a window minimized right after it was shown is restored again by Wine
    // once X reports the first map, a few hundred milliseconds later.
    const DWORD style = WS_OVERLAPPEDWINDOW | (g_options.minimized ? WS_MINIMIZE : 0);
    HWND window = Make(L"VantoraForeignWindow", TitleOf(i), style, nullptr, 40 + 20 * i, 40 + 20 * i);
    if (!g_options.hidden) ::ShowWindow(window, g_options.minimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    if (!first) first = window;
  }
  // A combination that cannot be held ends the helper, so the test learns it at once.
  if (g_options.hotKeyKey && !::RegisterHotKey(first, 1, g_options.hotKeyModifiers, g_options.hotKeyKey))
    ::ExitProcess(3);
  if (g_options.shell) CreateShellLookAlikes();
  if (g_options.hasCopy) Copy(g_options.copy);
  if (!g_options.ready.empty()) {
    if (HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, g_options.ready.c_str())) {
      ::SetEvent(ready);
      ::CloseHandle(ready);
    }
  }
  if (g_options.hung) ::Sleep(INFINITE);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}

void ParseArguments(int argc, wchar_t** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == L"--count" && hasValue)
      g_options.count = _wtoi(argv[++i]);
    else if (arg == L"--title" && hasValue)
      g_options.title = argv[++i];
    else if (arg == L"--title-length" && hasValue)
      g_options.titleLength = _wtoi(argv[++i]);
    else if (arg == L"--copy" && hasValue)
      g_options.copy = argv[++i], g_options.hasCopy = true;
    else if (arg == L"--log" && hasValue)
      g_options.log = argv[++i];
    else if (arg == L"--ready" && hasValue)
      g_options.ready = argv[++i];
    else if (arg == L"--seconds" && hasValue)
      g_options.seconds = _wtoi(argv[++i]);
    else if (arg == L"--shell-hide" && hasValue)
      g_options.shellHidden = L"," + std::wstring(argv[++i]) + L",";
    else if (arg == L"--hotkey" && hasValue) {
      const std::wstring value = argv[++i];
      g_options.hotKeyModifiers = static_cast<unsigned>(_wtoi(value.c_str()));
      if (const size_t comma = value.find(L','); comma != std::wstring::npos)
        g_options.hotKeyKey = static_cast<unsigned>(_wtoi(value.c_str() + comma + 1));
    } else if (arg == L"--hung")
      g_options.hung = true;
    else if (arg == L"--refuse-close")
      g_options.refuseClose = true;
    else if (arg == L"--icon")
      g_options.icon = true;
    else if (arg == L"--no-icon")
      g_options.icon = false;
    else if (arg == L"--hidden")
      g_options.hidden = true;
    else if (arg == L"--minimized")
      g_options.minimized = true;
    else if (arg == L"--shell")
      g_options.shell = true;
    else if (arg == L"--shell-windows11")
      g_options.windows11 = true;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ParseArguments(__argc, __wargv);
  Register(L"VantoraHelperControl", ControlProc, nullptr);
  HWND control = ::CreateWindowExW(0, L"VantoraHelperControl", L"foreign-helper-control", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                   nullptr, instance, nullptr);
  ::SetTimer(control, 1, static_cast<UINT>(g_options.seconds) * 1000u, nullptr);
  HANDLE thread = ::CreateThread(nullptr, 0, WindowThread, nullptr, 0, nullptr);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  // Leaving wWinMain ends the process, the window thread (hung or not) with it.
  if (thread) ::CloseHandle(thread);
  return 0;
}
