#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/system/Session.h"

namespace testsupport {

// Test double for the session: records what the program asked for and does none of it.
class RecordingSession final : public platform::Session {
 public:
  RecordingSession() { platform::SetSession(this); }
  ~RecordingSession() override { platform::SetSession(nullptr); }
  RecordingSession(const RecordingSession&) = delete;
  RecordingSession& operator=(const RecordingSession&) = delete;

  std::vector<std::pair<UINT, DWORD>> powerOffs;  // ExitWindowsEx flags, reason
  // What the system answers: success, or the error code of a refusal.
  DWORD powerOffRefusal = ERROR_SUCCESS;
  std::vector<std::pair<HWND, UINT>> terminations;  // application window, exit code

  platform::Outcome PowerOff(UINT flags, DWORD reason) override {
    powerOffs.emplace_back(flags, reason);
    return powerOffRefusal == ERROR_SUCCESS ? platform::Outcome::Success()
                                            : platform::Outcome::Failure(powerOffRefusal);
  }
  void TerminateOwnProcess(HWND applicationWindow, UINT exitCode) override {
    terminations.emplace_back(applicationWindow, exitCode);
  }
};

}  // namespace testsupport
