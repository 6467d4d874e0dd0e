#pragma once
// The window classes by which the program knows the shell's own windows.
#include <string_view>

namespace vantora {

inline constexpr std::wstring_view kTaskbarClass = L"Shell_TrayWnd";

// The Start button of Windows Vista and 7 is a top-level window of its own: a window of the
// generic button class owned by the taskbar. It is told by that, not by its title, which reads
// "Start" only in English.
inline constexpr std::wstring_view kStartButtonClass = L"Button";
inline constexpr std::wstring_view kStartButtonOwnerClass = kTaskbarClass;

}  // namespace vantora
