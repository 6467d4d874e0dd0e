#include "platform/windows/WindowArrangement.h"

#include "platform/windows/Monitors.h"
#include "platform/system/SystemFunctions.h"
#include "platform/windows/VisibleBounds.h"
#include "platform/windows/WindowQueries.h"

namespace platform {

Outcome RaiseToTop(HWND window) { return PositionWindow(window, HWND_TOP, RECT{}, SWP_NOMOVE | SWP_NOSIZE); }

Outcome PlaceWindow(HWND window, const RECT& rect) {
  if (::IsZoomed(window)) {
    if (Outcome restored = ShowWindowState(window, SW_RESTORE); !restored) return restored;
  }
  // The invisible borders are measured as the window stands now, restored.
  const auto bounds = WindowBoundsOf(window);
  if (!bounds) return Outcome::LastError();
  return PositionWindow(window, nullptr, WindowRectFor(rect, bounds->Margins()), SWP_NOZORDER | SWP_NOACTIVATE);
}

int CascadeStep(HMONITOR monitor) {
  using MetricForDpiFn = int(WINAPI*)(int, UINT);
  static const auto metricForDpi = SystemFunction<MetricForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
  const UINT dpi = MonitorDpi(monitor);
  const auto metric = [&](int index) { return metricForDpi ? metricForDpi(index, dpi) : ::GetSystemMetrics(index); };
  return metric(SM_CYCAPTION) + metric(SM_CYSIZEFRAME) + metric(SM_CXPADDEDBORDER);
}

}  // namespace platform
