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
    ui::Edit& exeFile;
    ui::Image& exeOldIcon;
    ui::Image& exeNewIcon;
    ui::Image& placeholderPicture;  // the placeholder picture
    ui::Button& saveExeIcon;
    ui::Button& loadExeIcon;
    ui::Button& exeIconChange;
    ui::FileDialog& openProgramDialog;
    ui::FileDialog& openIconDialog;
    ui::FileDialog& savePictureDialog;
  };
  explicit ExeIconPanel(const Controls& controls) : c_(controls) {}

  void BrowseExeClick();      // "Browse..."
  void SaveExeIconClick();    // "Save To File"
  void LoadExeIconClick();    // "Load"
  void ChangeExeIconClick();  // "Change"

 private:
  Controls c_;
  std::wstring newExeIconFile_;  // the icon file "Change" writes from
};

}  // namespace icons
