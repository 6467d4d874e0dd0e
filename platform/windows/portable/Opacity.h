#pragma once
// The layered-window alpha that an opacity percentage stands for.
#include <cstdint>

namespace vantora {

// percent x 255 / 100 with integer division truncating toward zero; the low 8 bits are the
// alpha. Callers pass 0 to 100: 0 gives 0 (fully transparent), 50 gives 127, 100 gives 255.
std::uint8_t OpacityAlpha(int percent);

// The percentage a window's alpha stands for: the smallest one OpacityAlpha maps to it, so a
// percentage set and read back is the same number; an alpha no percentage gives is rounded.
int OpacityPercent(std::uint8_t alpha);

}  // namespace vantora
