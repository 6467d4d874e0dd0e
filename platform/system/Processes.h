#pragma once
// Other programs' processes and the files they were started from.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/UniqueHandle.h"

namespace platform {

// The process that created the window; 0 when the window has gone.
DWORD WindowProcessId(HWND window);

// The full path of the process's executable. The process is opened for limited queries only
// and closed at once; nullopt when it cannot be opened or asked.
std::optional<std::wstring> ProcessImagePath(DWORD processId);

// The first icon of an executable or icon file, large and small; each empty when the file has none.
struct FileIcons {
  UniqueIcon large, small;
};
FileIcons FirstFileIcons(const std::wstring& path);
// The first icon of the file at `size` pixels square, from the file's image made for that size
// when it has one (the nearest otherwise, scaled); empty when the file has none.
UniqueIcon FirstFileIconOfSize(const std::wstring& path, int size);

}  // namespace platform
