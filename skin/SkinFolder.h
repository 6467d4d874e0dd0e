#pragma once
// The skins folder beside the program, where further skins are looked for.
#include <string>
#include <vector>

namespace skin {

// The names of the skin files in the "Skins" folder beside the executable.
std::vector<std::wstring> SkinFilesBesideProgram();

}  // namespace skin
