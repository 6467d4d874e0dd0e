#pragma once
// The commands on the selected window of the list. Each looks the window up when it runs and
// does nothing while no row is selected; the state the user sees afterwards (title, check mark,
// toggle captions) is read back from the window by the next selection update.
#include <string>

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
  // "Move Onto This Monitor": the selected window into the monitor's work area.
  void MoveSelectedOnto(HMONITOR monitor);
  // "Gather Off-Screen Windows": every shown window that lies on no monitor, into its work area.
  void GatherOffScreen(HMONITOR monitor);
  // "Undo" and Ctrl+Z: the last command on other programs' windows, whoever ran it.
  void UndoLast();
  static constexpr const wchar_t* kCannotReopen = L"A Closed Window Cannot Be Reopened";

 private:
  void Remember(const std::wstring& command, HWND window,
                catalogue::UndoHistory::Kind kind = catalogue::UndoHistory::Kind::Single);

  catalogue::Catalogue& catalogue_;
  WindowCommandControls c_;
};

}  // namespace commands
