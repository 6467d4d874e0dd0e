// Cascade and tile. On Windows the desktop's own CascadeWindows/TileWindows arrange the
// top-level windows; under Wine those are stubs that move nothing, so the program arranges the
// listed windows itself with the same kind of geometry.
#include "shell/BulkCommands.h"

#include <algorithm>
#include <vector>

#include "platform/WindowArrangement.h"
#include "platform/Wine.h"
#include "shell/portable/ArrangeGeometry.h"

namespace shell {

struct Arrangement {
  void (*desktopCall)(UINT how);
  UINT how;  // MDITILE_* as the desktop call takes it
  std::vector<vantora::Rect> (*layout)(const vantora::Rect& workArea, int count);
  // Cascade slots go to the back windows first, so the front window lands last, on top of the
  // others, and every caption stays visible; tiles follow the list from the front window.
  bool backWindowsFirst;
};

namespace {

constexpr Arrangement kCascade{
    platform::CascadeDesktopWindows, MDITILE_SKIPDISABLED,
    [](const vantora::Rect& work, int count) { return vantora::CascadeRects(work, count, platform::CascadeStep()); },
    true};
constexpr Arrangement kTileHorizontal{platform::TileDesktopWindows, MDITILE_HORIZONTAL | MDITILE_SKIPDISABLED,
                                      [](const vantora::Rect& work, int count) {
                                        return vantora::TileRects(work, count, vantora::TileDirection::Horizontal);
                                      },
                                      false};
constexpr Arrangement kTileVertical{platform::TileDesktopWindows, MDITILE_VERTICAL | MDITILE_SKIPDISABLED,
                                    [](const vantora::Rect& work, int count) {
                                      return vantora::TileRects(work, count, vantora::TileDirection::Vertical);
                                    },
                                    false};

// The listed windows the desktop call would take: enabled (disabled ones are skipped) and not
// minimized, in list order.
std::vector<HWND> ArrangeableWindows(const std::vector<HWND>& listed) {
  std::vector<HWND> windows;
  for (HWND window : listed)
    if (::IsWindow(window) && ::IsWindowEnabled(window) && !::IsIconic(window)) windows.push_back(window);
  return windows;
}

void ArrangeOurselves(const std::vector<HWND>& listed, const Arrangement& arrangement) {
  std::vector<HWND> windows = ArrangeableWindows(listed);
  if (arrangement.backWindowsFirst) std::reverse(windows.begin(), windows.end());
  const RECT work = platform::WorkArea();
  const auto rects =
      arrangement.layout({work.left, work.top, work.right, work.bottom}, static_cast<int>(windows.size()));
  for (size_t i = 0; i < windows.size(); ++i)
    platform::LogIfFailed(
        L"Placing a listed window",
        platform::PlaceWindow(windows[i], RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom}));
}

}  // namespace

void BulkCommands::Arrange(const Arrangement& arrangement) {
  const auto raiseMainWindow = [this] {
    platform::LogIfFailed(L"Raising the main window", platform::RaiseToTop(form_.Handle()));
  };
  raiseMainWindow();
  if (platform::RunningOnWine())
    ArrangeOurselves(catalogue_.Windows(), arrangement);
  else
    arrangement.desktopCall(arrangement.how);
  raiseMainWindow();
}

void BulkCommands::Cascade() { Arrange(kCascade); }
void BulkCommands::TileHorizontal() { Arrange(kTileHorizontal); }
void BulkCommands::TileVertical() { Arrange(kTileVertical); }

}  // namespace shell
