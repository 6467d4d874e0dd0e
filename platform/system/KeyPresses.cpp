#include "platform/system/KeyPresses.h"

#include <atomic>
#include <future>
#include <system_error>
#include <utility>

#include "platform/Error.h"

namespace platform {
namespace {

// Presses kept per key: enough for those that come in while a long action holds the window thread.
constexpr size_t kPressesKept = 16;

std::atomic<KeyPresses*> g_watching{nullptr};

// Whether `earlier` is at or before `later` on the millisecond clock, which wraps every 49 days.
bool AtOrBefore(DWORD earlier, DWORD later) { return static_cast<LONG>(later - earlier) >= 0; }

}  // namespace

std::shared_ptr<KeyPresses> KeyPresses::Shared() {
  static std::mutex guard;
  static std::weak_ptr<KeyPresses> current;
  const std::lock_guard lock(guard);
  if (auto held = current.lock()) return held;
  std::shared_ptr<KeyPresses> made(new KeyPresses());
  if (!made->Start()) return nullptr;
  current = made;
  return made;
}

bool KeyPresses::Start() {
  g_watching = this;
  std::promise<std::pair<bool, DWORD>> hooked;  // and the system's code where it refused
  std::future<std::pair<bool, DWORD>> answer = hooked.get_future();
  try {
    thread_ = std::thread([this, &hooked] {
      MSG message;
      ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue the quit is posted to
      const HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyPresses::Hook, ::GetModuleHandleW(nullptr), 0);
      threadId_ = ::GetCurrentThreadId();
      hooked.set_value({hook != nullptr, hook ? ERROR_SUCCESS : ::GetLastError()});
      if (!hook) return;
      // The system calls the hook from this loop.
      while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
      ::UnhookWindowsHookEx(hook);
    });
  } catch (const std::system_error&) {
    hooked.set_value({false, ERROR_TOO_MANY_TCBS});  // no thread could be started
  }
  const auto [watching, refused] = answer.get();
  if (thread_.joinable() && !watching) thread_.join();
  if (watching) return true;
  g_watching = nullptr;
  // Each repeat of a held hotkey acts then.
  LogFailure(L"Watching the keyboard for held hotkeys", refused);
  return false;
}

KeyPresses::~KeyPresses() {
  if (!thread_.joinable()) return;
  ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  g_watching = nullptr;
}

std::optional<DWORD> KeyPresses::PressAtOrBefore(UINT virtualKey, DWORD time) const {
  const std::lock_guard lock(mutex_);
  const auto& presses = keys_[virtualKey & 0xFF].presses;
  for (auto press = presses.rbegin(); press != presses.rend(); ++press)
    if (AtOrBefore(*press, time)) return *press;
  return std::nullopt;
}

void KeyPresses::Record(const KBDLLHOOKSTRUCT& key) {
  const std::lock_guard lock(mutex_);
  KeyState& state = keys_[key.vkCode & 0xFF];
  const bool up = (key.flags & LLKHF_UP) != 0;
  // A key-down while the key is down is the keyboard repeating it.
  if (!up && !state.down) {
    state.presses.push_back(key.time);
    if (state.presses.size() > kPressesKept) state.presses.pop_front();
  }
  state.down = !up;
}

LRESULT CALLBACK KeyPresses::Hook(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION)
    if (KeyPresses* watch = g_watching.load()) watch->Record(*reinterpret_cast<const KBDLLHOOKSTRUCT*>(data));
  return ::CallNextHookEx(nullptr, code, message, data);
}

}  // namespace platform
