#pragma once
// Layouts are written in 96-DPI pixels and scaled to the window's DPI, rounding to nearest.

namespace vantora {

inline constexpr unsigned kDesignDpi = 96;

constexpr int ScaleForDpi(int value, unsigned dpi) {
  const long long scaled = static_cast<long long>(value) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi : -((-scaled + half) / kDesignDpi));
}

}  // namespace vantora
