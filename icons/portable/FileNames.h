#pragma once
// File-name tests of the icon commands.
#include <string>
#include <string_view>

namespace icons {

// The extension of the name's last part, from its last "." on (dot included), in upper case;
// empty when that part has no dot. Folders are not looked at: "C:\a.b\file" has none.
std::wstring UpperExtension(std::wstring_view path);

// The file formats a picture is saved in, told by the name's extension.
enum class PictureFileFormat { Bmp, Png, Jpeg, Gif, Ico, Emf, Wmf };

// The format the extension of `path` names; a bitmap for any other extension or none.
PictureFileFormat PictureFileFormatOf(std::wstring_view path);

// The name part of `entered` (its folder removed) with its extension replaced by `extension`
// (added when it has none); an empty extension leaves the name's own.
std::wstring NameForType(std::wstring_view entered, std::wstring_view extension);

}  // namespace icons
