#pragma once
// Layouts are written in 96-DPI pixels and scaled to the window's DPI, rounding to nearest.

namespace vantora {

inline constexpr unsigned kDesignDpi = 96;
inline constexpr int kSmallIconSize = 16;  // a small icon's side at 96 DPI

constexpr int ScaleForDpi(int value, unsigned dpi) {
  const long long scaled = static_cast<long long>(value) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi : -((-scaled + half) / kDesignDpi));
}

// A font height designed in 96-DPI pixels (negative: character height) at another DPI: the size
// in points the design means (-11 pixels is 8 points) in pixels of that DPI, as the system sizes
// its own fonts, but never more than the design's pixels scaled. Scaling the pixels alone would
// round 8 points up to 17 pixels at 144 DPI, a font a pixel taller and wider than the system's;
// the points alone would make a 9.75-point heading a 10-point one, taller than its row.
constexpr int FontHeightForDpi(int designHeight, unsigned dpi) {
  const int sign = designHeight < 0 ? -1 : 1;
  const long long pixels = designHeight < 0 ? -static_cast<long long>(designHeight) : designHeight;
  const long long points = (pixels * 72 + kDesignDpi / 2) / kDesignDpi;
  const long long bySystem = (points * dpi + 36) / 72;
  const long long scaled = (pixels * dpi + kDesignDpi / 2) / kDesignDpi;
  return sign * static_cast<int>(bySystem < scaled ? bySystem : scaled);
}

}  // namespace vantora
