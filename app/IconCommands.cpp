// The main window's icon and screenshot commands, which the icons room carries out: what they
// are given of the window, and which control event runs which.
#include "app/VantoraMain.h"
#include "ui/WindowFade.h"

icons::WindowIconPanel::Controls TForm6::WindowIconControls() {
  return {largeIcon,       smallIcon,     newIcon,       saveLargeIcon,     changeSmallIcon,
          changeLargeIcon, largeIconMenu, smallIconMenu, savePictureDialog, openIconDialog};
}

icons::SelectionLink TForm6::IconSelectionLink() {
  return {[this] { return SelectedWindow(); },
          [this](HWND window, bool large) { return windowList.CopyWindowIcon(window, large); },
          [this] { UpdateSelectionState(); }, [this](bool loaded) { windowList.SetNewIconLoaded(loaded); }};
}

icons::Screenshots::Links TForm6::ScreenshotLinks() {
  return {*this, savePictureDialog, [this] { return SelectedWindow(); },
          [](HWND window, int from, int to) { ui::FadeWindow(window, from, to); }};
}

icons::ExeIconPanel::Controls TForm6::ExeIconControls() {
  return {exeFile,     exeOldIcon,    exeNewIcon,        placeholderPicture, saveExeIcon,
          loadExeIcon, exeIconChange, openProgramDialog, openIconDialog,     savePictureDialog};
}

void TForm6::BindIcons() {
  largeIcon.OnMouseDown = [this](ui::MouseButton button, int, int) { LargeIconMouseDown(button); };
  smallIcon.OnMouseDown = [this](ui::MouseButton button, int, int) { SmallIconMouseDown(button); };
  largeIconMenu.Item(L"SaveToFile1").OnClick = [this] { SaveLargeIconAsClick(); };
  smallIconMenu.Item(L"MenuItem1").OnClick = [this] { SaveSmallIconAsClick(); };
  saveWindowIcon.OnClick = [this] { SaveWindowIconClick(); };
  loadIcon.OnClick = [this] { LoadIconClick(); };
  changeLargeIcon.OnClick = [this] { ChangeLargeIconClick(); };
  changeSmallIcon.OnClick = [this] { ChangeSmallIconClick(); };
  screenshotWindow.OnClick = [this] { ScreenshotWindowClick(); };
  screenshotScreen.OnClick = [this] { ScreenshotScreenClick(); };
  browseExe.OnClick = [this] { BrowseExeClick(); };
  saveExeIcon.OnClick = [this] { SaveExeIconClick(); };
  loadExeIcon.OnClick = [this] { LoadExeIconClick(); };
  exeIconChange.OnClick = [this] { ChangeExeIconClick(); };
  savePictureDialog.OnTypeChange = [this](const std::wstring& entered, int filterIndex) {
    return SavePictureTypeChange(entered, filterIndex);
  };
}
