#pragma once
// What makes a top-level window a row of the window list, as far as it can be told without
// asking the system.
#include <string_view>

namespace vantora {

// Title buffer sizes: a row shows at most 510 characters, the title box 1022.
inline constexpr int kRowTitleBuffer = 512;
inline constexpr int kEditTitleBuffer = 1024;

// A listed window has a title, and not the one of the shell's own desktop.
bool IsListedTitle(std::wstring_view title);

// Under Wine the notification area is a titled top-level window of its own, shown while it holds
// an icon. It is part of the shell, as the taskbar is on Windows, and is never listed there.
inline constexpr std::wstring_view kWineTrayClass = L"__winex11_standalone_tray";

}  // namespace vantora
