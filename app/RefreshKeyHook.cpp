#include "app/RefreshKeyHook.h"

#include "platform/system/KeyboardHook.h"
#include "ui/Application.h"

namespace app {
namespace {

// What F5 runs. The hook belongs to the user-interface thread, as does the main window.
std::function<void()> g_onRefreshKey;

}  // namespace

LRESULT CALLBACK RefreshKeyHook(int /*code*/, WPARAM wParam, LPARAM /*lParam*/) {
  // Every notification counts, whatever the hook code and the transition: a press refreshes on
  // the key going down, again on every repeat and once more on the key coming up. The key is
  // not swallowed, and the notification is not passed further along the chain.
  if (LOWORD(wParam) == VK_F5 && g_onRefreshKey) {
    try {
      g_onRefreshKey();
    } catch (...) {
      ui::Application::Instance().HandleException();
    }
  }
  return 0;
}

void RefreshKeyHookInstallation::Install(std::function<void()> onRefreshKey) {
  Remove();
  g_onRefreshKey = std::move(onRefreshKey);
  hook_ = platform::InstallThreadKeyboardHook(&RefreshKeyHook);
  if (!hook_) g_onRefreshKey = nullptr;
}

void RefreshKeyHookInstallation::Remove() {
  if (!hook_) return;
  hook_.reset();
  g_onRefreshKey = nullptr;
}

}  // namespace app
