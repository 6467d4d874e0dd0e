#pragma once
// The two screenshot commands: the selected window, and the monitor that holds the main window.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/FileDialog.h"
#include "ui/Form.h"

namespace icons {

// Restores and raises the window and saves its picture to the file (replaced whole); throws a
// std::runtime_error with the user's sentence when no picture was taken or saved.
void SaveWindowScreenshot(HWND window, const std::wstring& path);

// Saves a picture of the monitor's whole area (screen coordinates) to the file, as above.
void SaveScreenScreenshot(const RECT& monitor, const std::wstring& path);

class Screenshots {
 public:
  struct Links {
    ui::Form& mainForm;
    ui::FileDialog& savePictureDialog;
    std::function<HWND()> selectedWindow;
    std::function<void(HWND, int fromPercent, int toPercent)> fadeWindow;
  };
  explicit Screenshots(Links links) : links_(std::move(links)) {}

  void ScreenshotWindowClick();  // "Take ScreenShot of Selected Window"
  void ScreenshotScreenClick();  // "Take ScreenShot of Full Screen"

 private:
  void BringProgramBack();
  Links links_;
};

}  // namespace icons
