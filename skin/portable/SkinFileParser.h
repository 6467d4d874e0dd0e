#pragma once
// Reading one skin file (format in Skins/README.txt). Files come from anyone: anything that is
// not a skin file is refused with the line and what is wrong, never half read.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "skin/portable/Palette.h"

namespace skin {

inline constexpr std::size_t kMaxSkinFileBytes = 64 * 1024;
inline constexpr std::size_t kMaxSkinLineBytes = 256;

// A skin file as written: only the colours it gives; the others come from its base.
struct SkinDefinition {
  std::wstring base;  // the skin this one completes; empty when the file names none
  int baseLine = 0;   // the line of base=, for messages about the base
  std::array<std::optional<Rgb>, kColourRoleCount> colours;  // in kColourRoles order
  std::wstring description;
};

struct ParsedSkin {
  SkinDefinition skin;
  std::wstring error;  // "line 4: ..."; empty when the text is a skin file
};

ParsedSkin ParseSkinText(std::string_view text);

// "line 4: " before `what`, or `what` alone for line 0 (the file as a whole).
std::wstring LineMessage(int line, const std::wstring& what);

}  // namespace skin
