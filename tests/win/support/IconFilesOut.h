#pragma once
// Files the icon tests leave for the independent readers (tests/icons_check.sh reads them with
// icoutils and ImageMagick), in icon-out beside win_tests.exe, and the seed icons made by
// ImageMagick and icotool that the build copies to test-icons beside it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files/FileBytes.h"

namespace testsupport {

inline std::wstring BesideTests(const std::wstring& name) {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir = self;
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + name;
}

inline std::wstring IconOut(const std::wstring& name) {
  const std::wstring dir = BesideTests(L"icon-out");
  ::CreateDirectoryW(dir.c_str(), nullptr);
  return dir + L"\\" + name;
}

inline std::wstring SeedIcon(const std::wstring& name) { return BesideTests(L"test-icons\\" + name); }

// A fresh copy of a program built beside the tests, writable.
inline std::wstring CopyOfProgram(const std::wstring& program, const std::wstring& copyName) {
  const std::wstring copy = IconOut(copyName);
  ::SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::CopyFileW(BesideTests(program).c_str(), copy.c_str(), FALSE);
  return copy;
}

// Runs the program and waits for it to end; its exit code, or 0xFFFFFFFF when it cannot start.
inline DWORD ExitCodeOf(const std::wstring& exe) {
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + exe + L"\"";
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return 0xFFFFFFFF;
  ::WaitForSingleObject(info.hProcess, 20000);
  DWORD code = 0;
  ::GetExitCodeProcess(info.hProcess, &code);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return code;
}

inline std::vector<uint8_t> Contents(const std::wstring& path) { return platform::ReadFileBytes(path); }

}  // namespace testsupport
