#pragma once
// The "Change/Replace Executable Icon:" panel: pick an executable, see and save its icon, load
// an icon file, and write its first image into the executable.
#include <string>

#include "ui/Controls.h"
#include "ui/FileDialog.h"
#include "ui/Image.h"

namespace icons {

class ExeIconPanel {
 public:
  struct Controls {
    ui::Edit& Edit4;
    ui::Image& Image4;
    ui::Image& Image5;
    ui::Image& Image6;  // the placeholder picture
    ui::Button& Button35;
    ui::Button& Button36;
    ui::Button& Button37;
    ui::FileDialog& OpenDialog1;
    ui::FileDialog& OpenPictureDialog1;
    ui::FileDialog& SavePictureDialog1;
  };
  explicit ExeIconPanel(const Controls& controls) : c_(controls) {}

  void Button34Click();  // "Browse..."
  void Button35Click();  // "Save To File"
  void Button36Click();  // "Load"
  void Button37Click();  // "Change"

 private:
  Controls c_;
  std::wstring newExeIconFile_;  // the icon file "Change" writes from
};

}  // namespace icons
