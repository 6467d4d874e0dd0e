#pragma once
// Keys synthesised with SendInput, as the user's keyboard would send them to the focused window.
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace testsupport {

// Key events for `keys` in the order given: downs, or ups with KEYEVENTF_KEYUP.
inline std::vector<INPUT> KeyInputs(const std::vector<WORD>& keys, DWORD flags) {
  std::vector<INPUT> inputs;
  for (WORD k : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = k;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  }
  return inputs;
}

inline void SendInputs(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Presses the held keys in order, then `key`, then releases everything in reverse order.
inline void PressChord(std::initializer_list<WORD> held, WORD key) {
  std::vector<WORD> keys(held);
  keys.push_back(key);
  std::vector<INPUT> inputs = KeyInputs(keys, 0);
  const std::vector<INPUT> ups = KeyInputs({keys.rbegin(), keys.rend()}, KEYEVENTF_KEYUP);
  inputs.insert(inputs.end(), ups.begin(), ups.end());
  SendInputs(inputs);
}

}  // namespace testsupport
