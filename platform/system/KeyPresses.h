#pragma once
// When keys were pressed, as the keyboard reports them to a low-level hook on a thread of its
// own: it sees a key go up while the window thread is busy with a long action, and tells a new
// press from the key's repeats.
#include <windows.h>

#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace platform {

class KeyPresses {
 public:
  // The one watch of the process, started by the first holder and ended with the last; null
  // where the system refuses the hook.
  static std::shared_ptr<KeyPresses> Shared();

  KeyPresses(const KeyPresses&) = delete;
  KeyPresses& operator=(const KeyPresses&) = delete;
  ~KeyPresses();

  // When the last press of the virtual key at or before `time` went down (both on the clock of
  // GetMessageTime); nullopt when none was seen.
  std::optional<DWORD> PressAtOrBefore(UINT virtualKey, DWORD time) const;

 private:
  KeyPresses() = default;
  bool Start();
  void Record(const KBDLLHOOKSTRUCT& key);
  static LRESULT CALLBACK Hook(int code, WPARAM message, LPARAM data);

  struct KeyState {
    bool down = false;
    std::deque<DWORD> presses;  // the latest few, oldest first
  };
  mutable std::mutex mutex_;
  std::array<KeyState, 256> keys_;
  std::thread thread_;
  DWORD threadId_ = 0;
};

}  // namespace platform
