#include "icons/portable/FileNames.h"

#include <cwctype>

namespace icons {

std::wstring UpperExtension(std::wstring_view path) {
  const size_t nameAt = path.find_last_of(L"\\/:");
  const std::wstring_view name = nameAt == std::wstring_view::npos ? path : path.substr(nameAt + 1);
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring_view::npos) return {};
  std::wstring extension(name.substr(dot));
  for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return extension;
}

}  // namespace icons
