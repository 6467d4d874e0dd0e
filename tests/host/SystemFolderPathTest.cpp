// The way a 32-bit program on 64-bit Windows reaches a file of the system folder: through
// Sysnative for that folder and only for it, never for the subfolders the system leaves alone.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/files/portable/SystemFolderPath.h"

namespace {

TEST(SystemFolderPath, OnlyTheSystemFolderAndItsRedirectedSubfoldersGoThroughSysnative) {
  constexpr wchar_t kSystem[] = L"C:\\windows\\system32";
  const struct {
    const wchar_t* path;
    std::optional<std::wstring> reached;
  } cases[] = {
      {L"C:\\windows\\system32\\notepad.exe", L"C:\\windows\\Sysnative\\notepad.exe"},
      {L"c:\\WINDOWS\\System32\\Drivers\\x.sys", L"c:\\WINDOWS\\Sysnative\\Drivers\\x.sys"},
      {L"C:/Windows/System32/notepad.exe", L"C:/Windows/Sysnative/notepad.exe"},
      {L"C:\\windows\\system32", L"C:\\windows\\Sysnative"},
      {L"\\\\?\\C:\\windows\\system32\\a.exe", L"\\\\?\\C:\\windows\\Sysnative\\a.exe"},
      {L"C:\\windows\\system32\\catroot3\\a", L"C:\\windows\\Sysnative\\catroot3\\a"},
      {L"C:\\windows\\system32\\drivers\\etcetera", L"C:\\windows\\Sysnative\\drivers\\etcetera"},
      // Folders outside the system folder, and names that only begin like it.
      {L"C:\\windows\\syswow64\\notepad.exe", std::nullopt},
      {L"C:\\windows\\notepad.exe", std::nullopt},
      {L"C:\\windows\\system32x\\a.exe", std::nullopt},
      {L"C:\\windows\\system32.exe", std::nullopt},
      {L"D:\\windows\\system32\\a.exe", std::nullopt},
      {L"C:\\Program Files\\windows\\system32\\a.exe", std::nullopt},
      {L"C:\\windows\\Sysnative\\a.exe", std::nullopt},
      {L"system32\\a.exe", std::nullopt},
      {L"", std::nullopt},
      // The subfolders the system never redirects.
      {L"C:\\windows\\system32\\catroot\\a.cat", std::nullopt},
      {L"C:\\windows\\system32\\CatRoot2", std::nullopt},
      {L"C:\\windows\\system32\\DriverStore\\FileRepository\\a.inf", std::nullopt},
      {L"C:\\windows\\system32\\drivers\\etc\\hosts", std::nullopt},
      {L"C:\\windows\\system32\\drivers/etc", std::nullopt},
      {L"C:\\windows\\system32\\LogFiles\\a.log", std::nullopt},
      {L"C:\\windows\\system32\\spool\\drivers\\a.dll", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::PathPastRedirection(c.path, kSystem), c.reached) << c.path;
  // The system folder as the system gives it, with a trailing separator or in other case.
  EXPECT_EQ(platform::PathPastRedirection(L"C:\\Windows\\System32\\a.exe", L"c:\\WINDOWS\\SYSTEM32\\"),
            L"C:\\Windows\\Sysnative\\a.exe");
}

}  // namespace
