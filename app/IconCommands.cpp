// The main window's icon and screenshot commands, which the icons room carries out: what they
// are given of the window, and which control event runs which.
#include "app/VantoraMain.h"
#include "ui/WindowFade.h"

icons::WindowIconPanel::Controls TForm6::WindowIconControls() {
  return {Image1,   Image2,     Image3,     RadioButton1,       Button11,
          Button12, PopupMenu2, PopupMenu3, SavePictureDialog1, OpenPictureDialog1};
}

icons::SelectionLink TForm6::IconSelectionLink() {
  return {[this] { return SelectedWindow(); },
          [this](HWND window, bool large) { return windowList.CopyWindowIcon(window, large); },
          [this] { UpdateSelectionState(); }, [this](bool loaded) { windowList.SetNewIconLoaded(loaded); }};
}

icons::Screenshots::Links TForm6::ScreenshotLinks() {
  return {*this, SavePictureDialog1, [this] { return SelectedWindow(); },
          [](HWND window, int from, int to) { ui::FadeWindow(window, from, to); }};
}

icons::ExeIconPanel::Controls TForm6::ExeIconControls() {
  return {
      Edit4, Image4, Image5, Image6, Button35, Button36, Button37, OpenDialog1, OpenPictureDialog1, SavePictureDialog1};
}

void TForm6::BindIcons() {
  Image1.OnMouseDown = [this](ui::MouseButton button, int, int) { Image1MouseDown(button); };
  Image2.OnMouseDown = [this](ui::MouseButton button, int, int) { Image2MouseDown(button); };
  PopupMenu2.Item(L"SaveToFile1").OnClick = [this] { SaveToFile1Click(); };
  PopupMenu3.Item(L"MenuItem1").OnClick = [this] { MenuItem1Click(); };
  Button8.OnClick = [this] { Button8Click(); };
  Button10.OnClick = [this] { Button10Click(); };
  Button12.OnClick = [this] { Button12Click(); };
  Button11.OnClick = [this] { Button11Click(); };
  Button14.OnClick = [this] { Button14Click(); };
  Button20.OnClick = [this] { Button20Click(); };
  Button34.OnClick = [this] { Button34Click(); };
  Button35.OnClick = [this] { Button35Click(); };
  Button36.OnClick = [this] { Button36Click(); };
  Button37.OnClick = [this] { Button37Click(); };
  SavePictureDialog1.OnTypeChange = [this](const std::wstring& entered, int filterIndex) {
    return SavePictureDialog1TypeChange(entered, filterIndex);
  };
}
