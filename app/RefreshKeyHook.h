#pragma once
// F5 anywhere in the program rebuilds the window list: a keyboard hook on the user-interface
// thread sees the key whichever of our windows has the focus.
#include <windows.h>

#include <functional>

#include "platform/UniqueHandle.h"

namespace app {

// The hook procedure: F5 (down, up and every repeat) runs the installed callback.
LRESULT CALLBACK RefreshKeyHook(int code, WPARAM wParam, LPARAM lParam);

// The installed hook and what F5 runs; removed with the object or by Remove().
class RefreshKeyHookInstallation {
 public:
  RefreshKeyHookInstallation() = default;
  RefreshKeyHookInstallation(const RefreshKeyHookInstallation&) = delete;
  RefreshKeyHookInstallation& operator=(const RefreshKeyHookInstallation&) = delete;
  ~RefreshKeyHookInstallation() { Remove(); }

  // Installs the hook for the calling thread; a failure leaves F5 without effect, silently.
  void Install(std::function<void()> onRefreshKey);
  void Remove();
  bool Installed() const noexcept { return static_cast<bool>(hook_); }

 private:
  platform::UniqueHook hook_;
};

}  // namespace app
