#include "platform/windows/WindowMessages.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

constexpr ULONGLONG kRememberSilenceMs = 1000;

// Windows of other threads that failed to answer lately, with when. Only the user-interface
// thread asks.
struct Silence {
  HWND window;
  ULONGLONG since;
};
thread_local std::vector<Silence> t_silent;

bool OfThisThread(HWND window) { return ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId(); }

bool RecentlySilent(HWND window) {
  const ULONGLONG now = ::GetTickCount64();
  std::erase_if(t_silent, [now](const Silence& s) { return now - s.since >= kRememberSilenceMs; });
  return std::any_of(t_silent.begin(), t_silent.end(), [window](const Silence& s) { return s.window == window; });
}

}  // namespace

std::optional<LRESULT> BoundedSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   std::chrono::milliseconds wait) {
  // Only windows of other threads ever time out, so only they are ever remembered.
  if (!t_silent.empty() && RecentlySilent(window)) {
    ::SetLastError(ERROR_TIMEOUT);
    return std::nullopt;
  }
  DWORD_PTR result = 0;
  const UINT timeout = static_cast<UINT>(wait.count() < 0 ? 0 : wait.count());
  ::SetLastError(ERROR_SUCCESS);
  if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeout, &result)) {
    const DWORD code = ::GetLastError();
    // Only silence counts: a message the system cannot carry to another process (Wine's
    // WM_GETICON), or one it refuses to carry, fails at once and says nothing of an answer.
    if (code == ERROR_TIMEOUT && !OfThisThread(window)) t_silent.push_back({window, ::GetTickCount64()});
    ::SetLastError(code);
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

bool Answering(HWND window) {
  return OfThisThread(window) || (!::IsHungAppWindow(window) && BoundedSend(window, WM_NULL, 0, 0, kAnswerWait));
}

}  // namespace platform
