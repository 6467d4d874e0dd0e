// What the main window does once while it is being built: the splash, the F5 hook, the skin,
// the hotkeys, the tray icon, the registry, the first window list and the shell toggles.
#include "app/Splash.h"
#include "app/VantoraMain.h"
#include "options/portable/HotKeyTable.h"
#include "platform/FileSystem.h"
#include "platform/ModulePath.h"
#include "platform/Prompts.h"
#include "platform/Registry.h"
#include "res/resource.h"

namespace {

constexpr const wchar_t* kStartupSkin = L"WMP11";

constexpr const wchar_t* kProgramKey = L"Software\\Kestrelon Software\\Vantora";

// Posted to the main window at start-up: the skin files that could not be used are named once
// the window is up, not while it is being built.
constexpr UINT kReportSkinProblems = WM_APP + 0x40;

}  // namespace

void TForm6::FormCreate() {
  // A failing step is reported and ends the creation steps; the main window still opens.
  try {
    ShowSplashIfPresent();
    refreshKeyHook_.Install(*this);
    Button30.SetEnabled(false);
    sSkinManager1.SetSkinName(kStartupSkin);
    AddMessageHandler([this](UINT message, WPARAM, LPARAM, LRESULT&) {
      if (message == kReportSkinProblems) ReportSkinProblems();
      return message == kReportSkinProblems;
    });
    ::PostMessageW(Handle(), kReportSkinProblems, 0, 0);
    optionsCommand.HotKeysRemembered = false;
    windowList.NewIconLoaded = false;
    RegisterDefaultHotKeys();
    ShowTrayIcon();
    for (ui::Image* image : {&Image5, &Image4, &Image3}) image->CopyPictureFrom(Image6);
    ApplyStartupRegistry();
    // The clipboard blocker opens the clipboard on each tick: nothing to prepare here.
    RefreshCatalogue();
    UpdateSelectionState();
    if (ListView1.Count() > 0) ListView1.SetItemIndex(0);
    shellToggles.ApplyStartupCaptions();
  } catch (...) {
    ui::Application::Instance().HandleException();
  }
}

void TForm6::ReportSkinProblems() {
  const std::wstring text = skin::SkinProblemsMessage(sSkinManager1.TakeSkinProblems());
  if (!text.empty()) platform::CurrentPrompts().Error(text);
}

void TForm6::ShowSplashIfPresent() {
  const std::wstring picture = platform::ExecutableFolder() + L"Splash.bmp";
  if (platform::FileExists(picture)) ShowSplash(picture, *this);
}

void TForm6::RegisterDefaultHotKeys() {
  // A combination another program holds stays unregistered, with a line in the debug log.
  for (const vantora::HotKeyDefinition& key : vantora::kHotKeys)
    platform::LogIfFailed(L"Registering a hotkey", hotKeys_.Register(key.id, key.modifiers, key.virtualKey));
}

void TForm6::ShowTrayIcon() {
  trayIconPicture_.reset(static_cast<HICON>(::LoadImageW(ui::Application::Instance().InstanceHandle(),
                                                         MAKEINTRESOURCEW(IDI_VANTORA), IMAGE_ICON, 16, 16, 0)));
  TrayIcon1.SetIcon(trayIconPicture_.get());
  // A shell that is not ready yet takes the icon when it announces itself.
  platform::LogIfFailed(L"Adding the notification-area icon", TrayIcon1.SetVisible(true));
}

void TForm6::ApplyStartupRegistry() {
  // Where the program was first started; later starts leave it alone, even from elsewhere.
  if (!platform::RegistryKey::Exists(HKEY_CURRENT_USER, kProgramKey))
    platform::RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey).WriteString(L"FilePath", platform::ExecutablePath());

  systemSettings.ShowStartWithWindowsState();
  systemSettings.ReadBrowserTitle();
}
