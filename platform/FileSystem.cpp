#include "platform/FileSystem.h"

#include <windows.h>

#include "platform/UniqueHandle.h"

namespace platform {

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::vector<unsigned char>> ReadFileStart(const std::wstring& path, std::size_t maxBytes) {
  const UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::vector<unsigned char> bytes(maxBytes);
  DWORD read = 0;
  if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<std::wstring> names;
  std::wstring query = folder;
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

}  // namespace platform
