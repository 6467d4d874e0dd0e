#include "platform/Wine.h"

#include <windows.h>

namespace platform {

bool RunningOnWine() {
  static const bool onWine = [] {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return onWine;
}

}  // namespace platform
