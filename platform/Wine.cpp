#include "platform/Wine.h"

#include "platform/SystemFunctions.h"

namespace platform {

bool RunningOnWine() {
  static const bool onWine = SystemFunctionAddress(L"ntdll.dll", "wine_get_version") != nullptr;
  return onWine;
}

}  // namespace platform
