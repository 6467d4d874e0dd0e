// The settings kept in registry values: the browser's title-bar text and starting with Windows.
#include "platform/ModulePath.h"
#include "platform/Registry.h"
#include "shell/SystemSettings.h"
#include "shell/portable/ShellToggleTable.h"

namespace shell {
namespace {

constexpr const wchar_t* kBrowserKey = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr const wchar_t* kBrowserTitle = L"Window Title";
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"Vantora";

}  // namespace

void SystemSettings::ReadBrowserTitle() {
  if (const auto key = platform::RegistryKey::TryCreate(HKEY_CURRENT_USER, kBrowserKey))
    controls_.browserTitle.SetText(key->ReadString(kBrowserTitle).value_or(L""));
}

void SystemSettings::WriteBrowserTitle() {
  if (auto key = platform::RegistryKey::TryCreate(HKEY_CURRENT_USER, kBrowserKey))
    key->WriteString(kBrowserTitle, controls_.browserTitle.Text());
}

void SystemSettings::ShowStartWithWindowsState() {
  // Without a Run key the button keeps its designed caption.
  if (const auto run = platform::RegistryKey::Open(HKEY_CURRENT_USER, kRunKey))
    controls_.startWithWindows.SetCaption(run->HasValue(kRunValue) ? kStartWithWindowsToggle.second
                                                                   : kStartWithWindowsToggle.first);
}

void SystemSettings::ToggleStartWithWindows() {
  const bool start = controls_.startWithWindows.Caption() == kStartWithWindowsToggle.first;
  if (auto run = platform::RegistryKey::TryCreate(HKEY_CURRENT_USER, kRunKey)) {
    // Quoted: the system would otherwise try the parts of a path with blanks as programs.
    if (start)
      run->WriteString(kRunValue, L"\"" + platform::ExecutablePath() + L"\"");
    else
      run->DeleteValue(kRunValue);
  }
  controls_.startWithWindows.SetCaption(start ? kStartWithWindowsToggle.second : kStartWithWindowsToggle.first);
}

}  // namespace shell
