#pragma once
// Placing top-level windows: raising one, moving one to a rectangle, and the metrics an
// arrangement of the program's own needs.
#include <windows.h>

#include "platform/Error.h"

namespace platform {

// SetWindowPos(HWND_TOP, SWP_NOMOVE | SWP_NOSIZE): top of the Z order, same place and size.
[[nodiscard]] Outcome RaiseToTop(HWND window);

// Moves and sizes the window so that its visible frame (platform/windows/VisibleBounds.h) is `rect`
// (screen coordinates), without touching its Z order or activating it; a maximized window is
// restored first so the rectangle becomes its own.
[[nodiscard]] Outcome PlaceWindow(HWND window, const RECT& rect);

// How far each cascaded window sits from the one before it: a sizable window's caption with its
// frame, SM_CYCAPTION + SM_CYSIZEFRAME + SM_CXPADDEDBORDER, as the system's own cascade spaces
// them, at the DPI of the monitor the windows are cascaded on (GetSystemMetricsForDpi where the
// system has it; GetSystemMetrics answers for the system DPI only).
int CascadeStep(HMONITOR monitor);

}  // namespace platform
