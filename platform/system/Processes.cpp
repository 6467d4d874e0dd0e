#include "platform/system/Processes.h"

#include <shellapi.h>

#include "platform/files/FileSystem.h"

namespace platform {

DWORD WindowProcessId(HWND window) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::optional<std::wstring> ProcessImagePath(DWORD processId) {
  const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return std::nullopt;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = static_cast<DWORD>(path.size());
    if (::QueryFullProcessImageNameW(process.get(), 0, path.data(), &length)) {
      path.resize(length);
      return path;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() >= 32768) return std::nullopt;
    path.resize(path.size() * 2);
  }
}

FileIcons FirstFileIcons(const std::wstring& path) {
  HICON large = nullptr, small = nullptr;
  // Only the count tells: Wine writes something into both even for a file without icons.
  if (::ExtractIconExW(ReachablePath(path).c_str(), 0, &large, &small, 1) == 0) return {};
  return {UniqueIcon(large), UniqueIcon(small)};
}

UniqueIcon FirstFileIconOfSize(const std::wstring& path, int size) {
  HICON icon = nullptr;
  UINT id = 0;
  // 0 when the file has no icon, and -1 when it cannot be read.
  const UINT found = ::PrivateExtractIconsW(ReachablePath(path).c_str(), 0, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
  if (found == 0 || found == static_cast<UINT>(-1)) return {};
  return UniqueIcon(icon);
}

}  // namespace platform
