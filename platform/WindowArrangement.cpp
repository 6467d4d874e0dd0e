#include "platform/WindowArrangement.h"

#include "platform/VisibleBounds.h"
#include "platform/WindowQueries.h"

namespace platform {

Outcome RaiseToTop(HWND window) { return PositionWindow(window, HWND_TOP, RECT{}, SWP_NOMOVE | SWP_NOSIZE); }

Outcome PlaceWindow(HWND window, const RECT& rect) {
  if (::IsZoomed(window)) {
    if (Outcome restored = ShowWindowState(window, SW_RESTORE); !restored) return restored;
  }
  // The invisible borders are measured as the window stands now, restored.
  const auto bounds = WindowBoundsOf(window);
  if (!bounds) return Outcome::LastError();
  return PositionWindow(window, nullptr, WindowRectFor(rect, bounds->Margins()), SWP_NOZORDER | SWP_NOACTIVATE);
}

int CascadeStep() {
  return ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME) + ::GetSystemMetrics(SM_CXPADDEDBORDER);
}

}  // namespace platform
