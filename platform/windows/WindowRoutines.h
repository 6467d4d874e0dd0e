#pragma once
// Routines the per-window commands share with the bulk commands, the hotkeys, the fades of
// the main window and the taskbar transparency. They take any top-level window; on a window that
// has gone or does not answer the calls fail, and the changes report it.
#include <windows.h>

#include "platform/Error.h"

namespace platform {

// Makes the window layered (the style is added every time and never taken away again) and sets
// its constant alpha to percent x 255 / 100.
[[nodiscard]] Outcome SetWindowOpacity(HWND window, int percent);

// Enables or greys the close command of the window's system menu, and with it the close button
// of its title bar. The system menu is never reverted to the default one.
[[nodiscard]] Outcome SetCloseButtonEnabled(HWND window, bool enable);

// Asks the window to close (WM_CLOSE) and returns once it has handled the request, or after
// kCloseRequestWait: a program may put up its own question first, and one that has stopped
// answering costs that one wait (ERROR_TIMEOUT). A program with higher rights is not asked
// (ERROR_ACCESS_DENIED), as the system would not carry the message.
[[nodiscard]] Outcome RequestClose(HWND window);

}  // namespace platform
