#include "skin/portable/Fade.h"

#include <algorithm>
#include <cmath>

namespace skin {

double FadeAmount(unsigned elapsed, unsigned duration) {
  if (elapsed >= duration) return 1.0;
  const double t = static_cast<double>(elapsed) / duration;
  return t * t * (3.0 - 2.0 * t);  // smoothstep: no jump at either end
}

Rgb Mix(Rgb from, Rgb to, double amount) {
  const double a = std::clamp(amount, 0.0, 1.0);
  const auto channel = [a](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * a));
  };
  return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

}  // namespace skin
