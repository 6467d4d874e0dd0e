#include "platform/WindowArrangement.h"

namespace platform {

void RaiseToTop(HWND window) { ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

void PlaceWindow(HWND window, const RECT& rect) {
  if (::IsZoomed(window)) ::ShowWindow(window, SW_RESTORE);
  ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WorkArea() {
  RECT area{};
  if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) || area.right <= area.left || area.bottom <= area.top)
    area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  return area;
}

int CascadeStep() {
  return ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME) +
         ::GetSystemMetrics(SM_CXPADDEDBORDER);
}

void CascadeDesktopWindows(UINT how) { ::CascadeWindows(nullptr, how, nullptr, 0, nullptr); }

void TileDesktopWindows(UINT how) { ::TileWindows(nullptr, how, nullptr, 0, nullptr); }

}  // namespace platform
