#pragma once
// The "Window Icon:" panel: the selected window's large and small icons, saving either to a
// file, and installing a loaded icon file as the window's icon.
#include <windows.h>

#include <string>

#include <functional>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/FileDialog.h"
#include "ui/Image.h"

namespace icons {

// What the panel needs from the window list.
// Saves a window's icon as "Save Window Icon To File" does: large at the system's size, small at 16.
void ExportWindowIcon(HICON icon, bool large, const std::wstring& path);

struct SelectionLink {
  std::function<HWND()> selectedWindow;  // null when the list is empty or nothing is selected
  std::function<platform::UniqueIcon(HWND, bool large)> copyWindowIcon;  // the list's icon rule
  std::function<void()> updateSelectionState;
  // Tells the list's selection update whether a new icon is loaded, so it enables the "Change" buttons.
  std::function<void(bool loaded)> setNewIconLoaded;
};

class WindowIconPanel {
 public:
  struct Controls {
    ui::Image& largeIcon;
    ui::Image& smallIcon;
    ui::Image& newIcon;
    ui::RadioButton& saveLargeIcon;
    ui::Button& changeSmallIcon;
    ui::Button& changeLargeIcon;
    ui::PopupMenu& largeIconMenu;
    ui::PopupMenu& smallIconMenu;
    ui::FileDialog& savePictureDialog;
    ui::FileDialog& openIconDialog;
  };
  WindowIconPanel(const Controls& controls, SelectionLink selection);

  void LargeIconMouseDown(ui::MouseButton button);
  void SmallIconMouseDown(ui::MouseButton button);
  void SaveLargeIconAsClick();
  void SaveSmallIconAsClick();
  void SaveWindowIconClick();
  void LoadIconClick();
  void ChangeLargeIconClick();
  void ChangeSmallIconClick();
  std::wstring SavePictureTypeChange(const std::wstring& entered, int filterIndex);

 private:
  void OpenIconMenu(ui::MouseButton button, bool large, ui::PopupMenu& menu);
  void RefuseNewIcon();
  void SendNewIcon(WPARAM kind);

  Controls c_;
  SelectionLink selection_;
  // The loaded icon that "Change" hands to windows. Once handed out it is kept until the program
  // ends, even after another file is loaded: those windows may still draw it.
  platform::UniqueIcon newIcon_;
  bool newIconHandedOut_ = false;
  std::vector<platform::UniqueIcon> handedOut_;
};

}  // namespace icons
