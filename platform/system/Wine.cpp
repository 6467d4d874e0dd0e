#include "platform/system/Wine.h"

#include "platform/system/SystemFunctions.h"

namespace platform {

bool RunningOnWine() {
  static const bool onWine = SystemFunctionAddress(L"ntdll.dll", "wine_get_version") != nullptr;
  return onWine;
}

}  // namespace platform
