#pragma once
// Ending the program: the confirmed exit commands and the one exit sequence every way out takes.
#include "app/TrayPresence.h"

namespace app {

class ExitSequence {
 public:
  explicit ExitSequence(TrayPresence& tray) : tray_(tray) {}

  // "Exit Vantora" and the exit button: asks first.
  void ConfirmAndExit();
  // Ends the process with exit code 0; returns only when a test session stands in for the system.
  void Exit();

 private:
  TrayPresence& tray_;
};

}  // namespace app
