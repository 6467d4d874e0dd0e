#pragma once
// Messages to windows of other programs. A window whose thread has stopped answering must never
// freeze Vantora, so every such message goes through BoundedSend, never a plain SendMessage, and
// every call that acts on such a window is made only when Answering says it may.
#include <windows.h>

#include <chrono>
#include <optional>

namespace platform {

// Asking for a window's icon during a catalogue rebuild.
inline constexpr std::chrono::milliseconds kIconQueryWait{200};
// Asking a window to close: long enough for a program to put up its own save question.
inline constexpr std::chrono::milliseconds kCloseRequestWait{3000};

// SendMessageTimeoutW with SMTO_ABORTIFHUNG | SMTO_BLOCK. The window procedure's result, or
// nullopt when the message did not get through; the thread's error code then says why, as the
// system put it: ERROR_TIMEOUT when the window did not answer within `wait` or is hung,
// ERROR_INVALID_WINDOW_HANDLE when it has gone, ERROR_ACCESS_DENIED when the system refused to
// carry the message to a program running with higher rights. A window of another thread that
// has just failed to answer is not asked again for a second: a command of several calls, or a
// rebuild asking for several icons, costs one wait, not one per call.
std::optional<LRESULT> BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   std::chrono::milliseconds wait);

// How long a window of another thread may take to answer before a call on it is left out.
inline constexpr std::chrono::milliseconds kAnswerWait{200};

// Whether a call that acts on `window` may be made now. ShowWindow, SetWindowPos, SetWindowText,
// EnableWindow, SetWindowLong and the like on a window of another thread wait for that thread,
// and one that has stopped answering would hold the program with it. Windows of the calling
// thread always may; another thread's window may when the system does not report it hung and it
// answers a WM_NULL within kAnswerWait (through BoundedSend, so a window that has just failed
// is not asked again).
bool Answering(HWND window);

}  // namespace platform
