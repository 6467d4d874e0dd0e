// The notification-area icon and its menu, hiding the main window in the tray and bringing it
// back, and the two messages of the program (About, help).
#include "app/VantoraMain.h"
#include "platform/Prompts.h"

namespace {
using vantora::kTrayIconToggle;
using vantora::kTrayMenuToggle;

// Message boxes start a new line at a carriage return.
constexpr const wchar_t* kAboutText =
    L"Vantora V1.3\r"
    L"Made by Kestrelon Software, 2008\r"
    L"Contact: support@kestrelon.example";
constexpr const wchar_t* kNoTrayIcon = L"The Icon Could Not Be Added To The Notification Area. ";
constexpr const wchar_t* kHelpText =
    L"Windows Have 2 Different Icons, Small and Large. Choose Which One You Want To Save\r"
    L"The Default Is Entered For You\r"
    L"When You are Finished, Click On The Save Button";
}  // namespace

void TForm6::BindTray() {
  TrayIcon1.OnClick = [this] { TrayIcon1Click(); };
  PopupMenu1.OnPopup = [this] { PopupMenu1Popup(); };
  PopupMenu1.Item(L"MTT").OnClick = [this] { MTTClick(); };
  PopupMenu1.Item(L"About1").OnClick = [this] { About1Click(); };
  sBitBtn8.OnClick = [this] { sBitBtn8Click(); };
  sBitBtn6.OnClick = [this] { sBitBtn6Click(); };
  sBitBtn2.OnClick = [this] { sBitBtn2Click(); };
  Button9.OnClick = [this] { Button9Click(); };
}

void TForm6::ShowToTrayBalloon() { TrayIcon1.ShowBalloon({L"Vantora", L"Vantora Minimized To Tray", NIIF_INFO, 3000}); }

// Shown means not hidden in the tray. A minimized program is shown: Windows hides the owned main
// window while the application window is minimized, but the taskbar entry stays.
bool TForm6::MainWindowShown() const {
  const HWND application = ui::Application::Instance().Handle();
  return Visible() || (::IsIconic(application) && ::IsWindowVisible(application));
}

void TForm6::ShowMainWindow() {
  auto& application = ui::Application::Instance();
  if (::IsIconic(application.Handle())) application.Restore();
  Show();
}

void TForm6::PopupMenu1Popup() {
  PopupMenu1.Item(L"MTT").caption = MainWindowShown() ? kTrayMenuToggle.first : kTrayMenuToggle.second;
}

void TForm6::MTTClick() {
  ui::MenuItem& item = PopupMenu1.Item(L"MTT");
  if (item.caption == kTrayMenuToggle.first) {
    Hide();
    ShowToTrayBalloon();
    item.caption = kTrayMenuToggle.second;
    ::Sleep(100);
  } else {
    ShowMainWindow();
    item.caption = kTrayMenuToggle.first;
  }
}

void TForm6::TrayIcon1Click() {
  if (MainWindowShown())
    Hide();
  else
    ShowMainWindow();
}

void TForm6::sBitBtn8Click() {
  // Hidden without an icon, the window could not be brought back: it is minimized instead.
  if (const platform::Outcome shown = TrayIcon1.SetVisible(true); !shown) {
    platform::CurrentPrompts().Error(kNoTrayIcon + (L"Vantora Is Minimized Instead. " + shown.Reason()));
    ui::Application::Instance().Minimize();
    return;
  }
  ShowToTrayBalloon();
  Hide();
}

void TForm6::sBitBtn6Click() {
  const bool show = !TrayIcon1.Visible();
  const platform::Outcome set = TrayIcon1.SetVisible(show);
  sBitBtn6.SetCaption(TrayIcon1.Visible() ? kTrayIconToggle.first : kTrayIconToggle.second);
  if (show && !set) platform::CurrentPrompts().Error(kNoTrayIcon + set.Reason());
  if (!show) platform::LogIfFailed(L"Removing the notification-area icon", set);
}

void TForm6::About1Click() { platform::CurrentPrompts().Information(kAboutText); }
void TForm6::sBitBtn2Click() { About1Click(); }

void TForm6::Button9Click() { platform::CurrentPrompts().Information(kHelpText); }
