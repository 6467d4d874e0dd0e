#include "platform/system/KeyboardHook.h"

namespace platform {

UniqueHook InstallThreadKeyboardHook(HOOKPROC procedure) {
  return UniqueHook(::SetWindowsHookExW(WH_KEYBOARD, procedure, ::GetModuleHandleW(nullptr), ::GetCurrentThreadId()));
}

}  // namespace platform
