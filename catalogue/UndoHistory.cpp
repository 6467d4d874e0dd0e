#include "catalogue/UndoHistory.h"

#include <algorithm>

namespace catalogue {

void UndoHistory::Record(const std::wstring& command, std::span<const HWND> windows, Kind kind) {
  if (kind == Kind::Continuing && !entries_.empty() && entries_.back().command == command &&
      std::ranges::equal(entries_.back().windows, windows,
                         [](const platform::WindowSnapshot& kept, HWND window) { return kept.window == window; }))
    return;
  Entry entry{command, {}};
  for (HWND window : windows)
    if (auto snapshot = platform::TakeSnapshot(window)) entry.windows.push_back(std::move(*snapshot));
  if (entry.windows.empty()) return;
  entries_.push_back(std::move(entry));
  if (entries_.size() > kDepth) entries_.pop_front();
}

UndoHistory::Result UndoHistory::Undo() {
  Result result;
  if (entries_.empty()) return result;
  Entry entry = std::move(entries_.back());
  entries_.pop_back();
  result.command = entry.command;
  for (const platform::WindowSnapshot& snapshot : entry.windows) {
    if (!::IsWindow(snapshot.window)) {
      ++result.closed;
      continue;
    }
    platform::LogIfFailed(L"Putting a window back as it was", platform::RestoreSnapshot(snapshot));
    ++result.restored;
  }
  return result;
}

}  // namespace catalogue
