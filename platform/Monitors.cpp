#include "platform/Monitors.h"

namespace platform {

RECT VirtualScreen() {
  const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN), top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
  return RECT{left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

MonitorArea AreaOf(HMONITOR monitor) {
  MONITORINFO info{sizeof(info)};
  if (!monitor || !::GetMonitorInfoW(monitor, &info)) return {VirtualScreen(), VirtualScreen()};
  return {info.rcMonitor, info.rcWork};
}

MonitorArea MonitorOfRect(const RECT& rect) { return AreaOf(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST)); }

HMONITOR MonitorHandleOf(HWND window) { return ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST); }

}  // namespace platform
