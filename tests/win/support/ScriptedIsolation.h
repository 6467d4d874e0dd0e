#pragma once
// Test double for what Wine never shows: the windows it names are cloaked, or belong to a program
// running with higher rights. Installs itself for its lifetime.
#include <windows.h>

#include <set>

#include "platform/windows/WindowIsolation.h"

namespace testsupport {

class ScriptedIsolation final : public platform::WindowIsolation {
 public:
  ScriptedIsolation() { platform::SetWindowIsolation(this); }
  ~ScriptedIsolation() override { platform::SetWindowIsolation(nullptr); }
  ScriptedIsolation(const ScriptedIsolation&) = delete;
  ScriptedIsolation& operator=(const ScriptedIsolation&) = delete;

  std::set<HWND> cloaked, higherRights;

  bool Cloaked(HWND window) override { return cloaked.count(window) > 0; }
  bool RunsWithHigherRights(HWND window) override { return higherRights.count(window) > 0; }
};

}  // namespace testsupport
