#include "options/portable/OptionsText.h"

#include <algorithm>

namespace options {

std::wstring PeriodText(int seconds) {
  return seconds == 1 ? std::wstring(L"1 Second") : std::to_wstring(seconds) + L" Seconds";
}

std::wstring CurrentText(int position) { return L"Current: " + std::to_wstring(position); }

SkinBoxFill FillSkinBox(const std::vector<std::wstring>& names, const std::wstring& active) {
  if (names.empty()) return {{kNoSkins}, 0, false};
  const auto found = std::find(names.begin(), names.end(), active);
  const int position = found == names.end() ? -1 : static_cast<int>(found - names.begin());
  const int next = position + 1;
  return {names, next < static_cast<int>(names.size()) ? next : -1, true};
}

}  // namespace options
