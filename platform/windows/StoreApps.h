#pragma once
// A Store (packaged) app's window is a frame of the system's (class ApplicationFrameWindow) that
// hosts the app's own window and carries no icon of its own; the shell knows the app's picture by
// the app's id.
#include <windows.h>

#include <string_view>

#include "platform/UniqueHandle.h"

namespace platform {

inline constexpr std::wstring_view kStoreAppFrameClass = L"ApplicationFrameWindow";

// The shell's picture of the app whose frame `frame` is, `size` pixels square; empty when the
// frame names no app the shell knows, and before Windows 8, which has no such apps.
UniqueIcon StoreAppIcon(HWND frame, int size);

}  // namespace platform
