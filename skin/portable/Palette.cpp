#include "skin/portable/Palette.h"

#include <algorithm>
#include <vector>

namespace skin {
namespace {

using Role = Rgb Palette::*;

struct ContrastRule {
  Role foreground;
  double minimum;
  std::vector<Role> backgrounds;
};

const std::vector<ContrastRule>& ContrastRules() {
  static const std::vector<ContrastRule> rules{
      {&Palette::text,
       kTextContrast,
       {&Palette::window, &Palette::panel, &Palette::button, &Palette::buttonHot, &Palette::buttonPressed,
        &Palette::buttonDisabled}},
      {&Palette::selectionText, kTextContrast, {&Palette::selection}},
      {&Palette::disabledText, kShapeContrast, {&Palette::window, &Palette::panel, &Palette::buttonDisabled}},
      {&Palette::border,
       kShapeContrast,
       {&Palette::window, &Palette::panel, &Palette::button, &Palette::buttonHot, &Palette::buttonPressed}},
      {&Palette::accent, kShapeContrast, {&Palette::window, &Palette::panel, &Palette::button}},
  };
  return rules;
}

double WorstContrast(Rgb foreground, const Palette& palette, const std::vector<Role>& backgrounds) {
  double worst = 21;
  for (Role background : backgrounds) worst = std::min(worst, ContrastRatio(foreground, palette.*background));
  return worst;
}

// The colour of `foreground`'s hue and chroma whose lightness is nearest to its own and that
// keeps `minimum` against every background. When no lightness does (backgrounds both light
// and dark), the one that stands out best.
Rgb Legible(Rgb foreground, double minimum, const Palette& palette, const std::vector<Role>& backgrounds) {
  if (WorstContrast(foreground, palette, backgrounds) >= minimum) return foreground;
  const Lch start = ToOklch(foreground);
  constexpr double kStep = 0.005;
  Rgb best = foreground;
  double bestContrast = 0;
  for (double distance = kStep; distance < 1 + kStep; distance += kStep) {
    for (double lightness : {start.L - distance, start.L + distance}) {
      if (lightness < -kStep || lightness > 1 + kStep) continue;
      const Rgb candidate = FromOklch({lightness, start.C, start.h});
      const double contrast = WorstContrast(candidate, palette, backgrounds);
      if (contrast >= minimum) return candidate;
      if (contrast > bestContrast) best = candidate, bestContrast = contrast;
    }
  }
  return best;
}

}  // namespace

Palette EffectivePalette(const Palette& skin, int hueDegrees, int saturation) {
  const Tint tint(hueDegrees, saturation);
  Palette palette;
  for (const ColourRole& role : kColourRoles) palette.*role.colour = tint(skin.*role.colour);
  for (const ContrastRule& rule : ContrastRules())
    palette.*rule.foreground = Legible(palette.*rule.foreground, rule.minimum, palette, rule.backgrounds);
  return palette;
}

}  // namespace skin
