#pragma once
// The commands on the selected window of the list. Each looks the window up when it runs and
// does nothing while no row is selected; the state the user sees afterwards (title, check mark,
// toggle captions) is read back from the window by the next selection update.
#include <string>

#include "catalogue/Catalogue.h"
#include "platform/Error.h"
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

  // The same commands on one given window (the command line's), as the buttons run them.
  static platform::Outcome SetTitle(HWND window, const std::wstring& text);
  static platform::Outcome Show(HWND window, int showCommand);
  static platform::Outcome Close(HWND window);
  static platform::Outcome BringToFront(HWND window);
  static platform::Outcome SetOpacity(HWND window, int percent);
  static platform::Outcome SetStayOnTop(HWND window, bool onTop);
  static platform::Outcome SetEnabled(HWND window, bool enabled);
  static platform::Outcome SetCloseButton(HWND window, bool enabled);
  // Gives the window's visible frame this rectangle (screen coordinates), as "Resize Window" does.
  static platform::Outcome Place(HWND window, const RECT& rect);

 private:
  void Remember(const std::wstring& command, HWND window,
                catalogue::UndoHistory::Kind kind = catalogue::UndoHistory::Kind::Single);

  catalogue::Catalogue& catalogue_;
  WindowCommandControls c_;
};

}  // namespace commands
