#pragma once
// The "Window Icon:" panel: the selected window's large and small icons, saving either to a
// file, and installing a loaded icon file as the window's icon.
#include <windows.h>

#include <functional>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/FileDialog.h"
#include "ui/Image.h"

namespace icons {

// What the panel needs from the window list.
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
    ui::Image& Image1;
    ui::Image& Image2;
    ui::Image& Image3;
    ui::RadioButton& RadioButton1;
    ui::Button& Button11;
    ui::Button& Button12;
    ui::PopupMenu& PopupMenu2;
    ui::PopupMenu& PopupMenu3;
    ui::FileDialog& SavePictureDialog1;
    ui::FileDialog& OpenPictureDialog1;
  };
  WindowIconPanel(const Controls& controls, SelectionLink selection);

  void Image1MouseDown(ui::MouseButton button);
  void Image2MouseDown(ui::MouseButton button);
  void SaveToFile1Click();
  void MenuItem1Click();
  void Button8Click();
  void Button10Click();
  void Button12Click();
  void Button11Click();
  std::wstring SavePictureDialog1TypeChange(const std::wstring& entered, int filterIndex);

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
