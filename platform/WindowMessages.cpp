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

}  // namespace platform
