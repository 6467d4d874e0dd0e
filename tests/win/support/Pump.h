#pragma once
// Lets the test's own windows run for a while: timers fire and posted messages arrive.
#include <windows.h>

namespace testsupport {

inline void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  do {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(5);
  } while (::GetTickCount64() < end);
}

}  // namespace testsupport
