#pragma once
// All skins the program offers: the built-in ones, then those of the skin files, each file's
// missing colours taken from its base. Files that are not usable skins are left out, each with
// the reason why.
#include <optional>
#include <string>
#include <vector>

#include "skin/portable/Palette.h"

namespace skin {

// Extension of the skin files found in the skins folder; a file's name without it names the skin.
inline constexpr std::wstring_view kSkinFileExtension = L".vskin";

struct SkinFile {
  std::wstring name;                // the file's name, not its path
  std::optional<std::string> text;  // its bytes; none when it could not be read
};

struct NamedSkin {
  std::wstring name;
  Palette palette;
};

struct SkinProblem {
  std::wstring file;
  std::wstring reason;
};

struct SkinLibrary {
  std::vector<NamedSkin> skins;  // built-in skins first, then the files' skins sorted by name
  std::vector<SkinProblem> problems;
};

// Files without the skin extension (in any letter case) are not skin files and are ignored.
SkinLibrary LoadSkins(const std::vector<SkinFile>& files);

// How many of the files left out the start-up message names, a line each; the rest are counted,
// so the message box stays on the screen however many files there are.
inline constexpr size_t kNamedSkinProblems = 10;

// The start-up message about the files left out (lines end with a carriage return, which starts
// a new line in a message box); empty when there are none.
std::wstring SkinProblemsMessage(const std::vector<SkinProblem>& problems);

}  // namespace skin
