#include "platform/windows/Monitors.h"

#include "platform/system/SystemFunctions.h"
#include "platform/UniqueHandle.h"

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

UINT MonitorDpi(HMONITOR monitor) {
  using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpiForMonitor =
      SystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor", LibraryUse::LoadIfMissing);
  UINT x = 0, y = 0;
  if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)) && x) return x;
  const WindowDc screen(nullptr);
  return static_cast<UINT>(::GetDeviceCaps(screen.get(), LOGPIXELSX));
}

}  // namespace platform
