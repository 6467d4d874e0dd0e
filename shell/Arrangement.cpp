// Cascade and tile, with the program's own geometry on every system: the listed windows are
// arranged, each in the work area of the monitor it is on, the windows of each monitor together.
// (The desktop's own CascadeWindows/TileWindows arrange windows the list does not hold, those of
// other virtual desktops too, and under Wine they move nothing.)
#include "shell/BulkCommands.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "platform/windows/Monitors.h"
#include "platform/windows/WindowArrangement.h"
#include "shell/portable/ArrangeGeometry.h"

namespace shell {

struct Arrangement {
  std::vector<vantora::Rect> (*layout)(HMONITOR monitor, const vantora::Rect& workArea, int count);
  // Cascade slots go to the back windows first, so the front window lands last, on top of the
  // others, and every caption stays visible; tiles follow the list from the front window.
  bool backWindowsFirst;
  const wchar_t* command;  // as "Undo" names it
};

namespace {

constexpr Arrangement kCascade{[](HMONITOR monitor, const vantora::Rect& work, int count) {
                                 return vantora::CascadeRects(work, count, platform::CascadeStep(monitor));
                               },
                               true, L"Cascade Windows"};
constexpr Arrangement kTileHorizontal{[](HMONITOR, const vantora::Rect& work, int count) {
                                        return vantora::TileRects(work, count, vantora::TileDirection::Horizontal);
                                      },
                                      false, L"Tile Windows Horizontal"};
constexpr Arrangement kTileVertical{[](HMONITOR, const vantora::Rect& work, int count) {
                                      return vantora::TileRects(work, count, vantora::TileDirection::Vertical);
                                    },
                                    false, L"Tile Windows Vertical"};

// The listed windows that are arranged, in list order, grouped by the monitor each is on: the
// enabled ones that are not minimized (disabled windows are skipped, as the system's own
// arrangement skips them).
std::vector<std::pair<HMONITOR, std::vector<HWND>>> WindowsByMonitor(std::span<const HWND> listed) {
  std::vector<std::pair<HMONITOR, std::vector<HWND>>> groups;
  for (HWND window : listed) {
    if (!::IsWindow(window) || !::IsWindowEnabled(window) || ::IsIconic(window)) continue;
    const HMONITOR monitor = platform::MonitorHandleOf(window);
    auto group = std::find_if(groups.begin(), groups.end(), [monitor](const auto& g) { return g.first == monitor; });
    if (group == groups.end()) group = groups.insert(groups.end(), {monitor, {}});
    group->second.push_back(window);
  }
  return groups;
}

void ArrangeOnMonitor(HMONITOR monitor, std::vector<HWND> windows, const Arrangement& arrangement) {
  if (arrangement.backWindowsFirst) std::reverse(windows.begin(), windows.end());
  const RECT work = platform::AreaOf(monitor).work;
  const auto rects =
      arrangement.layout(monitor, {work.left, work.top, work.right, work.bottom}, static_cast<int>(windows.size()));
  for (size_t i = 0; i < windows.size(); ++i)
    platform::LogIfFailed(
        L"Placing a listed window",
        platform::PlaceWindow(windows[i], RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom}));
}

void ArrangeAll(std::span<const HWND> windows, const Arrangement& arrangement) {
  for (auto& group : WindowsByMonitor(windows)) ArrangeOnMonitor(group.first, std::move(group.second), arrangement);
}

}  // namespace

void BulkCommands::Arrange(const Arrangement& arrangement) {
  const auto raiseMainWindow = [this] {
    platform::LogIfFailed(L"Raising the main window", platform::RaiseToTop(form_.Handle()));
  };
  raiseMainWindow();
  const std::vector<HWND> windows = catalogue_.Windows();
  catalogue_.History().Record(arrangement.command, windows);
  ArrangeAll(windows, arrangement);
  raiseMainWindow();
}

void BulkCommands::ArrangeEach(std::span<const HWND> windows, Layout layout) {
  switch (layout) {
    case Layout::Cascade: ArrangeAll(windows, kCascade); break;
    case Layout::TileHorizontal: ArrangeAll(windows, kTileHorizontal); break;
    case Layout::TileVertical: ArrangeAll(windows, kTileVertical); break;
  }
}

void BulkCommands::Cascade() { Arrange(kCascade); }
void BulkCommands::TileHorizontal() { Arrange(kTileHorizontal); }
void BulkCommands::TileVertical() { Arrange(kTileVertical); }

}  // namespace shell
