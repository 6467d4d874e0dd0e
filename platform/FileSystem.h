#pragma once
// Looking for files on disk.
#include <string>
#include <vector>

namespace platform {

// True when `path` names an existing file (not a folder).
bool FileExists(const std::wstring& path);

// True when the file carries the read-only attribute. Windows refuses to write such a file;
// Wine running as root would write it all the same, so writers ask first (ResourceUpdate does).
bool IsReadOnlyFile(const std::wstring& path);

// The names (not paths) of the files in `folder` that match the wildcard `pattern` ("*.vskin");
// empty when the folder does not exist.
std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern);

}  // namespace platform
