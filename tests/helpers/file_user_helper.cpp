// Another program using a file that the tests replace.
//   file_user_helper.exe --hold FILE EVENT
//       keeps FILE open for reading, shared for reading only (not for writing or deletion).
//   file_user_helper.exe --read FILE EVENT
//       reads FILE whole over and over, opened shared for everything as a viewer opens it, until
//       the file FILE.stop appears; then writes FILE.read: "reads N changed M", then "<size>
//       <hash>" for each distinct content read (ContentHash.h). A moment without the file is no
//       read. The file last seen with new contents stays open, read again each time: M counts
//       the times its contents changed under that handle, which only a rewrite in place does.
// The named event is set once the file is held, or once the first read was tried.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ContentHash.h"

using Version = std::pair<unsigned long, uint64_t>;

// The file's whole contents from its start; nothing when it cannot be read.
std::optional<Version> ReadWhole(HANDLE file, std::vector<uint8_t>& bytes) {
  DWORD read = 0;
  bytes.resize(::GetFileSize(file, nullptr) + size_t{1});  // one more: a file that grows shows it
  if (::SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0 ||
      !::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return std::nullopt;
  return Version{read, ContentHash(bytes.data(), read)};
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (__argc != 4) return 2;
  const std::wstring mode = __wargv[1], path = __wargv[2];
  const HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, __wargv[3]);
  const bool hold = mode == L"--hold";
  std::set<Version> seen;
  unsigned reads = 0, changed = 0;
  std::vector<uint8_t> bytes;
  HANDLE kept = INVALID_HANDLE_VALUE;
  std::optional<Version> keptVersion;
  do {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      hold ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hold && file == INVALID_HANDLE_VALUE) return 1;
    if (hold) {
      ::SetEvent(ready);
      ::Sleep(120000);  // until the test ends it
      return 0;
    }
    ::SetEvent(ready);
    if (file == INVALID_HANDLE_VALUE) continue;
    const auto version = ReadWhole(file, bytes);
    if (version) {
      ++reads;
      seen.insert(*version);
    }
    if (kept != INVALID_HANDLE_VALUE && ReadWhole(kept, bytes) != keptVersion) ++changed;
    if (version && version != keptVersion) {
      if (kept != INVALID_HANDLE_VALUE) ::CloseHandle(kept);
      kept = file;
      keptVersion = version;
    } else {
      ::CloseHandle(file);
    }
  } while (::GetFileAttributesW((path + L".stop").c_str()) == INVALID_FILE_ATTRIBUTES);
  FILE* report = _wfopen((path + L".read").c_str(), L"w");
  std::fprintf(report, "reads %u changed %u\n", reads, changed);
  for (const auto& [size, hash] : seen) std::fprintf(report, "%lu %llu\n", size, static_cast<unsigned long long>(hash));
  return std::fclose(report);
}
