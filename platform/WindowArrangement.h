#pragma once
// Placing top-level windows: raising one, moving one to a rectangle, and the desktop-wide
// cascade and tile calls with the metrics an arrangement of our own needs where those calls are
// stubs (Wine).
#include <windows.h>

#include "platform/Error.h"

namespace platform {

// SetWindowPos(HWND_TOP, SWP_NOMOVE | SWP_NOSIZE): top of the Z order, same place and size.
[[nodiscard]] Outcome RaiseToTop(HWND window);

// Moves and sizes the window to `rect` (screen coordinates) without touching its Z order or
// activating it; a maximized window is restored first so the rectangle becomes its own.
[[nodiscard]] Outcome PlaceWindow(HWND window, const RECT& rect);

// The primary monitor's work area (SPI_GETWORKAREA); the whole screen if that fails.
RECT WorkArea();

// How far each cascaded window sits from the one before it: a sizable window's caption with its
// frame, SM_CYCAPTION + SM_CYSIZEFRAME + SM_CXPADDEDBORDER, as the system's own cascade spaces them.
int CascadeStep();

// CascadeWindows / TileWindows on the desktop's top-level windows (no parent, no rectangle, no
// list of windows); `how` is the MDITILE_* combination.
void CascadeDesktopWindows(UINT how);
void TileDesktopWindows(UINT how);

}  // namespace platform
