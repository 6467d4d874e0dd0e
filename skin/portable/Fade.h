#pragma once
// Button faces fade from one colour to the next over a short time.
#include "skin/portable/Colour.h"

namespace skin {

inline constexpr unsigned kFadeMilliseconds = 150;

// How far a fade has come after `elapsed` of `duration` milliseconds: 0 at the start, 1 at the
// end and after it, easing in and out in between. A zero duration is over at once.
double FadeAmount(unsigned elapsed, unsigned duration = kFadeMilliseconds);

// The colour `amount` (0..1, clamped) of the way from `from` to `to`, each channel rounded.
Rgb Mix(Rgb from, Rgb to, double amount);

}  // namespace skin
