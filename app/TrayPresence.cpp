#include "app/TrayPresence.h"

#include <algorithm>

#include "app/portable/MainLayout.h"
#include "platform/Error.h"
#include "ui/Prompts.h"
#include "platform/windows/WindowQueries.h"
#include "ui/portable/Dpi.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "res/resource.h"

namespace app {

using vantora::kTrayIconToggle;
using vantora::kTrayMenuToggle;

namespace {
constexpr const wchar_t* kNoTrayIcon = L"The Icon Could Not Be Added To The Notification Area. ";
}  // namespace

void TrayPresence::ShowIcon() {
  // The notification area shows small icons at the system's DPI: the program's own picture for
  // that size (16, 20, 24 and 32 pixels at 96, 120, 144 and 192 DPI), not a 16-pixel one the
  // shell would blur by stretching it.
  const int size = std::clamp(vantora::ScaleForDpi(vantora::kSmallIconSize, ui::DpiOfWindow(nullptr)),
                              vantora::kSmallIconSize, 2 * vantora::kSmallIconSize);
  picture_.reset(static_cast<HICON>(::LoadImageW(ui::Application::Instance().InstanceHandle(),
                                                 MAKEINTRESOURCEW(IDI_VANTORA), IMAGE_ICON, size, size, 0)));
  c_.icon.SetIcon(picture_.get());
  // Without a notification area on the desktop, Wine's shell shows a window of its own when the
  // first icon arrives, and the keyboard may follow it: the main window, in front before, is
  // brought to the front again.
  const bool inFront = platform::ForegroundIsOurs();
  // A shell that is not ready yet takes the icon when it announces itself.
  platform::LogIfFailed(L"Adding the notification-area icon", c_.icon.SetVisible(true));
  if (inFront) c_.mainWindow.BringToFront();
}

void TrayPresence::HideIcon() {
  platform::LogIfFailed(L"Removing the notification-area icon", c_.icon.SetVisible(false));
}

void TrayPresence::ShowBalloon() { c_.icon.ShowBalloon({L"Vantora", L"Vantora Minimized To Tray", NIIF_INFO, 3000}); }

// Shown means not hidden in the tray. A minimized program is shown: Windows hides the owned main
// window while the application window is minimized, but the taskbar entry stays.
bool TrayPresence::MainWindowShown() const {
  const HWND application = ui::Application::Instance().Handle();
  return c_.mainWindow.Visible() || (::IsIconic(application) && ::IsWindowVisible(application));
}

void TrayPresence::ShowMainWindow() {
  auto& application = ui::Application::Instance();
  if (::IsIconic(application.Handle())) application.Restore();
  c_.mainWindow.Show();
}

void TrayPresence::MenuPopup() {
  c_.menu.Item(L"MTT").caption = MainWindowShown() ? kTrayMenuToggle.first : kTrayMenuToggle.second;
}

void TrayPresence::MenuItemClick() {
  ui::MenuItem& item = c_.menu.Item(L"MTT");
  if (item.caption == kTrayMenuToggle.first) {
    c_.mainWindow.Hide();
    ShowBalloon();
    item.caption = kTrayMenuToggle.second;
  } else {
    ShowMainWindow();
    item.caption = kTrayMenuToggle.first;
  }
}

void TrayPresence::IconClick() {
  if (MainWindowShown())
    c_.mainWindow.Hide();
  else
    ShowMainWindow();
}

void TrayPresence::MinimizeToTray() {
  // Hidden without an icon, the window could not be brought back: it is minimized instead.
  if (const platform::Outcome shown = c_.icon.SetVisible(true); !shown) {
    ui::CurrentPrompts().Error(kNoTrayIcon + (L"Vantora Is Minimized Instead. " + shown.Reason()));
    ui::Application::Instance().Minimize();
    return;
  }
  ShowBalloon();
  c_.mainWindow.Hide();
}

void TrayPresence::ToggleIcon() {
  const bool show = !c_.icon.Visible();
  const platform::Outcome set = c_.icon.SetVisible(show);
  c_.iconToggle.SetCaption(c_.icon.Visible() ? kTrayIconToggle.first : kTrayIconToggle.second);
  if (show && !set) ui::CurrentPrompts().Error(kNoTrayIcon + set.Reason());
  if (!show) platform::LogIfFailed(L"Removing the notification-area icon", set);
}

}  // namespace app
