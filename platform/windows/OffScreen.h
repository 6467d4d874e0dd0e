#pragma once
// Windows left where no monitor shows them (a monitor unplugged, a remote session ended), and
// bringing them back into a monitor's work area.
#include <windows.h>

#include <optional>

#include "platform/Error.h"

namespace platform {

// The window's rectangle in screen coordinates; for a minimized window the place it is restored
// to. nullopt when the window has gone.
std::optional<RECT> RestoredRectangle(HWND window);

// Whether any monitor shows part of the window (a minimized one at its restored place).
bool OnAnyMonitor(HWND window);

// The rectangle moved into `area`, where it already lies there; else centred in it, its size
// kept where it fits and cut down to the area where it does not.
RECT FittedInto(const RECT& rect, const RECT& area);

// Moves the window into the work area of the monitor, keeping its size where it fits; a
// minimized window stays minimized and gets its restored place there.
[[nodiscard]] Outcome MoveIntoWorkArea(HWND window, HMONITOR monitor);

}  // namespace platform
