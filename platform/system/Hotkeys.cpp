#include "platform/system/Hotkeys.h"

#include <versionhelpers.h>

#include <algorithm>
#include <optional>

#include "platform/system/Wine.h"

namespace platform {
namespace {

// Wine takes MOD_NOREPEAT and still repeats.
bool RepeatsHotKeys() { return RunningOnWine() || !::IsWindows7OrGreater(); }

}  // namespace

GlobalHotKeys::GlobalHotKeys(HWND window) : window_(window) {
  if (RepeatsHotKeys()) presses_ = KeyPresses::Shared();
}

GlobalHotKeys::~GlobalHotKeys() { UnregisterAll(); }

Outcome GlobalHotKeys::Register(int id, unsigned modifiers, unsigned virtualKey) {
  static const unsigned noRepeat = ::IsWindows7OrGreater() ? MOD_NOREPEAT : 0;
  if (Outcome registered = Outcome::Of([&] { return ::RegisterHotKey(window_, id, modifiers | noRepeat, virtualKey); });
      !registered)
    return registered;
  if (std::find(ids_.begin(), ids_.end(), id) == ids_.end()) ids_.push_back(id);
  return Outcome::Success();
}

void GlobalHotKeys::Unregister(int id) {
  ::UnregisterHotKey(window_, id);
  std::erase(ids_, id);
}

void GlobalHotKeys::UnregisterAll() {
  for (int id : ids_) ::UnregisterHotKey(window_, id);
  ids_.clear();
}

bool GlobalHotKeys::FirstOfPress(WPARAM id, LPARAM keys) {
  if (!presses_) return true;
  // The message's time is its key-down's: the press it belongs to is the last one before it.
  const std::optional<DWORD> press = presses_->PressAtOrBefore(HIWORD(keys), static_cast<DWORD>(::GetMessageTime()));
  if (!press) return true;
  const auto acted = actedPress_.find(id);
  if (acted != actedPress_.end() && acted->second == *press) return false;
  actedPress_[id] = *press;
  return true;
}

}  // namespace platform
