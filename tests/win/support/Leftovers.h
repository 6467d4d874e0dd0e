#pragma once
// The temporary files a whole-file replacement leaves in a folder when it goes wrong: there
// should be none.
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace testsupport {

inline std::vector<std::wstring> TemporaryFilesIn(const std::wstring& folder) {
  return platform::FilesMatching(folder, L"~vn*.tmp");
}

inline std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

}  // namespace testsupport
