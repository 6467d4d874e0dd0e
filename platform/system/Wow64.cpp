#include "platform/system/Wow64.h"

#include <windows.h>

#include "platform/system/SystemFunctions.h"

namespace platform {
namespace {

bool AskSystem() {
  // Windows 10 1511 and later name the machine the process runs as; older systems only say yes
  // or no.
  using IsWow64Process2Fn = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
  static const auto isWow64Process2 = SystemFunction<IsWow64Process2Fn>(L"kernel32.dll", "IsWow64Process2");
  if (isWow64Process2) {
    USHORT processMachine = IMAGE_FILE_MACHINE_UNKNOWN, nativeMachine = IMAGE_FILE_MACHINE_UNKNOWN;
    if (isWow64Process2(::GetCurrentProcess(), &processMachine, &nativeMachine))
      return processMachine != IMAGE_FILE_MACHINE_UNKNOWN;
  }
  BOOL wow64 = FALSE;
  return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

bool RunsUnderWow64() {
  static const bool wow64 = AskSystem();
  return wow64;
}

}  // namespace platform
