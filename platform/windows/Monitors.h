#pragma once
// The monitors of the desktop, in physical pixels (the program is per-monitor DPI aware). The
// virtual screen is the rectangle around all of them; a monitor left of or above the primary one
// has negative coordinates.
#include <windows.h>

namespace platform {

struct MonitorArea {
  RECT monitor{};  // the whole monitor
  RECT work{};     // less the taskbar and docked bars
};

RECT VirtualScreen();

// The monitor's rectangles; the virtual screen where the system gives none.
MonitorArea AreaOf(HMONITOR monitor);
// The monitor that holds the larger part of the rectangle, or the nearest one.
MonitorArea MonitorOfRect(const RECT& rect);
// The same for a window: its monitor's identity, which tells windows of one monitor from another's.
HMONITOR MonitorHandleOf(HWND window);

// The monitor's DPI (GetDpiForMonitor, looked up while running); the system's where the system
// has no DPI per monitor.
UINT MonitorDpi(HMONITOR monitor);

}  // namespace platform
