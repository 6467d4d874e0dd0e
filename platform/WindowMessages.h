#pragma once
// Messages to windows of other programs. A window whose thread has stopped answering must never
// freeze Vantora, so every such message goes through BoundedSend, never a plain SendMessage.
#include <windows.h>

#include <chrono>
#include <optional>

namespace platform {

// Asking for a window's icon during a catalogue rebuild.
inline constexpr std::chrono::milliseconds kIconQueryWait{200};
// Asking a window to close: long enough for a program to put up its own save question.
inline constexpr std::chrono::milliseconds kCloseRequestWait{3000};

// Changing the show state or the style of another program's window: a thread that answers at
// all answers at once.
inline constexpr std::chrono::milliseconds kWindowChangeWait{1000};

// SendMessageTimeoutW with SMTO_ABORTIFHUNG | SMTO_BLOCK. The window procedure's result, or
// nullopt when the window did not answer within `wait`, is hung, or has gone away.
std::optional<LRESULT> BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   std::chrono::milliseconds wait);

// Whether the window's thread answers a message (WM_NULL) within `wait`. Calls that change
// another program's window without a bounded form (the style, the layered alpha) ask first.
bool WindowResponds(HWND window, std::chrono::milliseconds wait);

// ShowWindow that cannot freeze us. A window of our own thread is shown at once; a window of
// another thread gets ShowWindowAsync and then a bounded WM_NULL, which its thread answers only
// after it has taken the show command: a responsive window is in its new state on return, a
// hung one gets it whenever it wakes up.
void ShowWindowBounded(HWND window, int command, std::chrono::milliseconds wait);

}  // namespace platform
