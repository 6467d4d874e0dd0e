#include "skin/portable/Colour.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skin {
namespace {

struct Linear {
  double r, g, b;
};

double ToLinear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t FromLinear(double c) {
  c = std::clamp(c, 0.0, 1.0);
  const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
  return static_cast<std::uint8_t>(std::lround(encoded * 255));
}

// Björn Ottosson's OKLab matrices (linear sRGB <-> LMS <-> Lab).
Linear LabToLinear(double L, double a, double b) {
  const double l = std::pow(L + 0.3963377774 * a + 0.2158037573 * b, 3);
  const double m = std::pow(L - 0.1055613458 * a - 0.0638541728 * b, 3);
  const double s = std::pow(L - 0.0894841775 * a - 1.2914855480 * b, 3);
  return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
          -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
          -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

Linear LchToLinear(const Lch& lch) {
  const double radians = lch.h * std::numbers::pi / 180;
  return LabToLinear(lch.L, lch.C * std::cos(radians), lch.C * std::sin(radians));
}

bool InGamut(const Linear& c) {
  constexpr double kSlack = 1e-7;
  return c.r >= -kSlack && c.r <= 1 + kSlack && c.g >= -kSlack && c.g <= 1 + kSlack && c.b >= -kSlack &&
         c.b <= 1 + kSlack;
}

double WrapDegrees(double degrees) {
  const double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0 ? wrapped + 360 : wrapped;
}

}  // namespace

Lch ToOklch(Rgb colour) {
  const double r = ToLinear(colour.r), g = ToLinear(colour.g), b = ToLinear(colour.b);
  const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
  const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
  const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
  const double L = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
  const double A = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
  const double B = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
  return {L, std::hypot(A, B), WrapDegrees(std::atan2(B, A) * 180 / std::numbers::pi)};
}

Rgb FromOklch(Lch lch) {
  lch.L = std::clamp(lch.L, 0.0, 1.0);
  lch.C = std::max(lch.C, 0.0);
  Linear c = LchToLinear(lch);
  if (!InGamut(c)) {
    // Chroma 0 is a grey of the same lightness, always inside: bisect between it and the
    // requested chroma for the most colourful colour that still fits.
    double inside = 0, outside = lch.C;
    for (int step = 0; step < 24; ++step) {
      const double middle = (inside + outside) / 2;
      (InGamut(LchToLinear({lch.L, middle, lch.h})) ? inside : outside) = middle;
    }
    c = LchToLinear({lch.L, inside, lch.h});
  }
  return {FromLinear(c.r), FromLinear(c.g), FromLinear(c.b)};
}

Lch RotateHue(Lch lch, int degrees) {
  lch.h = WrapDegrees(lch.h + degrees % 360);
  return lch;
}

Lch ScaleChroma(Lch lch, int saturation) {
  lch.C *= 1 + std::clamp(saturation, -100, 100) / 100.0;
  return lch;
}

Tint::Tint(int hueDegrees, int saturation)
    : hue_(((hueDegrees % 360) + 360) % 360), saturation_(std::clamp(saturation, -100, 100)) {}

Rgb Tint::operator()(Rgb colour) const {
  if (IsIdentity()) return colour;
  return FromOklch(ScaleChroma(RotateHue(ToOklch(colour), hue_), saturation_));
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * ToLinear(colour.r) + 0.7152 * ToLinear(colour.g) + 0.0722 * ToLinear(colour.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace skin
