#include "platform/system/Hotkeys.h"

#include <versionhelpers.h>

#include <algorithm>

namespace platform {
namespace {

// How often a held key is looked at until it is released.
constexpr UINT kReleasePollMs = 30;

}  // namespace

GlobalHotKeys::~GlobalHotKeys() {
  if (held_) ::KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
  UnregisterAll();
}

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
  if (held_ && heldId_ == id) return false;
  held_ = true;
  heldId_ = id;
  heldKey_ = HIWORD(keys);
  // The timer's id is this object, which the timer procedure gets back.
  ::SetTimer(window_, reinterpret_cast<UINT_PTR>(this), kReleasePollMs, &GlobalHotKeys::WatchRelease);
  return true;
}

void CALLBACK GlobalHotKeys::WatchRelease(HWND window, UINT, UINT_PTR self, DWORD) {
  auto* keys = reinterpret_cast<GlobalHotKeys*>(self);
  if (::GetAsyncKeyState(static_cast<int>(keys->heldKey_)) & 0x8000) return;
  keys->held_ = false;
  ::KillTimer(window, self);
}

}  // namespace platform
