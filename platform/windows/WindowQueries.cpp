#include "platform/windows/WindowQueries.h"

#include "platform/CallbackExceptions.h"
#include "platform/system/SystemFunctions.h"
#include "platform/windows/WindowIsolation.h"
#include "platform/windows/WindowMessages.h"

#include <vector>

namespace platform {
namespace {

// `call` (returning whether it succeeded) made only while the window answers; its error code is
// read at once when it fails.
template <class Call>
Outcome WhenAnswering(HWND window, Call call) {
  if (!Answering(window)) return Outcome::Failure(::IsWindow(window) ? ERROR_TIMEOUT : ERROR_INVALID_WINDOW_HANDLE);
  return Outcome::Of(call);
}

// The same for a change, which the system refuses on a window of a program with higher rights.
template <class Call>
Outcome WhenChangeable(HWND window, Call call) {
  if (Outcome allowed = ChangeAllowed(window); !allowed) return allowed;
  return WhenAnswering(window, call);
}

// Whether the window is as the show command leaves it. `wasMaximized`: maximized, not minimized,
// before the command.
bool ShowsAs(HWND window, int command, bool wasMaximized) {
  switch (command) {
    case SW_HIDE: return !HasVisibleStyle(window);
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE: return ::IsIconic(window) != FALSE;
    case SW_SHOWMAXIMIZED: return ::IsZoomed(window) != FALSE;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
      // A minimized window that was maximized comes back maximized.
      return !::IsIconic(window) && !(wasMaximized && ::IsZoomed(window)) && HasVisibleStyle(window);
    default: return HasVisibleStyle(window);
  }
}

}  // namespace

std::wstring WindowText(HWND window, int bufferChars) {
  if (bufferChars <= 1) return {};
  std::wstring text(static_cast<size_t>(bufferChars), L'\0');
  const int length = ::GetWindowTextW(window, text.data(), bufferChars - 1);
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

Outcome SetWindowTitle(HWND window, const std::wstring& title) {
  // A window may refuse its new title (its WM_SETTEXT answers FALSE) without giving a reason.
  return WhenChangeable(window, [&] { return ::SetWindowTextW(window, title.c_str()) != FALSE; });
}

std::wstring WindowClassName(HWND window) {
  wchar_t name[257] = {};
  const int length = ::GetClassNameW(window, name, 257);
  return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

DWORD ExtendedStyle(HWND window) { return static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)); }

Outcome SetExtendedStyle(HWND window, DWORD style) {
  return WhenChangeable(window, [&] {
    // The earlier style is returned, and 0 may be one: only an error code (cleared first) tells a
    // failure.
    return ::SetWindowLongW(window, GWL_EXSTYLE, static_cast<LONG>(style)) != 0 || ::GetLastError() == ERROR_SUCCESS;
  });
}

std::optional<RECT> WindowRectangle(HWND window) {
  RECT rect{};
  if (!::GetWindowRect(window, &rect)) return std::nullopt;
  return rect;
}

// ShowWindow and EnableWindow report the window's earlier state, not whether it obeyed: what it
// became is read back.
Outcome ShowWindowState(HWND window, int command) {
  const bool wasMaximized = ::IsZoomed(window) && !::IsIconic(window);
  return WhenChangeable(window, [&] { return ::ShowWindow(window, command), ShowsAs(window, command, wasMaximized); });
}

Outcome SetWindowEnabled(HWND window, bool enabled) {
  return WhenChangeable(window, [&] {
    return ::EnableWindow(window, enabled ? TRUE : FALSE), (::IsWindowEnabled(window) != FALSE) == enabled;
  });
}

Outcome PositionWindow(HWND window, HWND insertAfter, const RECT& rect, UINT flags) {
  return WhenChangeable(window, [&] {
    return ::SetWindowPos(window, insertAfter, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          flags) != FALSE;
  });
}

Outcome SetPlacement(HWND window, const WINDOWPLACEMENT& placement) {
  return WhenChangeable(window, [&] { return ::SetWindowPlacement(window, &placement) != FALSE; });
}

// Activation is not among the changes the system refuses for rights. SetForegroundWindow fails
// without a code when the system does not let the program take the foreground.
Outcome BringToForeground(HWND window) {
  return WhenAnswering(window, [&] { return ::SetForegroundWindow(window) != FALSE; });
}

void EnumerateTopLevelWindows(const std::function<void(HWND)>& visit) {
  struct Collected {
    std::vector<HWND> windows;
    CallbackExceptions failure;
  } collected;
  ::EnumWindows(
      [](HWND window, LPARAM context) WINAPI -> BOOL {
        auto& c = *reinterpret_cast<Collected*>(context);
        return c.failure.Guard(FALSE, [&] { return c.windows.push_back(window), TRUE; });
      },
      reinterpret_cast<LPARAM>(&collected));
  collected.failure.RethrowIfCaught();
  for (HWND window : collected.windows) visit(window);
}

std::vector<HWND> TopLevelWindowsOfClass(const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = ::FindWindowExW(nullptr, window, className, nullptr));) found.push_back(window);
  return found;
}

Outcome SetLayeredAlpha(HWND window, BYTE alpha) {
  using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  static const auto setLayered = SystemFunction<SetLayeredFn>(L"user32.dll", "SetLayeredWindowAttributes");
  if (!setLayered) return Outcome::Failure(ERROR_CALL_NOT_IMPLEMENTED);
  return WhenChangeable(window, [&] { return setLayered(window, 0, alpha, LWA_ALPHA) != FALSE; });
}

std::optional<BYTE> LayeredAlpha(HWND window) {
  using GetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
  static const auto getLayered = SystemFunction<GetLayeredFn>(L"user32.dll", "GetLayeredWindowAttributes");
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!getLayered || !getLayered(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA)) return std::nullopt;
  return alpha;
}

std::optional<bool> SystemMenuCloseEnabled(HWND window) {
  HMENU menu = ::GetSystemMenu(window, FALSE);
  if (!menu) return std::nullopt;
  const UINT state = ::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
  if (state == static_cast<UINT>(-1)) return std::nullopt;
  return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

Outcome SetSystemMenuClose(HWND window, bool enable) {
  return WhenChangeable(window, [&] {
    HMENU menu = ::GetSystemMenu(window, FALSE);
    if (!menu) return false;
    // GetSystemMenu's null and EnableMenuItem's -1 (no such item) set no error code.
    return ::EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED)) != static_cast<BOOL>(-1);
  });
}

std::optional<DWORD> TitleBarCloseState(HWND window) {
  TITLEBARINFO info{};
  info.cbSize = sizeof(info);
  // Newer systems ask the window itself (WM_GETTITLEBARINFOEX).
  if (!Answering(window) || !::GetTitleBarInfo(window, &info)) return std::nullopt;
  return info.rgstate[5];
}

UniqueIcon CopyIconScaled(HICON icon, int width, int height) {
  if (!icon) return {};
  return UniqueIcon(static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, width, height, 0)));
}

bool ForegroundIsOurs() {
  DWORD owner = 0;
  ::GetWindowThreadProcessId(::GetForegroundWindow(), &owner);
  return owner == ::GetCurrentProcessId();
}

HICON WindowIcon(HWND window, bool large) {
  auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(window, large ? GCLP_HICON : GCLP_HICONSM));
  const auto ask = [window](WPARAM kind) {
    return reinterpret_cast<HICON>(BoundedSend(window, WM_GETICON, kind, 0, kIconQueryWait).value_or(0));
  };
  if (!icon) icon = ask(large ? ICON_BIG : ICON_SMALL);
  if (!icon && !large) icon = ask(ICON_BIG);
  return icon;
}

Outcome SetWindowIcon(HWND window, WPARAM kind, HICON icon) {
  // The answer is the window's previous icon, which may be none: only whether the message got
  // through tells.
  return WhenChangeable(window, [&] {
    return BoundedSend(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon), kIconQueryWait).has_value();
  });
}

UniqueIcon CopyAtSystemSize(HICON icon, bool large) {
  const int width = ::GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
  const int height = ::GetSystemMetrics(large ? SM_CYICON : SM_CYSMICON);
  return CopyIconScaled(icon, width, height);
}

bool IsWindowTopmost(HWND window) { return (ExtendedStyle(window) & WS_EX_TOPMOST) != 0; }

bool HasVisibleStyle(HWND window) { return (::GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

bool IsCloseButtonEnabled(HWND window) { return TitleBarCloseState(window).value_or(0) != STATE_SYSTEM_UNAVAILABLE; }

}  // namespace platform
