#include "platform/WindowMessages.h"

#include <algorithm>
#include <vector>

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

namespace {

constexpr ULONGLONG kRememberSilenceMs = 1000;

// Windows that failed to answer lately, with when. Only the user-interface thread asks.
struct Silence {
  HWND window;
  ULONGLONG since;
};
thread_local std::vector<Silence> t_silent;

}  // namespace

bool Answering(HWND window) {
  if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId()) return true;
  const ULONGLONG now = ::GetTickCount64();
  std::erase_if(t_silent, [now](const Silence& s) { return now - s.since >= kRememberSilenceMs; });
  if (std::any_of(t_silent.begin(), t_silent.end(), [window](const Silence& s) { return s.window == window; }))
    return false;
  if (!::IsHungAppWindow(window) && BoundedSend(window, WM_NULL, 0, 0, kAnswerWait)) return true;
  t_silent.push_back({window, now});
  return false;
}

}  // namespace platform
