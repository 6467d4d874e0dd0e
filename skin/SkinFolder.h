#pragma once
// The skins folder beside the program, where further skins are looked for.
#include <vector>

#include "skin/portable/SkinLibrary.h"

namespace skin {

// The skin files in the "Skins" folder beside the executable, with their contents.
std::vector<SkinFile> SkinFilesBesideProgram();

}  // namespace skin
