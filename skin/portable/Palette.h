#pragma once
// The colours a skin paints with, and the palette a hue offset and saturation make of them.
#include <cstddef>
#include <iterator>
#include <string_view>

#include "skin/portable/Colour.h"

namespace skin {

struct Palette {
  Rgb window;          // form backgrounds
  Rgb panel;           // panels, group boxes, edit boxes and lists
  Rgb border;          // frames of panels, buttons and edit boxes
  Rgb button;          // button face at rest
  Rgb buttonHot;       // under the mouse
  Rgb buttonPressed;   // held down or checked
  Rgb buttonDisabled;  // disabled button
  Rgb text;
  Rgb disabledText;
  Rgb accent;  // check marks, slider thumbs, focus frames
  Rgb selection;
  Rgb selectionText;
  bool operator==(const Palette&) const = default;
};

// Each colour of a palette with the key that names it in a skin file.
struct ColourRole {
  std::string_view key;
  Rgb Palette::*colour;
};
inline constexpr ColourRole kColourRoles[] = {
    {"window", &Palette::window},
    {"panel", &Palette::panel},
    {"border", &Palette::border},
    {"button", &Palette::button},
    {"button.hot", &Palette::buttonHot},
    {"button.pressed", &Palette::buttonPressed},
    {"button.disabled", &Palette::buttonDisabled},
    {"text", &Palette::text},
    {"text.disabled", &Palette::disabledText},
    {"accent", &Palette::accent},
    {"selection", &Palette::selection},
    {"selection.text", &Palette::selectionText},
};
inline constexpr std::size_t kColourRoleCount = std::size(kColourRoles);

// Legibility floors the effective palette keeps, as WCAG contrast ratios. Disabled text is
// meant to look weaker than text, so it keeps the floor of non-text shapes.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kShapeContrast = 3.0;

// The skin's palette turned by the hue offset (degrees) and saturation (-100..100); then text,
// disabled text, selection text, borders and the accent move in lightness (towards black or
// white, whichever is nearer) until they stand out from the backgrounds they are drawn on: text from
// the window, panels, button faces; selection text from the selection; disabled text, borders and
// the accent from the window, panels and the faces they sit on.
Palette EffectivePalette(const Palette& skin, int hueDegrees, int saturation);

}  // namespace skin
