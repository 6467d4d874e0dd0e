#pragma once
// Routines on any top-level window that several commands share; the window is never owned.
#include <windows.h>

// Adds WS_EX_LAYERED (every time; it is never taken away again) and sets the layered alpha to
// percent * 255 / 100, truncated.
void SetWindowOpacity(HWND window, int percent);
