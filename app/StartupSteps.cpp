#include "app/StartupSteps.h"

#include "app/Splash.h"
#include "platform/files/FileSystem.h"
#include "platform/files/ModulePath.h"
#include "ui/Prompts.h"
#include "platform/system/Registry.h"
#include "ui/Application.h"
#include "skin/portable/SkinLibrary.h"

namespace app {
namespace {

constexpr const wchar_t* kStartupSkin = L"WMP11";

constexpr const wchar_t* kProgramKey = L"Software\\Kestrelon Software\\Vantora";

// Posted to the main window at start-up, so they run once the window is up and painted: the skin
// files that could not be used are named then, and the notification-area icon is added then. The
// shell answers the icon's message when it gets round to it (under Wine a send with no bound, on
// Windows one of seconds): a busy shell holds back the icon, not the main window's appearance.
constexpr UINT kReportSkinProblems = WM_APP + 0x40;
constexpr UINT kAddTrayIcon = WM_APP + 0x41;

}  // namespace

void StartupSteps::Run() {
  try {
    ShowSplashIfPresent();
    l_.installRefreshKey();
    l_.applyWallpaper.SetEnabled(false);
    l_.skin.SetSkinName(kStartupSkin);
    l_.mainWindow.AddMessageHandler([this](UINT message, WPARAM, LPARAM, LRESULT&) {
      if (message == kReportSkinProblems) ReportSkinProblems();
      if (message == kAddTrayIcon) l_.tray.ShowIcon();
      return message == kReportSkinProblems || message == kAddTrayIcon;
    });
    ::PostMessageW(l_.mainWindow.Handle(), kReportSkinProblems, 0, 0);
    l_.options.HotKeysRemembered = false;
    l_.windowList.SetNewIconLoaded(false);
    l_.hotKeys.RegisterDefaults();
    ::PostMessageW(l_.mainWindow.Handle(), kAddTrayIcon, 0, 0);
    for (ui::Image* image : l_.iconBoxes) image->CopyPictureFrom(l_.placeholder);
    ApplyStartupRegistry();
    // The clipboard blocker opens the clipboard on each tick: nothing to prepare here.
    l_.windowList.RefreshAndUpdate();
    if (l_.list.Count() > 0) l_.list.SetItemIndex(0);
    l_.shellToggles.ApplyStartupCaptions();
  } catch (...) {
    ui::Application::Instance().HandleException();
  }
}

void StartupSteps::ReportSkinProblems() {
  const std::wstring text = skin::SkinProblemsMessage(l_.skin.TakeSkinProblems());
  if (!text.empty()) ui::CurrentPrompts().Error(text);
}

void StartupSteps::ShowSplashIfPresent() {
  const std::wstring picture = platform::ExecutableFolder() + L"Splash.bmp";
  if (platform::FileExists(picture)) ShowSplash(picture, l_.mainWindow);
}

void StartupSteps::ApplyStartupRegistry() {
  // Where the program was first started; later starts leave it alone, even from elsewhere.
  if (!platform::RegistryKey::Exists(HKEY_CURRENT_USER, kProgramKey))
    platform::RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey).WriteString(L"FilePath", platform::ExecutablePath());

  l_.systemSettings.ShowStartWithWindowsState();
  l_.systemSettings.ReadBrowserTitle();
}

}  // namespace app
