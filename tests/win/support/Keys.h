#pragma once
// Keys synthesised with SendInput, as the user's keyboard would send them to the focused window.
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace testsupport {

// Presses the held keys in order, then `key`, then releases everything in reverse order.
inline void PressChord(std::initializer_list<WORD> held, WORD key) {
  std::vector<WORD> keys(held);
  keys.push_back(key);
  std::vector<INPUT> inputs;
  for (WORD k : keys) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = k;
    inputs.push_back(down);
  }
  for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
    INPUT up{};
    up.type = INPUT_KEYBOARD;
    up.ki.wVk = *k;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(up);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace testsupport
