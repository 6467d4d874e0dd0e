#pragma once
// Fading one of the program's windows in or out. The opacity follows the time elapsed over a
// fixed duration: a coarse system timer gives fewer, larger steps, never a longer fade, and the
// program keeps painting meanwhile.
#include <windows.h>

namespace ui {

// What a hundred and one steps of a millisecond take on a fine timer.
inline constexpr double kFadeMilliseconds = 150;

// The fade's clock and its wait between steps; a test gives a coarse clock of its own.
class FadeTiming {
 public:
  virtual ~FadeTiming() = default;
  virtual double Now() = 0;                 // milliseconds from any fixed point
  virtual void WaitUntil(double when) = 0;  // returns at `when` or later
};

// The steady clock; the wait lets the program paint (Application::WaitFor).
FadeTiming& SystemFadeTiming();

// Steps the window's opacity (SetWindowOpacity) from one percentage to the other in
// kFadeMilliseconds, ending exactly at `toPercent`. A step that fails ends the fade, written to
// the debug log: a fade is only a look.
void FadeWindow(HWND window, int fromPercent, int toPercent, FadeTiming& timing = SystemFadeTiming());

}  // namespace ui
