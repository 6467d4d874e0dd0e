#include "app/VersionGate.h"

#include <string>

#include "app/portable/VersionTable.h"
#include "platform/system/SystemFunctions.h"

std::string_view ProbeWindowsVersion() {
  return vantora::VersionFromExports([](std::string_view name) {
    return platform::SystemFunctionAddress(L"kernel32", std::string(name).c_str()) != nullptr;
  });
}
