#include "platform/files/portable/SystemFolderPath.h"

#include <array>

namespace platform {
namespace {

constexpr std::wstring_view kLongPathPrefix = LR"(\\?\)";
constexpr std::wstring_view kNativeFolder = L"Sysnative";
constexpr std::array<std::wstring_view, 6> kExempt = {L"catroot",      L"catroot2", L"driverstore",
                                                      L"drivers\\etc", L"logfiles", L"spool"};

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

wchar_t Folded(wchar_t c) {
  if (c == L'/') return L'\\';
  return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// True when `path` starts with the folder `folder`, whole: followed by its end or a separator.
bool StartsWithFolder(std::wstring_view path, std::wstring_view folder) {
  if (path.size() < folder.size()) return false;
  for (size_t i = 0; i < folder.size(); ++i)
    if (Folded(path[i]) != Folded(folder[i])) return false;
  return path.size() == folder.size() || IsSeparator(path[folder.size()]);
}

}  // namespace

std::optional<std::wstring> PathPastRedirection(std::wstring_view path, std::wstring_view systemFolder) {
  while (!systemFolder.empty() && IsSeparator(systemFolder.back())) systemFolder.remove_suffix(1);
  const size_t nameAt = systemFolder.find_last_of(L"\\/");
  if (nameAt == std::wstring_view::npos || systemFolder.empty()) return std::nullopt;

  std::wstring_view prefix;
  if (path.starts_with(kLongPathPrefix) && !systemFolder.starts_with(kLongPathPrefix)) {
    prefix = kLongPathPrefix;
    path.remove_prefix(prefix.size());
  }
  if (!StartsWithFolder(path, systemFolder)) return std::nullopt;
  const std::wstring_view rest = path.substr(systemFolder.size());  // empty, or from a separator on
  if (!rest.empty())
    for (const auto exempt : kExempt)
      if (StartsWithFolder(rest.substr(1), exempt)) return std::nullopt;

  std::wstring reached(prefix);
  reached += path.substr(0, nameAt + 1);  // the Windows folder as written, with its separator
  reached += kNativeFolder;
  reached += rest;
  return reached;
}

}  // namespace platform
