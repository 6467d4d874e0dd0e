#include "platform/WindowArrangement.h"

#include "platform/WindowQueries.h"

namespace platform {

Outcome RaiseToTop(HWND window) { return PositionWindow(window, HWND_TOP, RECT{}, SWP_NOMOVE | SWP_NOSIZE); }

Outcome PlaceWindow(HWND window, const RECT& rect) {
  if (::IsZoomed(window)) {
    if (Outcome restored = ShowWindowState(window, SW_RESTORE); !restored) return restored;
  }
  return PositionWindow(window, nullptr, rect, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WorkArea() {
  RECT area{};
  if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) || area.right <= area.left || area.bottom <= area.top)
    area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  return area;
}

int CascadeStep() {
  return ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME) + ::GetSystemMetrics(SM_CXPADDEDBORDER);
}

void CascadeDesktopWindows(UINT how) { ::CascadeWindows(nullptr, how, nullptr, 0, nullptr); }

void TileDesktopWindows(UINT how) { ::TileWindows(nullptr, how, nullptr, 0, nullptr); }

}  // namespace platform
