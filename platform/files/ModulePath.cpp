#include "platform/files/ModulePath.h"

#include <windows.h>

#include "platform/Error.h"

namespace platform {

std::wstring ExecutablePath() {
  // The path may be longer than MAX_PATH: grow the buffer until it is not truncated.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) ThrowLastError("GetModuleFileNameW");
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ExecutableFolder() {
  std::wstring path = ExecutablePath();
  path.resize(path.find_last_of(L"\\/") + 1);
  return path;
}

}  // namespace platform
