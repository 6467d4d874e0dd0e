#pragma once
// Plain queries and changes on any top-level window, ours or another program's. The handle is
// never owned: another program's window may vanish at any moment, and every call then just fails.
// Every change (and every query that asks the window itself) is made only while the window is
// Answering (platform/windows/WindowMessages.h): on a window whose thread has stopped answering it is
// left out, and reports failure where it reports anything.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/UniqueHandle.h"

namespace platform {

// The title as GetWindowTextW reports it into a buffer of `bufferChars` characters (limit
// bufferChars - 1, terminator included). The catalogue reads with 512, the title box with 1024.
std::wstring WindowText(HWND window, int bufferChars);
[[nodiscard]] Outcome SetWindowTitle(HWND window, const std::wstring& title);

// The window's class name (class names are at most 256 characters).
std::wstring WindowClassName(HWND window);

DWORD ExtendedStyle(HWND window);
[[nodiscard]] Outcome SetExtendedStyle(HWND window, DWORD style);

// Screen coordinates; nullopt when the window has gone.
std::optional<RECT> WindowRectangle(HWND window);

// The changes below fail with ERROR_ACCESS_DENIED when the window was left alone because its
// program runs with higher rights (platform/windows/WindowIsolation.h), ERROR_TIMEOUT when it did not
// answer, and ERROR_INVALID_WINDOW_HANDLE when it has gone.

// ShowWindow with an SW_* command; success when the window then shows as the command asks
// (minimized, maximized, restored, hidden or shown).
[[nodiscard]] Outcome ShowWindowState(HWND window, int command);
// EnableWindow; success when the window then reports the state asked for.
[[nodiscard]] Outcome SetWindowEnabled(HWND window, bool enabled);
// SetWindowPos to `rect` (screen coordinates) with the given SWP_* flags.
[[nodiscard]] Outcome PositionWindow(HWND window, HWND insertAfter, const RECT& rect, UINT flags);
// SetWindowPlacement.
[[nodiscard]] Outcome SetPlacement(HWND window, const WINDOWPLACEMENT& placement);
// SetForegroundWindow.
[[nodiscard]] Outcome BringToForeground(HWND window);

// Whether the foreground window belongs to this process: the program is the active application.
bool ForegroundIsOurs();

// Calls `visit` for each top-level window, front to back. The handles are collected first, so
// `visit` may throw or change windows without disturbing the enumeration.
void EnumerateTopLevelWindows(const std::function<void(HWND)>& visit);

// The top-level windows of the class, front to back (FindWindowEx from the desktop): for the
// few of a class, cheaper than asking every window for its class.
std::vector<HWND> TopLevelWindowsOfClass(const wchar_t* className);

// SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA). The function is looked up in user32
// once; where the system lacks it the call does nothing and returns false. The window must
// already carry WS_EX_LAYERED.
[[nodiscard]] Outcome SetLayeredAlpha(HWND window, BYTE alpha);
// The constant alpha a layered window reports; nullopt when it has none.
std::optional<BYTE> LayeredAlpha(HWND window);

// The close command of the window's system menu (GetSystemMenu(window, FALSE)), which also
// drives the title bar's close button. nullopt / false when the window has no system menu we
// can reach (Wine hands out no system menu of another process's window).
std::optional<bool> SystemMenuCloseEnabled(HWND window);
[[nodiscard]] Outcome SetSystemMenuClose(HWND window, bool enable);

// The close button's state word from GetTitleBarInfo (rgstate[5], STATE_SYSTEM_* flags);
// nullopt when the title bar cannot be read.
std::optional<DWORD> TitleBarCloseState(HWND window);

// A new icon of the given size copied from `icon` (CopyImage); empty for a null icon.
UniqueIcon CopyIconScaled(HICON icon, int width, int height);

// The window's icon, borrowed from the window, not to be destroyed; null when it has none. The
// class icon comes first, then the window's own (asked with a bounded wait, so a hung window
// cannot hold the list up), and a missing small icon falls back to the large one.
HICON WindowIcon(HWND window, bool large);

// WM_SETICON with ICON_BIG or ICON_SMALL; success when the window took the message. The window
// draws `icon` from then on, so it must outlive its use there.
[[nodiscard]] Outcome SetWindowIcon(HWND window, WPARAM kind, HICON icon);

// A new copy of `icon` at the system size of the large or small kind; empty for a null icon.
UniqueIcon CopyAtSystemSize(HICON icon, bool large);

bool IsWindowTopmost(HWND window);

// Whether the window itself carries WS_VISIBLE, whatever its parent's state.
bool HasVisibleStyle(HWND window);

// False only when the title bar reports the close button as exactly "unavailable".
bool IsCloseButtonEnabled(HWND window);

}  // namespace platform
