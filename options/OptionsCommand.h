#pragma once
// The main window's "Options && Hotkeys" command: runs a fresh options dialog each time, waits for
// it while the rest of the program keeps working, and keeps what outlives the dialog: the
// hotkey controls' last combinations.
#include <array>

#include "options/VantoraOptions.h"
#include "ui/portable/HotKeyCodes.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace options {

class OptionsCommand {
 public:
  // `openButton` is disabled while a dialog is open.
  OptionsCommand(const OptionsLinks& links, ui::Button& openButton) : links_(links), openButton_(openButton) {}
  OptionsCommand(const OptionsCommand&) = delete;
  OptionsCommand& operator=(const OptionsCommand&) = delete;

  // The button's click: only one dialog exists at a time.
  void OpenFromButton();
  // Creates the dialog, shows it without modality and waits until "Ok" or "Cancel" closes it;
  // then takes the period (after "Ok" only) and remembers the hotkey controls, and destroys it.
  void RunOptionsDialog();
  void RefocusMainSliders() const { options::RefocusMainSliders(links_); }

  // The six hotkey controls' values when a dialog last closed; valid once HotKeysRemembered.
  std::array<ui::ShortCut, 6> HotKeyShortCuts{};
  bool HotKeysRemembered = false;

 private:
  OptionsLinks links_;
  ui::Button& openButton_;
};

}  // namespace options
