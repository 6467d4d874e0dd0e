#pragma once
// The two dialogs of the per-window commands: the resize screen ("Resize Window") and the
// information dialog ("Window Info"). Each is created on demand, shown without modality and
// waited for while the program's messages keep running (timers, hotkeys, the tray icon), then
// destroyed. The open ones are found through their classes (ui::OpenInstance).
#include <windows.h>

#include <memory>
#include <vector>

#include "catalogue/Catalogue.h"
#include "commands/VantoraInfo.h"
#include "commands/VantoraResize.h"
#include "ui/Form.h"
#include "ui/ListView.h"

namespace commands {

class WindowDialogs {
 public:
  WindowDialogs(ui::Form& mainWindow, catalogue::Catalogue& catalogue, ui::ListView& list);
  WindowDialogs(const WindowDialogs&) = delete;
  WindowDialogs& operator=(const WindowDialogs&) = delete;
  ~WindowDialogs();

  // "Resize Window": rebuilds the list and runs the resize screen on the selected window.
  void ResizeSelected();
  // False when the window is minimized or has no width or height, and nothing was shown; true
  // once the screen has been shown and ended, applied or cancelled.
  bool RunResizeScreen(HWND window);

  // "Window Info": shows the selected window's properties until "Done". A dialog the system
  // refuses to create is reported with its reason (std::runtime_error).
  void ShowSelectedInfo();
  // Pressed again while the dialog is open, it only changes the window shown by the next
  // "Refresh"; one "Done" ends every wait.
  void ShowWindowInfo(HWND window);

  // A copy of the list's windows taken by each resize run: "Apply" picks its target here at
  // the list's selected row, whatever rebuilt the list meanwhile.
  std::vector<HWND> ResizeHandles;
  HWND InfoTarget = nullptr;  // the window the information dialog shows

  TForm7* ResizeScreen() const { return resizeScreen_.get(); }
  TForm13* InfoDialog() const { return info_.get(); }

 private:
  TForm7& CreateResizeScreen();
  void DestroyResizeScreen();
  void DestroyInfoDialog();
  HWND ApplyTarget() const;

  ui::Form& mainWindow_;
  catalogue::Catalogue& catalogue_;
  ui::ListView& list_;
  std::unique_ptr<ui::Owned<TForm7>> resizeScreen_;
  std::unique_ptr<ui::Owned<TForm13>> info_;
  unsigned infoSerial_ = 0;  // counts information dialogs, so a wait knows whether its own still exists
};

}  // namespace commands
