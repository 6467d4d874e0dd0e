#include "platform/windows/WindowSnapshot.h"

#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"

namespace platform {

namespace {

constexpr int kTitleBuffer = 1024;

WINDOWPLACEMENT PlacementOf(HWND window) {
  WINDOWPLACEMENT placement{sizeof(placement)};
  ::GetWindowPlacement(window, &placement);
  return placement;
}

bool SamePlace(const WINDOWPLACEMENT& a, const WINDOWPLACEMENT& b) {
  return a.showCmd == b.showCmd && ::EqualRect(&a.rcNormalPosition, &b.rcNormalPosition) != FALSE;
}

// Put back without taking the focus where the system allows it.
UINT QuietShowCommand(UINT shown) {
  switch (shown) {
    case SW_SHOWMINIMIZED: return SW_SHOWMINNOACTIVE;
    case SW_SHOWMAXIMIZED: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNOACTIVATE;
  }
}

}  // namespace

std::optional<WindowSnapshot> TakeSnapshot(HWND window) {
  if (!::IsWindow(window)) return std::nullopt;
  WindowSnapshot snapshot;
  snapshot.window = window;
  snapshot.placement = PlacementOf(window);
  snapshot.alpha = LayeredAlpha(window);
  snapshot.topmost = IsWindowTopmost(window);
  snapshot.enabled = ::IsWindowEnabled(window) != FALSE;
  snapshot.closeButton = IsCloseButtonEnabled(window);
  snapshot.title = WindowText(window, kTitleBuffer);
  return snapshot;
}

Outcome RestoreSnapshot(const WindowSnapshot& s) {
  const HWND w = s.window;
  if (!::IsWindow(w)) return Outcome::Failure(ERROR_INVALID_WINDOW_HANDLE);
  Outcome outcome = Outcome::Success();
  const auto keep = [&outcome](const Outcome& step) {
    if (!step && outcome) outcome = step;
  };
  if (WindowText(w, kTitleBuffer) != s.title) keep(SetWindowTitle(w, s.title));
  if ((::IsWindowEnabled(w) != FALSE) != s.enabled) keep(SetWindowEnabled(w, s.enabled));
  if (IsCloseButtonEnabled(w) != s.closeButton) keep(SetCloseButtonEnabled(w, s.closeButton));
  // A window made layered stays so; fully opaque is what it showed before.
  if (LayeredAlpha(w) != s.alpha) keep(SetLayeredAlpha(w, s.alpha.value_or(255)));
  if (IsWindowTopmost(w) != s.topmost)
    keep(
        PositionWindow(w, s.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, RECT{}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  if (!SamePlace(PlacementOf(w), s.placement)) {
    WINDOWPLACEMENT placement = s.placement;
    placement.showCmd = QuietShowCommand(s.placement.showCmd);
    keep(SetPlacement(w, placement));
  }
  return outcome;
}

}  // namespace platform
