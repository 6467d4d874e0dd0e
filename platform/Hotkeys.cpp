#include "platform/Hotkeys.h"

#include <algorithm>

namespace platform {

Outcome GlobalHotKeys::Register(int id, unsigned modifiers, unsigned virtualKey) {
  if (!::RegisterHotKey(window_, id, modifiers, virtualKey)) return Outcome::LastError();
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

}  // namespace platform
