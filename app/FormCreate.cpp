// What the main window does once while it is being built: the splash, the F5 hook, the skin,
// the hotkeys, the tray icon, the registry, the first window list and the shell toggles.
#include <string_view>

#include "app/ShellProbes.h"
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
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kBrowserKey = L"Software\\Microsoft\\Internet Explorer\\Main";

// The captions of the shell toggles follow what the shell shows at start-up, in this order.
struct ShellToggle {
  std::string_view button;
  ShellWindow target;
  const wchar_t* whenVisible;
  const wchar_t* whenHidden;  // also when the shell has no such window
};

constexpr ShellToggle kShellToggles[] = {
    {"Button25", ShellWindow::TaskbarClock, L"Hide TaskBar Clock", L"Show TaskBar Clock"},
    {"Button27", ShellWindow::Taskbar, L"Hide TaskBar", L"Show TaskBar"},
    {"Button26", ShellWindow::DesktopIcons, L"Hide Desktop", L"Show Desktop"},
    {"Button24", ShellWindow::TaskbarItems, L"Hide TaskBar Items", L"Show TaskBar Items"},
};

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
    ApplyShellToggleCaptions();
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

  if (const auto run = platform::RegistryKey::Open(HKEY_CURRENT_USER, kRunKey))
    sBitBtn5.SetCaption(run->HasValue(L"Vantora") ? L"Do Not Start on Windows Startup" : L"Start on Windows Startup");

  const auto browser = platform::RegistryKey::Create(HKEY_CURRENT_USER, kBrowserKey);
  Edit3.SetText(browser.ReadString(L"Window Title").value_or(L""));
}

void TForm6::ApplyShellToggleCaptions() {
  for (const ShellToggle& toggle : kShellToggles) {
    const bool visible = ::IsWindowVisible(FindShellWindow(toggle.target)) != FALSE;
    FindControl(std::string(toggle.button))->SetCaption(visible ? toggle.whenVisible : toggle.whenHidden);
  }
}
