#include "platform/portable/FileDialogFilter.h"

#include <vector>

namespace platform {

std::wstring DialogFilter(const std::wstring& pipeSeparated) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= pipeSeparated.size()) {
    const std::size_t bar = pipeSeparated.find(L'|', start);
    const std::size_t end = bar == std::wstring::npos ? pipeSeparated.size() : bar;
    parts.push_back(pipeSeparated.substr(start, end - start));
    if (bar == std::wstring::npos) break;
    start = bar + 1;
  }
  std::wstring result;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i + 1].empty()) continue;  // a pair without a pattern matches nothing
    result += parts[i];
    result += L'\0';
    result += parts[i + 1];
    result += L'\0';
  }
  if (!result.empty()) result += L'\0';
  return result;
}

std::wstring DialogDefaultExtension(const std::wstring& extension) {
  return !extension.empty() && extension.front() == L'.' ? extension.substr(1) : extension;
}

}  // namespace platform
