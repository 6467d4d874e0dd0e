#include "platform/WindowMessages.h"

namespace platform {

std::optional<LRESULT> BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   std::chrono::milliseconds wait) {
  DWORD_PTR result = 0;
  const UINT timeout = static_cast<UINT>(wait.count() < 0 ? 0 : wait.count());
  if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeout,
                             &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

bool WindowResponds(HWND window, std::chrono::milliseconds wait) {
  return BoundedSend(window, WM_NULL, 0, 0, wait).has_value();
}

void ShowWindowBounded(HWND window, int command, std::chrono::milliseconds wait) {
  if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId()) {
    ::ShowWindow(window, command);
    return;
  }
  if (::ShowWindowAsync(window, command)) WindowResponds(window, wait);
}

}  // namespace platform
