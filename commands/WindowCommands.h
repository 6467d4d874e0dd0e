#pragma once
// The commands on the selected window of the list. Each looks the window up when it runs and
// does nothing while no row is selected; the state the user sees afterwards (title, check mark,
// toggle captions) is read back from the window by the next selection update.
#include "catalogue/Catalogue.h"
#include "ui/Controls.h"

namespace commands {

struct WindowCommandControls {
  ui::Edit& title;
  ui::TrackBar& opacity;
  ui::Label& opacityCaption;
  ui::CheckBox& stayOnTop;
  ui::Button& enableToggle;
  ui::Button& closeButtonToggle;
};

class WindowCommands {
 public:
  WindowCommands(catalogue::Catalogue& catalogue, WindowCommandControls controls)
      : catalogue_(catalogue), c_(controls) {}

  void SetTitleFromEdit();  // "Update Text", and Enter in the title box
  void TitleKeyUp(const ui::KeyEvent& key);
  void ShowSelected(int showCommand);  // "Maximize", "Minimize", "Restore"
  void CloseSelected();
  void BringSelectedToFront();
  void ApplyOpacity();
  void ApplyStayOnTop();
  void ToggleEnabled();
  void ToggleCloseButton();

 private:
  catalogue::Catalogue& catalogue_;
  WindowCommandControls c_;
};

}  // namespace commands
