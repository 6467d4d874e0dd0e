#include "ui/portable/FileDialogFilter.h"

#include <utility>
#include <vector>

namespace ui {
namespace {

// The (description, pattern) pairs the dialog shows, in order; a pair without a pattern
// matches nothing and is dropped.
std::vector<std::pair<std::wstring, std::wstring>> FilterPairs(const std::wstring& pipeSeparated) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= pipeSeparated.size()) {
    const std::size_t bar = pipeSeparated.find(L'|', start);
    const std::size_t end = bar == std::wstring::npos ? pipeSeparated.size() : bar;
    parts.push_back(pipeSeparated.substr(start, end - start));
    if (bar == std::wstring::npos) break;
    start = bar + 1;
  }
  std::vector<std::pair<std::wstring, std::wstring>> pairs;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
    if (!parts[i + 1].empty()) pairs.emplace_back(parts[i], parts[i + 1]);
  return pairs;
}

}  // namespace

std::wstring DialogFilter(const std::wstring& pipeSeparated) {
  std::wstring result;
  for (const auto& [description, pattern] : FilterPairs(pipeSeparated)) {
    result += description;
    result += L'\0';
    result += pattern;
    result += L'\0';
  }
  if (!result.empty()) result += L'\0';
  return result;
}

std::wstring DialogDefaultExtension(const std::wstring& extension) {
  return !extension.empty() && extension.front() == L'.' ? extension.substr(1) : extension;
}

std::wstring FilterExtension(const std::wstring& pipeSeparated, int filterIndex) {
  const auto pairs = FilterPairs(pipeSeparated);
  if (filterIndex < 1 || filterIndex > static_cast<int>(pairs.size())) return {};
  const std::wstring& patterns = pairs[static_cast<std::size_t>(filterIndex - 1)].second;
  const std::wstring first = patterns.substr(0, patterns.find(L';'));
  const std::size_t dot = first.rfind(L'.');
  if (dot == std::wstring::npos) return {};
  const std::wstring extension = first.substr(dot);
  return extension.find_first_of(L"*?") == std::wstring::npos ? extension : std::wstring{};
}

}  // namespace ui
