// What the main window does once while it is being built: the splash, the F5 hook, the skin,
// the hotkeys, the tray icon, the registry, the first window list and the shell toggles.
#include "app/Splash.h"
#include "app/VantoraMain.h"
#include "app/portable/HotKeyTable.h"
#include "platform/FileSystem.h"
#include "platform/ModulePath.h"
#include "platform/Registry.h"
#include "res/resource.h"

namespace {

constexpr const wchar_t* kStartupSkin = L"WMP11";

constexpr const wchar_t* kProgramKey = L"Software\\Kestrelon Software\\Vantora";

}  // namespace

void TForm6::FormCreate() {
  // A failing step is reported and ends the creation steps; the main window still opens.
  try {
    ShowSplashIfPresent();
    refreshKeyHook_.Install(*this);
    Button30.SetEnabled(false);
    sSkinManager1.SetSkinName(kStartupSkin);
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

void TForm6::ShowSplashIfPresent() {
  const std::wstring picture = platform::ExecutableFolder() + L"Splash.bmp";
  if (platform::FileExists(picture)) ShowSplash(picture, *this);
}

void TForm6::RegisterDefaultHotKeys() {
  // A combination another program holds stays unregistered, silently.
  for (const vantora::HotKeyDefinition& key : vantora::kHotKeys)
    hotKeys_.Register(key.id, key.modifiers, key.virtualKey);
}

void TForm6::ShowTrayIcon() {
  trayIconPicture_.reset(static_cast<HICON>(::LoadImageW(ui::Application::Instance().InstanceHandle(),
                                                         MAKEINTRESOURCEW(IDI_VANTORA), IMAGE_ICON, 16, 16, 0)));
  TrayIcon1.SetIcon(trayIconPicture_.get());
  TrayIcon1.SetVisible(true);
}

void TForm6::ApplyStartupRegistry() {
  // Where the program was first started; later starts leave it alone, even from elsewhere.
  if (!platform::RegistryKey::Exists(HKEY_CURRENT_USER, kProgramKey))
    platform::RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey).WriteString(L"FilePath", platform::ExecutablePath());

  systemSettings.ShowStartWithWindowsState();
  systemSettings.ReadBrowserTitle();
}
