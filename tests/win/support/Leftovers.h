#pragma once
// The temporary files a whole-file replacement leaves in a folder when it goes wrong: there
// should be none.
#include <string>
#include <vector>

#include "IconFilesOut.h"
#include "platform/files/FileSystem.h"

namespace testsupport {

inline std::vector<std::wstring> TemporaryFilesIn(const std::wstring& folder) {
  return platform::FilesMatching(folder, L"~vn*.tmp");
}

inline std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

// A fresh, empty folder of its own in icon-out, so that a leftover of another test cannot be
// counted here.
inline std::wstring FreshFolder(const std::wstring& name) {
  const std::wstring folder = IconOut(name);
  for (const auto& file : platform::FilesMatching(folder, L"*")) {
    const std::wstring path = folder + L"\\" + file;
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(path.c_str());
  }
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

}  // namespace testsupport
