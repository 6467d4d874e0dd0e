#pragma once
// Placing another program's window. SetWindowPos waits for the window's thread to handle the
// messages it sends, so a window whose program has stopped answering is left alone instead of
// freezing Vantora.
#include <windows.h>

namespace platform {

// SetWindowPos(window, insertAfter, bounds, flags) once the window has answered a bounded
// WM_NULL; false when it did not answer or the call failed. A responsive window sees exactly
// the effect of the plain call, complete when this returns.
bool PlaceWindow(HWND window, HWND insertAfter, const RECT& bounds, UINT flags);

}  // namespace platform
