#pragma once
// A keyboard hook on the calling thread only: it sees the keys our own windows receive.
#include <windows.h>

#include "platform/UniqueHandle.h"

namespace platform {

// SetWindowsHookExW(WH_KEYBOARD, procedure, our module, GetCurrentThreadId()); empty on failure.
UniqueHook InstallThreadKeyboardHook(HOOKPROC procedure);

}  // namespace platform
