#pragma once
// What the desktop window manager says of a top-level window: whether it is cloaked (kept but not
// shown: another virtual desktop, a suspended Store app), and where its visible frame lies.
// dwmapi is looked up while running, so the program still starts where it is missing; Wine
// answers few of these attributes, and every caller then keeps what the window itself reports.
#include <windows.h>

#include <optional>

namespace platform {

// DwmGetWindowAttribute into `value` of `size` bytes; false where the library, the function or
// the attribute is missing or the window has gone.
bool ReadWindowManagerAttribute(HWND window, DWORD attribute, void* value, DWORD size);

// Whether the window manager animates the window as it is shown, hidden, minimized or restored
// (DWMWA_TRANSITIONS_FORCEDISABLED); false where that cannot be set.
bool SetWindowTransitions(HWND window, bool animated);

template <class T>
std::optional<T> WindowManagerAttribute(HWND window, DWORD attribute) {
  T value{};
  if (!ReadWindowManagerAttribute(window, attribute, &value, sizeof value)) return std::nullopt;
  return value;
}

}  // namespace platform
