#pragma once
// The way back from the last commands on other programs' windows: before a command changes
// windows, their states are kept; "Undo" puts back those of the last command. Kept in memory
// only, for the last kDepth commands, whoever ran them (buttons, menu, hotkeys, command line).
#include <windows.h>

#include <deque>
#include <span>
#include <string>
#include <vector>

#include "platform/windows/WindowSnapshot.h"

namespace catalogue {

class UndoHistory {
 public:
  static constexpr size_t kDepth = 20;
  // `continuing`: a change that goes on (a slider dragged) is one command with the one before
  // it when that was the same command on the same windows.
  enum class Kind { Single, Continuing };

  // Before `command` changes `windows`: their states as they are now.
  void Record(const std::wstring& command, std::span<const HWND> windows, Kind kind = Kind::Single);
  bool Empty() const noexcept { return entries_.empty(); }
  // The command the next undo takes back; empty when there is none.
  std::wstring NextCommand() const { return entries_.empty() ? std::wstring() : entries_.back().command; }

  struct Result {
    std::wstring command;
    size_t restored = 0;
    size_t closed = 0;  // windows gone since, skipped: a closed window cannot be reopened
  };
  // Puts back what the last command changed on each window it touched that still exists.
  Result Undo();

 private:
  struct Entry {
    std::wstring command;
    std::vector<platform::WindowSnapshot> windows;
  };
  std::deque<Entry> entries_;
};

}  // namespace catalogue
