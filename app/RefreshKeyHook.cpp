#include "app/RefreshKeyHook.h"

#include "app/VantoraMain.h"
#include "platform/KeyboardHook.h"

namespace {

// The form whose list F5 rebuilds. The hook belongs to the user-interface thread, as does the form.
TForm6* g_refreshTarget = nullptr;

}  // namespace

LRESULT CALLBACK RefreshKeyHook(int /*code*/, WPARAM wParam, LPARAM /*lParam*/) {
  // Every notification counts, whatever the hook code and the transition: a press refreshes on
  // the key going down, again on every repeat and once more on the key coming up. The key is
  // not swallowed, and the notification is not passed further along the chain.
  if (LOWORD(wParam) == VK_F5 && g_refreshTarget) {
    try {
      g_refreshTarget->RefreshCatalogue();
      g_refreshTarget->UpdateSelectionState();
    } catch (...) {
      ui::Application::Instance().HandleException();
    }
  }
  return 0;
}

void RefreshKeyHookInstallation::Install(TForm6& form) {
  Remove();
  g_refreshTarget = &form;
  hook_ = platform::InstallThreadKeyboardHook(&RefreshKeyHook);
  if (!hook_) g_refreshTarget = nullptr;
}

void RefreshKeyHookInstallation::Remove() {
  if (!hook_) return;
  hook_.reset();
  g_refreshTarget = nullptr;
}
