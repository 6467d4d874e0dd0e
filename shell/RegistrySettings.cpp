// The settings kept in registry values: the browser's title-bar text and starting with Windows.
#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/Error.h"
#include "platform/files/ModulePath.h"
#include "platform/system/Registry.h"
#include "shell/SystemSettings.h"
#include "shell/portable/ShellToggleTable.h"

namespace shell {
namespace {

constexpr const wchar_t* kBrowserKey = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr const wchar_t* kBrowserTitle = L"Window Title";
constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kRunValue = L"Vantora";
// Since Windows 8, Task Manager and Settings switch a Run value off here, under its own name,
// and leave the Run value alone. A 12-byte value: a flag word, odd when switched off, then
// when it was switched off. Switched on, Windows clears the low bit of the flag word and the time,
// and keeps its other flags (an entry may carry 6 rather than 2).
constexpr const wchar_t* kStartupApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr size_t kSwitchedOffTime = 4, kSwitchedOffTimeEnd = 12;

// The entry's bytes where it is switched off; nullopt where it is not, or cannot be read.
std::optional<std::vector<BYTE>> SwitchedOffEntry(const platform::RegistryKey& approved) {
  try {
    auto state = approved.ReadBytes(kRunValue);
    if (state && !state->empty() && ((*state)[0] & 1)) return state;
  } catch (const platform::Win32Error& error) {
    // An entry that cannot be read switches nothing off that we can tell.
    platform::LogFailure(L"Reading whether the startup entry is switched off", error.code());
  }
  return std::nullopt;
}

// Whether Windows starts the program at logon.
bool StartsWithWindows(const platform::RegistryKey& run) {
  if (!run.HasValue(kRunValue)) return false;
  const auto approved = platform::RegistryKey::Open(HKEY_CURRENT_USER, kStartupApprovedKey, KEY_QUERY_VALUE);
  return !approved || !SwitchedOffEntry(*approved);
}

// An entry switched off is switched on as Task Manager does; none is made where there is none.
void SwitchOnIfSwitchedOff() {
  auto approved = platform::RegistryKey::Open(HKEY_CURRENT_USER, kStartupApprovedKey);
  if (!approved) return;
  auto entry = SwitchedOffEntry(*approved);
  if (!entry) return;
  (*entry)[0] &= static_cast<BYTE>(~1u);
  for (size_t i = kSwitchedOffTime; i < std::min(entry->size(), kSwitchedOffTimeEnd); ++i) (*entry)[i] = 0;
  approved->WriteBinary(kRunValue, *entry);
}

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
    controls_.startWithWindows.SetCaption(StartsWithWindows(*run) ? kStartWithWindowsToggle.second
                                                                  : kStartWithWindowsToggle.first);
}

void SystemSettings::ToggleStartWithWindows() {
  const bool start = controls_.startWithWindows.Caption() == kStartWithWindowsToggle.first;
  try {
    SetStartWithWindows(start);
  } catch (...) {
    // The caption says what the Run key holds now, whatever was asked.
    ShowStartWithWindowsState();
    throw;
  }
  ShowStartWithWindowsState();
}

void SystemSettings::SetStartWithWindows(bool start) {
  DWORD refused = ERROR_SUCCESS;
  try {
    platform::RegistryKey run = platform::RegistryKey::Create(HKEY_CURRENT_USER, kRunKey);
    // Quoted: the system would otherwise try the parts of a path with blanks as programs.
    if (start) {
      run.WriteString(kRunValue, L"\"" + platform::ExecutablePath() + L"\"");
      SwitchOnIfSwitchedOff();
    } else if (const platform::Outcome deleted = run.DeleteValue(kRunValue);
               !deleted && deleted.code() != ERROR_FILE_NOT_FOUND) {  // already gone is what was asked
      refused = deleted.code();
    }
  } catch (const platform::Win32Error& error) {
    refused = error.code();
  }
  if (refused != ERROR_SUCCESS)
    throw std::runtime_error(platform::Narrow((start ? L"Vantora Could Not Be Added To The Windows Startup. "
                                                     : L"Vantora Could Not Be Removed From The Windows Startup. ") +
                                              platform::Outcome::Failure(refused).Reason()));
}

}  // namespace shell
