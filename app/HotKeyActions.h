#pragma once
// The six global hotkeys of the main window: registered at start-up, and on WM_HOTKEY a rebuild
// of the list followed by the hotkey variant of one bulk command on the listed windows.
#include <windows.h>

#include <vector>

#include "catalogue/Catalogue.h"
#include "platform/system/Hotkeys.h"
#include "ui/Control.h"
#include "shell/BulkCommands.h"

namespace app {

class HotKeyActions {
 public:
  // `repainted` are the controls the list's rebuild can leave unpainted.
  HotKeyActions(HWND window, catalogue::Catalogue& windowList, shell::BulkCommands& bulk,
                std::vector<ui::Control*> repainted)
      : keys_(window), windowList_(windowList), bulk_(bulk), repainted_(std::move(repainted)) {}

  // The default combinations; one another program holds stays unregistered, with a line in the
  // debug log.
  void RegisterDefaults();
  void Dispatch(WPARAM id);
  platform::GlobalHotKeys& Keys() noexcept { return keys_; }

 private:
  platform::GlobalHotKeys keys_;
  catalogue::Catalogue& windowList_;
  shell::BulkCommands& bulk_;
  std::vector<ui::Control*> repainted_;
};

}  // namespace app
