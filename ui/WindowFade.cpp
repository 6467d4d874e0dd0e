#include "ui/WindowFade.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/windows/WindowRoutines.h"
#include "ui/Application.h"

namespace ui {
namespace {

class SteadyFadeTiming final : public FadeTiming {
 public:
  double Now() override {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
  void WaitUntil(double when) override {
    const auto left = std::chrono::milliseconds(static_cast<long long>(std::ceil(when - Now())));
    Application::Instance().WaitFor([] { return false; }, std::max(left, std::chrono::milliseconds(0)));
  }
};

}  // namespace

FadeTiming& SystemFadeTiming() {
  static SteadyFadeTiming timing;
  return timing;
}

void FadeWindow(HWND window, int fromPercent, int toPercent, FadeTiming& timing) {
  const int steps = std::abs(toPercent - fromPercent);
  const int direction = toPercent < fromPercent ? -1 : 1;
  const double start = timing.Now();
  for (int step = 0;;) {
    if (const platform::Outcome set = platform::SetWindowOpacity(window, fromPercent + direction * step); !set) {
      platform::LogIfFailed(L"A fading step", set);
      return;
    }
    if (step == steps) return;
    timing.WaitUntil(start + kFadeMilliseconds * (step + 1) / steps);
    // The step the time has reached: on a coarse clock several further on, the last one once the
    // duration is over.
    const double elapsed = timing.Now() - start;
    step = std::clamp(static_cast<int>(elapsed * steps / kFadeMilliseconds), step + 1, steps);
  }
}

}  // namespace ui
