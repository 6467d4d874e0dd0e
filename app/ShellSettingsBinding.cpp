// The main window's taskbar and desktop toggles and system settings: the work is done in
// shell/, each handler hands over.
#include "app/VantoraMain.h"

using shell::ShellWindow;

void TForm6::BindShellSettings() {
  Button27.OnClick = [this] { Button27Click(); };
  Button24.OnClick = [this] { Button24Click(); };
  Button25.OnClick = [this] { Button25Click(); };
  Button26.OnClick = [this] { Button26Click(); };
  TrackBar3.OnChange = [this] { TrackBar3Change(); };
  Button29.OnClick = [this] { Button29Click(); };
  Button30.OnClick = [this] { Button30Click(); };
  Button32.OnClick = [this] { Button32Click(); };
  Button31.OnClick = [this] { Button31Click(); };
  Button33.OnClick = [this] { Button33Click(); };
  s.OnClick = [this] { sClick(); };
  Button28.OnClick = [this] { Button28Click(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  sBitBtn5.OnClick = [this] { sBitBtn5Click(); };
  sBitBtn7.OnClick = [this] { sBitBtn7Click(); };
  PopupMenu1.Item(L"ShutdownPC1").OnClick = [this] { ShutdownPC1Click(); };
}

void TForm6::Button27Click() { shellToggles_.Toggle(ShellWindow::Taskbar); }
void TForm6::Button24Click() { shellToggles_.Toggle(ShellWindow::TaskbarItems); }
void TForm6::Button25Click() { shellToggles_.Toggle(ShellWindow::TaskbarClock); }
void TForm6::Button26Click() { shellToggles_.Toggle(ShellWindow::DesktopIcons); }
void TForm6::TrackBar3Change() { shellToggles_.ApplyTaskbarOpacity(); }
void TForm6::Button29Click() { systemSettings_.BrowseWallpaper(); }
void TForm6::Button30Click() { systemSettings_.ApplyWallpaper(); }
void TForm6::Button32Click() { systemSettings_.WriteBrowserTitle(); }
void TForm6::Button31Click() { systemSettings_.ReadBrowserTitle(); }
void TForm6::Button33Click() { shell::SystemSettings::SwapMouseButtons(true); }
void TForm6::sClick() { shell::SystemSettings::SwapMouseButtons(false); }
void TForm6::Button28Click() { systemSettings_.ToggleClipboardBlocker(); }
void TForm6::Timer1Timer() { systemSettings_.ClipboardTick(); }
void TForm6::sBitBtn5Click() { systemSettings_.ToggleStartWithWindows(); }
void TForm6::sBitBtn7Click() { shell::SystemSettings::ShutdownPC(); }
void TForm6::ShutdownPC1Click() { shell::SystemSettings::ShutdownPC(); }
