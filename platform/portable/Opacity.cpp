#include "platform/portable/Opacity.h"

namespace vantora {

std::uint8_t OpacityAlpha(int percent) {
  // Widened so a stray huge value cannot overflow; within 0..100 the result is the same.
  const long long alpha = static_cast<long long>(percent) * 255 / 100;
  return static_cast<std::uint8_t>(alpha & 0xFF);
}

}  // namespace vantora
