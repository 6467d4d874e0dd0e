#pragma once
// The skins every copy of the program carries inside itself.
#include <string_view>

#include "skin/portable/Palette.h"

namespace skin {

struct BuiltInSkin {
  const wchar_t* name;
  Palette palette;
};

// In the order the skin list shows them.
extern const BuiltInSkin kBuiltInSkins[4];

// The built-in skin of that name (names compare exactly), or null.
const BuiltInSkin* FindBuiltInSkin(std::wstring_view name);

}  // namespace skin
