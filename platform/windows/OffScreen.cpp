#include "platform/windows/OffScreen.h"

#include <algorithm>

#include "platform/windows/Monitors.h"
#include "platform/windows/VisibleBounds.h"
#include "platform/windows/WindowArrangement.h"
#include "platform/windows/WindowQueries.h"

namespace platform {

namespace {

// A restored place is kept in workspace coordinates (relative to the primary monitor's work
// area) unless the window is a tool window.
POINT WorkspaceOffset(HWND window) {
  if (ExtendedStyle(window) & WS_EX_TOOLWINDOW) return {};
  const MonitorArea primary = AreaOf(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  return {primary.work.left - primary.monitor.left, primary.work.top - primary.monitor.top};
}

}  // namespace

std::optional<RECT> RestoredRectangle(HWND window) {
  if (!::IsIconic(window)) return WindowRectangle(window);
  WINDOWPLACEMENT placement{sizeof(placement)};
  if (!::GetWindowPlacement(window, &placement)) return std::nullopt;
  RECT rect = placement.rcNormalPosition;
  const POINT offset = WorkspaceOffset(window);
  ::OffsetRect(&rect, offset.x, offset.y);
  return rect;
}

bool OnAnyMonitor(HWND window) {
  const auto rect = RestoredRectangle(window);
  return !rect || ::MonitorFromRect(&*rect, MONITOR_DEFAULTTONULL) != nullptr;
}

RECT FittedInto(const RECT& rect, const RECT& area) {
  const LONG width = std::min(rect.right - rect.left, area.right - area.left);
  const LONG height = std::min(rect.bottom - rect.top, area.bottom - area.top);
  POINT at{rect.left, rect.top};
  const bool inside =
      rect.left >= area.left && rect.top >= area.top && rect.right <= area.right && rect.bottom <= area.bottom;
  if (!inside)
    at = {area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
  return RECT{at.x, at.y, at.x + width, at.y + height};
}

Outcome MoveIntoWorkArea(HWND window, HMONITOR monitor) {
  const RECT work = AreaOf(monitor).work;
  if (!::IsIconic(window)) {
    const auto bounds = WindowBoundsOf(window);
    if (!bounds) return Outcome::LastError();
    return PlaceWindow(window, FittedInto(bounds->visible, work));
  }
  WINDOWPLACEMENT placement{sizeof(placement)};
  if (!::GetWindowPlacement(window, &placement)) return Outcome::LastError();
  const auto restored = RestoredRectangle(window);
  if (!restored) return Outcome::LastError();
  RECT place = FittedInto(*restored, work);
  const POINT offset = WorkspaceOffset(window);
  ::OffsetRect(&place, -offset.x, -offset.y);
  placement.rcNormalPosition = place;
  placement.showCmd = SW_SHOWMINNOACTIVE;
  return SetPlacement(window, placement);
}

}  // namespace platform
