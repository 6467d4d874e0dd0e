#include "platform/pictures/ScreenSettling.h"

#include "platform/system/SystemFunctions.h"
#include "platform/windows/WindowQueries.h"

namespace platform {
namespace {

// GetUpdateRect reads what the window's own thread has still to paint, without asking it.
bool LeftToPaint(HWND window) { return ::GetUpdateRect(window, nullptr, FALSE) != FALSE; }

}  // namespace

bool ShownInFront(HWND window) {
  return ::GetForegroundWindow() == window && ::IsWindowVisible(window) && !::IsIconic(window) && !LeftToPaint(window);
}

bool DesktopPainted() {
  bool painted = true;
  EnumerateTopLevelWindows([&painted](HWND window) {
    if (painted && ::IsWindowVisible(window) && LeftToPaint(window) && !::IsHungAppWindow(window)) painted = false;
  });
  return painted;
}

void AwaitComposedFrame() {
  using EnabledFn = HRESULT(WINAPI*)(BOOL*);
  using FlushFn = HRESULT(WINAPI*)();
  static const auto enabled =
      SystemFunction<EnabledFn>(L"dwmapi.dll", "DwmIsCompositionEnabled", LibraryUse::LoadIfMissing);
  static const auto flush = SystemFunction<FlushFn>(L"dwmapi.dll", "DwmFlush", LibraryUse::LoadIfMissing);
  BOOL composed = FALSE;
  if (!enabled || !flush || FAILED(enabled(&composed)) || !composed) return;
  // The frame being composed when the window was hidden may still show it; the next one cannot.
  if (SUCCEEDED(flush())) flush();
}

}  // namespace platform
