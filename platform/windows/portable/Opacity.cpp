#include "platform/windows/portable/Opacity.h"

namespace vantora {

std::uint8_t OpacityAlpha(int percent) {
  // Widened so a stray huge value cannot overflow; within 0..100 the result is the same.
  const long long alpha = static_cast<long long>(percent) * 255 / 100;
  return static_cast<std::uint8_t>(alpha & 0xFF);
}

int OpacityPercent(std::uint8_t alpha) {
  for (int percent = 0; percent <= 100; ++percent)
    if (OpacityAlpha(percent) == alpha) return percent;
  return (alpha * 100 + 127) / 255;
}

}  // namespace vantora
