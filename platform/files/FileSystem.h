#pragma once
// Looking for files on disk.
#include <string>
#include <vector>

namespace platform {

// The path to open to reach the file the user named `path`. A 32-bit program on 64-bit Windows
// goes through Sysnative for a file in the system folder, so that it reaches that file and not
// its 32-bit namesake; anything else is returned as it is. The path shown to the user and given
// to the shell stays `path`.
std::wstring ReachablePath(const std::wstring& path);

// True when `path` names an existing file (not a folder).
bool FileExists(const std::wstring& path);

// True when the file carries the read-only attribute. Windows refuses to write such a file;
// Wine running as root would write it all the same, so writers ask first (ResourceUpdate does).
bool IsReadOnlyFile(const std::wstring& path);

// The names (not paths) of the files in `folder` that match the wildcard `pattern` ("*.vskin");
// empty when the folder does not exist.
std::vector<std::wstring> FilesMatching(const std::wstring& folder, const std::wstring& pattern);

// The path of the file `path` leads to, through any symbolic link on the way; `path` itself when
// it names no file that can be opened. A Unix link seen through Wine counts as a link here too.
// The system names a file in its system folder by that folder, never by Sysnative.
std::wstring FinalPath(const std::wstring& path);

// True when another program holds the file so that it cannot be replaced now: running it (the
// system refuses to write a running program's file) or keeping it open without sharing it for
// writing or deletion.
bool IsHeldByAnotherProgram(const std::wstring& path);

// Tells the shell that the file changed, so that Explorer draws it anew instead of showing the
// icon it keeps in its cache.
void NotifyShellOfChange(const std::wstring& path);

}  // namespace platform
