#include "platform/files/FileSystem.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/UniqueHandle.h"
#include "platform/files/portable/SystemFolderPath.h"
#include "platform/system/Wow64.h"

namespace platform {
namespace {

// The system folder as a 32-bit program under WOW64 names it; empty for any other program.
std::wstring RedirectedFolder() {
  if (!RunsUnderWow64()) return {};
  std::wstring folder(MAX_PATH, L'\0');
  const UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (length == 0 || length >= folder.size()) return {};
  folder.resize(length);
  return folder;
}

std::wstring FullPath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);  // the size it needs, terminator included
  }
}

}  // namespace

std::wstring ReachablePath(const std::wstring& path) {
  static const std::wstring redirected = RedirectedFolder();
  if (redirected.empty() || path.empty()) return path;
  // "..\System32" and the like are redirected as the full path they make.
  return PathPastRedirection(FullPath(path), redirected).value_or(path);
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(ReachablePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(ReachablePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<std::wstring> names;
  std::wstring query = ReachablePath(folder);
  if (!query.empty() && query.back() != L'\\' && query.back() != L'/') query += L'\\';
  query += pattern;
  WIN32_FIND_DATAW found{};
  const UniqueFindSearch search(::FindFirstFileW(query.c_str(), &found));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (::FindNextFileW(search.get(), &found));
  return names;
}

std::wstring FinalPath(const std::wstring& path) {
  const UniqueFile file(::CreateFileW(ReachablePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return path;
  std::wstring final(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()),
                                                     FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return path;
    if (length < final.size()) {
      final.resize(length);
      break;
    }
    final.resize(length);  // the size it needs, terminator included
  }
  // The system answers with its long-path prefix: \\?\C:\... or \\?\UNC\server\share\...
  if (final.starts_with(LR"(\\?\UNC\)")) return LR"(\\)" + final.substr(8);
  if (final.starts_with(LR"(\\?\)")) return final.substr(4);
  return final;
}

bool IsHeldByAnotherProgram(const std::wstring& path) {
  const UniqueFile file(::CreateFileW(ReachablePath(path).c_str(), GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

void NotifyShellOfChange(const std::wstring& path) {
  // No waiting for the shell to take it: a shell that does not answer must not hold the program.
  ::SHChangeNotify(SHCNE_UPDATEITEM, SHCNF_PATHW | SHCNF_FLUSHNOWAIT, path.c_str(), nullptr);
}

}  // namespace platform
