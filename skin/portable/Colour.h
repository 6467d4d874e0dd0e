#pragma once
// Colour maths of the skins: sRGB, the perceptual OKLab/OKLCh space the hue and saturation
// settings work in, and the WCAG contrast ratio that keeps text legible afterwards.
#include <cstdint>

namespace skin {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// OKLab lightness L (0 black .. 1 white) with chroma C and hue h in degrees [0, 360).
struct Lch {
  double L = 0, C = 0, h = 0;
};

Lch ToOklch(Rgb colour);
// The sRGB colour nearest to `lch` that the screen can show: lightness and hue are kept and
// the chroma is reduced until the colour fits.
Rgb FromOklch(Lch lch);

// Turns the hue by `degrees` (any integer; 360 is a full turn). Lightness and chroma stay.
Lch RotateHue(Lch lch, int degrees);
// Scales the chroma by 1 + saturation / 100: -100 gives grey, 0 keeps it, 100 doubles it.
// Values outside -100..100 are taken as the nearest end.
Lch ScaleChroma(Lch lch, int saturation);

// The colour as the hue offset and saturation of a skin show it.
class Tint {
 public:
  Tint(int hueDegrees, int saturation);
  bool IsIdentity() const noexcept { return hue_ == 0 && saturation_ == 0; }
  Rgb operator()(Rgb colour) const;

 private:
  int hue_;
  int saturation_;
};

// WCAG 2 relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21).
double RelativeLuminance(Rgb colour);
double ContrastRatio(Rgb a, Rgb b);

}  // namespace skin
