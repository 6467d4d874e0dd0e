#pragma once
// Writes the first image of an icon file into an executable as its icon resource number 1.
#include <string>

namespace icons {

// True only when the executable now holds the new icon number 1 and every icon-group entry
// that names icon 1 describes it. False, with the executable byte for byte as it was, when the
// icon file cannot be read or is not a sound icon file, when the executable cannot be opened
// for updating, holds data after its last section (an installer payload or a signature that the
// rewrite would drop), or when the update or its commit fails.
bool ReplaceExeIcon(const std::wstring& iconFile, const std::wstring& exeFile);

}  // namespace icons
