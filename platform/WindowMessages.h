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

// SendMessageTimeoutW with SMTO_ABORTIFHUNG | SMTO_BLOCK. The window procedure's result, or
// nullopt when the window did not answer within `wait`, is hung, or has gone away.
std::optional<LRESULT> BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   std::chrono::milliseconds wait);

}  // namespace platform
