// Another program using a file that the tests replace.
//
//   file_user_helper.exe --hold FILE --ready EVENT
//       keeps FILE open for reading, shared for reading only (not for writing or deletion).
//   file_user_helper.exe --read FILE --ready EVENT --stop EVENT --report REPORT
//       reads FILE whole over and over, opened shared for everything as a viewer opens it,
//       until the stop event is set; then writes REPORT: "reads N" and a line "<size> <hash>"
//       for each distinct content read (ContentHash.h). A moment without the file is no read.
//
// The ready event is set once the file is held, or once the first read was tried. The helper
// ends when the test ends it, or after two minutes.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ContentHash.h"

namespace {

std::wstring Argument(const wchar_t* name) {
  for (int i = 1; i + 1 < __argc; ++i)
    if (std::wstring(__wargv[i]) == name) return __wargv[i + 1];
  return {};
}

HANDLE NamedEvent(const wchar_t* argument) {
  return ::OpenEventW(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, Argument(argument).c_str());
}

// The whole file as one program read sees it; nothing when it is not there at that moment.
bool ReadWhole(const std::wstring& path, std::vector<uint8_t>& bytes) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.resize(::GetFileSize(file, nullptr) + size_t{1});  // one more: a file that grows shows it
  DWORD read = 0;
  const bool ok = ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  ::CloseHandle(file);
  bytes.resize(read);
  return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const HANDLE ready = NamedEvent(L"--ready");
  if (!Argument(L"--hold").empty()) {
    const HANDLE file = ::CreateFileW(Argument(L"--hold").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    ::SetEvent(ready);
    ::Sleep(120000);
    return 0;
  }
  const std::wstring path = Argument(L"--read");
  const HANDLE stop = NamedEvent(L"--stop");
  if (path.empty() || !stop) return 2;
  std::set<std::pair<size_t, uint64_t>> seen;
  unsigned reads = 0;
  std::vector<uint8_t> bytes;
  const ULONGLONG end = ::GetTickCount64() + 120000;
  do {
    if (ReadWhole(path, bytes)) {
      ++reads;
      seen.emplace(bytes.size(), ContentHash(bytes.data(), bytes.size()));
    }
    ::SetEvent(ready);
  } while (::WaitForSingleObject(stop, 0) == WAIT_TIMEOUT && ::GetTickCount64() < end);
  FILE* report = _wfopen(Argument(L"--report").c_str(), L"w");
  if (!report) return 3;
  std::fprintf(report, "reads %u\n", reads);
  for (const auto& [size, hash] : seen)
    std::fprintf(report, "%llu %llu\n", static_cast<unsigned long long>(size), static_cast<unsigned long long>(hash));
  std::fclose(report);
  return 0;
}
