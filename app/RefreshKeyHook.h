#pragma once
// F5 anywhere in the program rebuilds the window list: a keyboard hook on the user-interface
// thread sees the key whichever of our windows has the focus.
#include <windows.h>

#include "platform/UniqueHandle.h"

class TForm6;

// The hook procedure: F5 (down, up and every repeat) rebuilds the list of `form`'s catalogue.
LRESULT CALLBACK RefreshKeyHook(int code, WPARAM wParam, LPARAM lParam);

// The installed hook and the form it refreshes; removed with the object or by Remove().
class RefreshKeyHookInstallation {
 public:
  RefreshKeyHookInstallation() = default;
  RefreshKeyHookInstallation(const RefreshKeyHookInstallation&) = delete;
  RefreshKeyHookInstallation& operator=(const RefreshKeyHookInstallation&) = delete;
  ~RefreshKeyHookInstallation() { Remove(); }

  // Installs the hook for the calling thread; a failure leaves F5 without effect, silently.
  void Install(TForm6& form);
  void Remove();
  bool Installed() const noexcept { return static_cast<bool>(hook_); }

 private:
  platform::UniqueHook hook_;
};
