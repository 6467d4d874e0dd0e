#include "icons/portable/FileNames.h"

#include <cwctype>

namespace icons {

namespace {

std::wstring_view NamePart(std::wstring_view path) {
  const size_t nameAt = path.find_last_of(L"\\/:");
  return nameAt == std::wstring_view::npos ? path : path.substr(nameAt + 1);
}

}  // namespace

std::wstring UpperExtension(std::wstring_view path) {
  const std::wstring_view name = NamePart(path);
  const size_t dot = name.rfind(L'.');
  if (dot == std::wstring_view::npos) return {};
  std::wstring extension(name.substr(dot));
  for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return extension;
}

std::wstring NameForType(std::wstring_view entered, std::wstring_view extension) {
  const std::wstring_view name = NamePart(entered);
  if (extension.empty()) return std::wstring(name);
  const size_t dot = name.rfind(L'.');
  return std::wstring(dot == std::wstring_view::npos ? name : name.substr(0, dot)) + std::wstring(extension);
}

}  // namespace icons
