#pragma once
// Routines the per-window commands share with the bulk commands, the hotkeys, the fade-out of
// the main window and the taskbar transparency. They take any top-level window and report
// nothing: on a window that has gone the calls just fail.
#include <windows.h>

namespace platform {

// Makes the window layered (the style is added every time and never taken away again) and sets
// its constant alpha to percent x 255 / 100.
void SetWindowOpacity(HWND window, int percent);

// Steps the window's opacity from one percentage to the other, both included, a millisecond a step.
void FadeWindow(HWND window, int fromPercent, int toPercent);

// Enables or greys the close command of the window's system menu, and with it the close button
// of its title bar. The system menu is never reverted to the default one.
void SetCloseButtonEnabled(HWND window, bool enable);

// Asks the window to close (WM_CLOSE) and returns once it has handled the request, or after
// kCloseRequestWait: a program may put up its own question first, and one that has stopped
// answering costs that one wait.
void RequestClose(HWND window);

}  // namespace platform
