#pragma once
// The program's presence in the notification area: its icon and menu, hiding the main window in
// the tray and bringing it back.
#include "platform/UniqueHandle.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace app {

class TrayPresence {
 public:
  struct Controls {
    ui::Form& mainWindow;
    ui::TrayIcon& icon;
    ui::PopupMenu& menu;     // its first item ("MTT") sends the program to the tray and back
    ui::Button& iconToggle;  // "Hide TrayIcon" / "Show TrayIcon"
  };
  explicit TrayPresence(const Controls& controls) : c_(controls) {}

  void ShowIcon();  // the program's icon, once at start-up
  void HideIcon();  // when the program ends

  void MenuPopup();       // the first item names what it does now
  void MenuItemClick();   // "&Send Vantora to Tray" or "&Restore Vantora"
  void IconClick();       // hides a shown main window, shows a hidden one
  void MinimizeToTray();  // "Minimize To Tray"
  void ToggleIcon();      // "Hide TrayIcon" / "Show TrayIcon"

 private:
  bool MainWindowShown() const;
  void ShowMainWindow();
  void ShowBalloon();

  Controls c_;
  platform::UniqueIcon picture_;
};

}  // namespace app
