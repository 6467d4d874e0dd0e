#pragma once
// What the program's commands change on another program's window, read before a command so
// that it can be put back: place and size, show state, opacity, stay on top, enabled, close
// button and title.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Error.h"

namespace platform {

struct WindowSnapshot {
  HWND window = nullptr;
  WINDOWPLACEMENT placement{};
  std::optional<BYTE> alpha;  // none while the window is not layered with a constant alpha
  bool topmost = false, enabled = true, closeButton = true;
  std::wstring title;
};

// nullopt when the window has gone.
std::optional<WindowSnapshot> TakeSnapshot(HWND window);

// Puts back each state that differs from the snapshot, and nothing else. The window must still
// exist (ERROR_INVALID_WINDOW_HANDLE otherwise).
[[nodiscard]] Outcome RestoreSnapshot(const WindowSnapshot& snapshot);

}  // namespace platform
