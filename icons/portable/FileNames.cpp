#include "icons/portable/FileNames.h"

#include <array>
#include <cwctype>
#include <utility>

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

PictureFileFormat PictureFileFormatOf(std::wstring_view path) {
  using enum PictureFileFormat;
  static constexpr std::array<std::pair<std::wstring_view, PictureFileFormat>, 8> kExtensions{{
      {L".PNG", Png},
      {L".JPG", Jpeg},
      {L".JPEG", Jpeg},
      {L".JPE", Jpeg},
      {L".GIF", Gif},
      {L".ICO", Ico},
      {L".EMF", Emf},
      {L".WMF", Wmf},
  }};
  const std::wstring extension = UpperExtension(path);
  for (const auto& [name, format] : kExtensions)
    if (name == extension) return format;
  return Bmp;
}

std::wstring NameForType(std::wstring_view entered, std::wstring_view extension) {
  const std::wstring_view name = NamePart(entered);
  if (extension.empty()) return std::wstring(name);
  const size_t dot = name.rfind(L'.');
  return std::wstring(dot == std::wstring_view::npos ? name : name.substr(0, dot)) + std::wstring(extension);
}

}  // namespace icons
