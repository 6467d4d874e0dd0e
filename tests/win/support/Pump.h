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

// Pumps the test's own messages until `done` or the time is up; whether `done` came true.
template <class Done>
bool PumpMessagesUntil(const Done& done, DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  while (!done()) {
    if (::GetTickCount64() >= end) return false;
    PumpFor(10);
  }
  return true;
}

}  // namespace testsupport
