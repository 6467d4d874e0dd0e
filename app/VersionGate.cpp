#include "app/VersionGate.h"

#include <windows.h>

#include <string>

#include "app/portable/VersionTable.h"

std::string_view ProbeWindowsVersion() {
  const HMODULE kernel = ::GetModuleHandleW(L"kernel32");
  return vantora::VersionFromExports([kernel](std::string_view name) {
    return kernel && ::GetProcAddress(kernel, std::string(name).c_str()) != nullptr;
  });
}
