#pragma once
// The main window: the list of other programs' windows and every command of the program. It
// reads as a table of controls (each built from its row of the layout table) and events; each
// event forwards to the subsystem that owns it.
#include <string>
#include <string_view>
#include <vector>

#include "app/ExitSequence.h"
#include "app/HotKeyActions.h"
#include "app/RefreshKeyHook.h"
#include "app/StartupSteps.h"
#include "app/TrayPresence.h"
#include "app/portable/MainLayout.h"
#include "catalogue/Catalogue.h"
#include "commands/WindowCommands.h"
#include "commands/WindowDialogs.h"
#include "options/OptionsCommand.h"
#include "shell/BulkCommands.h"
#include "icons/ExeIconPanel.h"
#include "icons/Screenshots.h"
#include "icons/WindowIconPanel.h"
#include "ui/Application.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/FileDialog.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ListView.h"
#include "ui/WindowFade.h"
#include "res/resource.h"
#include "shell/ShellToggles.h"
#include "shell/SystemSettings.h"
#include "skin/LookInstaller.h"
#include "skin/portable/SkinEngine.h"

class TForm6 : public ui::Form {
 public:
  explicit TForm6(const ui::FormKey& key);  // built as ui::Owned<TForm6>

  // Headings and separators
  ui::Label sLabel16{*this, vantora::MainRow("sLabel16")};
  ui::Label sLabel17{*this, vantora::MainRow("sLabel17")};
  ui::Bevel Bevel1{*this, vantora::MainRow("Bevel1")};
  ui::Bevel Bevel3{*this, vantora::MainRow("Bevel3")};
  ui::Image Image6{*this, vantora::MainRow("Image6")};

  // Left half: window list and per-window commands
  ui::ListView ListView1{*this, vantora::MainRow("ListView1"), {{L"Open Windows:", 550}}};
  ui::Button Button13{*this, vantora::MainRow("Button13")};
  ui::Panel sPanel3{*this, vantora::MainRow("sPanel3")};
  ui::Label sLabel18{*this, vantora::MainRow("sLabel18")};
  ui::Edit Edit1{*this, vantora::MainRow("Edit1")};
  ui::Button Button1{*this, vantora::MainRow("Button1")};
  ui::Button Button3{*this, vantora::MainRow("Button3")};
  ui::Button Button4{*this, vantora::MainRow("Button4")};
  ui::Button Button16{*this, vantora::MainRow("Button16")};
  ui::Button Button5{*this, vantora::MainRow("Button5")};
  ui::Button Button6{*this, vantora::MainRow("Button6")};
  ui::Button Button7{*this, vantora::MainRow("Button7")};

  ui::Panel sPanel4{*this, vantora::MainRow("sPanel4")};
  ui::Label sLabel19{*this, vantora::MainRow("sLabel19")};
  ui::Label sLabel6{*this, vantora::MainRow("sLabel6")};
  ui::Label sLabel8{*this, vantora::MainRow("sLabel8")};
  ui::Label sLabel7{*this, vantora::MainRow("sLabel7")};
  ui::Image Image1{*this, vantora::MainRow("Image1")};
  ui::Image Image2{*this, vantora::MainRow("Image2")};
  ui::Image Image3{*this, vantora::MainRow("Image3")};
  ui::Bevel Bevel2{*this, vantora::MainRow("Bevel2")};
  ui::RadioButton RadioButton1{*this, vantora::MainRow("RadioButton1"), true};
  ui::RadioButton RadioButton2{*this, vantora::MainRow("RadioButton2")};
  ui::Label sLabel4{*this, vantora::MainRow("sLabel4")};
  ui::Label sLabel5{*this, vantora::MainRow("sLabel5")};
  ui::Button Button12{*this, vantora::MainRow("Button12")};
  ui::Button Button11{*this, vantora::MainRow("Button11")};
  ui::Button Button10{*this, vantora::MainRow("Button10")};
  ui::Button Button8{*this, vantora::MainRow("Button8")};
  ui::Button Button9{*this, vantora::MainRow("Button9")};

  ui::Button Button14{*this, vantora::MainRow("Button14")};
  ui::Button Button20{*this, vantora::MainRow("Button20")};
  ui::Button Button15{*this, vantora::MainRow("Button15")};
  ui::Button Button17{*this, vantora::MainRow("Button17")};
  ui::Button Button22{*this, vantora::MainRow("Button22")};
  ui::Button Button18{*this, vantora::MainRow("Button18")};
  ui::Button Button19{*this, vantora::MainRow("Button19")};
  ui::Button Button23{*this, vantora::MainRow("Button23")};

  ui::Panel sPanel6{*this, vantora::MainRow("sPanel6")};
  ui::Label sLabel14{*this, vantora::MainRow("sLabel14")};
  ui::CheckBox CheckBox1{*this, vantora::MainRow("CheckBox1")};
  ui::Label SLabel39{*this, vantora::MainRow("SLabel39")};
  ui::TrackBar TrackBar1{*this, vantora::MainRow("TrackBar1"), 0, 100, 100, 2};
  ui::Label Label3{*this, vantora::MainRow("Label3")};
  ui::Button sButton1{*this, vantora::MainRow("sButton1")};
  ui::Button sButton25{*this, vantora::MainRow("sButton25")};
  ui::Button Button2{*this, vantora::MainRow("Button2")};

  // Right half: desktop and shell
  ui::Panel sPanel5{*this, vantora::MainRow("sPanel5")};
  ui::Label sLabel15{*this, vantora::MainRow("sLabel15")};
  ui::TrackBar TrackBar3{*this, vantora::MainRow("TrackBar3"), 1, 100, 100, 1};
  ui::Label sLabel12{*this, vantora::MainRow("sLabel12")};
  ui::Label sLabel13{*this, vantora::MainRow("sLabel13")};

  ui::Panel sPanel2{*this, vantora::MainRow("sPanel2")};
  ui::Label sLabel20{*this, vantora::MainRow("sLabel20")};
  ui::Label sLabel11{*this, vantora::MainRow("sLabel11")};
  ui::Edit Edit4{*this, vantora::MainRow("Edit4")};
  ui::Button Button34{*this, vantora::MainRow("Button34")};
  ui::Image Image4{*this, vantora::MainRow("Image4")};
  ui::Label sLabel10{*this, vantora::MainRow("sLabel10")};
  ui::Button Button35{*this, vantora::MainRow("Button35")};
  ui::Image Image5{*this, vantora::MainRow("Image5")};
  ui::Label sLabel9{*this, vantora::MainRow("sLabel9")};
  ui::Button Button36{*this, vantora::MainRow("Button36")};
  ui::Button Button37{*this, vantora::MainRow("Button37")};

  ui::Panel v{*this, vantora::MainRow("v")};
  ui::Label sLabel21{*this, vantora::MainRow("sLabel21")};
  ui::Label sLabel1{*this, vantora::MainRow("sLabel1")};
  ui::Edit Edit2{*this, vantora::MainRow("Edit2")};
  ui::Button Button29{*this, vantora::MainRow("Button29")};
  ui::Button Button30{*this, vantora::MainRow("Button30")};

  ui::Panel sPanel1{*this, vantora::MainRow("sPanel1")};
  ui::Label sLabel23{*this, vantora::MainRow("sLabel23")};
  ui::Label sLabel2{*this, vantora::MainRow("sLabel2")};
  ui::ComboBox sComboBox1{*this,
                          vantora::MainRow("sComboBox1"),
                          {L"Internet Explorer 7", L"Internet Explorer 6 or earlier", L"I don't know"}};
  ui::Label sLabel3{*this, vantora::MainRow("sLabel3")};
  ui::Edit Edit3{*this, vantora::MainRow("Edit3")};
  ui::Button Button32{*this, vantora::MainRow("Button32")};
  ui::Button Button31{*this, vantora::MainRow("Button31")};

  ui::Button Button28{*this, vantora::MainRow("Button28")};
  ui::Label Label9{*this, vantora::MainRow("Label9"), kStatusColour};
  ui::Button Button33{*this, vantora::MainRow("Button33")};
  ui::Button s{*this, vantora::MainRow("s")};
  ui::Button Button26{*this, vantora::MainRow("Button26")};
  ui::Button Button27{*this, vantora::MainRow("Button27")};
  ui::Button Button24{*this, vantora::MainRow("Button24")};
  ui::Button Button25{*this, vantora::MainRow("Button25")};

  // Bottom row
  ui::BitBtn sBitBtn7{*this, vantora::MainRow("sBitBtn7"), IDB_GLYPH_SHUTDOWN};
  ui::BitBtn sBitBtn6{*this, vantora::MainRow("sBitBtn6"), IDB_GLYPH_TRAYICON};
  ui::BitBtn sBitBtn5{*this, vantora::MainRow("sBitBtn5"), IDB_GLYPH_STARTUP};
  ui::BitBtn sBitBtn4{*this, vantora::MainRow("sBitBtn4"), IDB_GLYPH_OPTIONS};
  ui::BitBtn sBitBtn2{*this, vantora::MainRow("sBitBtn2"), IDB_GLYPH_ABOUT};
  ui::BitBtn sBitBtn8{*this, vantora::MainRow("sBitBtn8"), IDB_GLYPH_TOTRAY};
  ui::BitBtn sBitBtn1{*this, vantora::MainRow("sBitBtn1"), IDB_GLYPH_EXIT};

  // Non-visual components
  ui::ImageList ImageList1{18, 18};
  ui::PopupMenu PopupMenu1{*this};
  ui::PopupMenu PopupMenu2{*this};
  ui::PopupMenu PopupMenu3{*this};
  ui::TrayIcon TrayIcon1{*this};
  ui::Timer Timer1{*this, 100, false};
  ui::Timer Timer2{*this, 100, true};
  ui::Timer DXTimer1{*this, 1000, false};
  ui::FileDialog OpenPictureDialog1{ui::FileDialog::Kind::Open, {L"Icons (*.ico)|*.ico", L".ico", L"", kOpenFlags}};
  ui::FileDialog OpenPictureDialog2{ui::FileDialog::Kind::Open, {kWallpaperFilter, L"", L"", kOpenFlags}};
  ui::FileDialog SavePictureDialog1{ui::FileDialog::Kind::Save, {kPictureFilter, L".bmp", L"ScreenShot", kSaveFlags}};
  ui::FileDialog OpenDialog1{ui::FileDialog::Kind::Open, {kExecutableFilter, L"", L"", kOpenFlags}};

  // The subsystems, each driving the controls above that it owns.
  catalogue::Catalogue windowList;
  commands::WindowCommands windowCommands;
  shell::BulkCommands bulkCommands;
  shell::ShellToggles shellToggles{{*this,
                                    {{shell::ShellWindow::Taskbar, &Button27},
                                     {shell::ShellWindow::TaskbarItems, &Button24},
                                     {shell::ShellWindow::TaskbarClock, &Button25},
                                     {shell::ShellWindow::DesktopIcons, &Button26}},
                                    TrackBar3}};
  shell::SystemSettings systemSettings{
      {Edit2, Button30, OpenPictureDialog2, Edit3, Button28, Label9, Timer1, sBitBtn5}};
  commands::WindowDialogs windowDialogs;
  skin::SkinEngine sSkinManager1;
  // Paints every form of the program in the engine's look; its OnAfterChange follows the
  // engine's changes once the forms are repainted.
  skin::LookInstaller skinLook{sSkinManager1};
  app::HotKeyActions hotKeyActions{Handle(), windowList, bulkCommands, {&CheckBox1, &RadioButton1, &RadioButton2}};
  options::OptionsCommand optionsCommand{{windowList, hotKeyActions.Keys(), sSkinManager1, TrackBar1, TrackBar3},
                                         sBitBtn4};
  app::TrayPresence tray{{*this, TrayIcon1, PopupMenu1, sBitBtn6}};
  app::ExitSequence exitSequence{tray};

  // --- Window catalogue ---
  void RefreshCatalogue() { windowList.Refresh(); }
  void UpdateSelectionState() { windowList.UpdateSelectionState(); }
  HWND SelectedWindow() const { return windowList.SelectedWindow(); }
  std::vector<HWND> CatalogueWindows() const { return windowList.Windows(); }
  void Button13Click() { windowList.RefreshAndUpdate(); }
  void ListView1Click() { windowList.ListClick(); }
  void ListView1KeyDown(ui::KeyEvent& key) { windowList.ListKeyDown(key); }
  void ListView1KeyUp(ui::KeyEvent&) { windowList.RefreshAndUpdate(); }
  void Timer2Timer() { windowList.ArmTimerTick(); }
  void DXTimer1Timer() { windowList.RefreshTimerTick(); }

  // --- Per-window commands ---
  void Button1Click() { windowCommands.SetTitleFromEdit(); }                // "Update Text"
  void Edit1KeyDown(ui::KeyEvent& key) { windowCommands.TitleKeyUp(key); }  // bound to the key-up
  void Button3Click() { windowCommands.ShowSelected(SW_SHOWMAXIMIZED); }    // "Maximize"
  void Button4Click() { windowCommands.ShowSelected(SW_MINIMIZE); }         // "Minimize"
  void Button5Click() { windowCommands.ShowSelected(SW_RESTORE); }          // "Restore"
  void Button6Click() { windowCommands.CloseSelected(); }                   // "Close Window"
  void sButton2Click() { windowCommands.BringSelectedToFront(); }           // Button16
  void TrackBar1Change() { windowCommands.ApplyOpacity(); }
  void sCheckBox1Click() { windowCommands.ApplyStayOnTop(); }
  void sButton25Click() { windowCommands.ToggleEnabled(); }
  void Button2Click() { windowCommands.ToggleCloseButton(); }
  void Button7Click() { windowDialogs.ResizeSelected(); }     // "Resize Window"
  void sButton1Click() { windowDialogs.ShowSelectedInfo(); }  // "Window Info"

  // --- Window arrangement and bulk commands ---
  using BulkVariant = shell::BulkVariant;
  void Button15Click() { bulkCommands.Cascade(); }
  void Button17Click() { bulkCommands.TileHorizontal(); }
  void Button22Click() { bulkCommands.TileVertical(); }
  void Button18Click() { bulkCommands.MinimizeAll(BulkVariant::Button); }
  void Button19Click() { bulkCommands.CloseAll(BulkVariant::Button); }
  void Button23Click() { bulkCommands.RestoreAll(BulkVariant::Button); }
  void CloseAllWindows(BulkVariant variant) { bulkCommands.CloseAll(variant); }
  void MinimizeAllWindows(BulkVariant variant) { bulkCommands.MinimizeAll(variant); }
  void MaximizeAllWindows() { bulkCommands.MaximizeAll(); }
  void RestoreAllWindows(BulkVariant variant) { bulkCommands.RestoreAll(variant); }
  void SetAllWindowsOpacity(int percent) { bulkCommands.SetAllOpacity(percent); }
  void BringProgramForward() { bulkCommands.BringProgramForward(); }

  // --- Taskbar and desktop toggles, system settings ---
  void Button27Click() { shellToggles.Toggle(shell::ShellWindow::Taskbar); }       // "Hide TaskBar"
  void Button24Click() { shellToggles.Toggle(shell::ShellWindow::TaskbarItems); }  // "Hide TaskBar Items"
  void Button25Click() { shellToggles.Toggle(shell::ShellWindow::TaskbarClock); }  // "Hide TaskBar Clock"
  void Button26Click() { shellToggles.Toggle(shell::ShellWindow::DesktopIcons); }  // "Hide Desktop"
  void TrackBar3Change() { shellToggles.ApplyTaskbarOpacity(); }
  void Button29Click() { systemSettings.BrowseWallpaper(); }               // "Browse..."
  void Button30Click() { systemSettings.ApplyWallpaper(); }                // "Apply"
  void Button32Click() { systemSettings.WriteBrowserTitle(); }             // "Change"
  void Button31Click() { systemSettings.ReadBrowserTitle(); }              // "Get Current Text"
  void Button33Click() { shell::SystemSettings::SwapMouseButtons(true); }  // "Swap Mouse Buttons"
  void sClick() { shell::SystemSettings::SwapMouseButtons(false); }        // "UnSwap Mouse Buttons"
  void Button28Click() { systemSettings.ToggleClipboardBlocker(); }        // "Disable Clipboard"
  void Timer1Timer() { systemSettings.ClipboardTick(); }
  void sBitBtn5Click() { systemSettings.ToggleStartWithWindows(); }  // "Start on Windows Startup"
  void sBitBtn7Click() { shell::SystemSettings::ShutdownPC(); }      // "Shutdown PC"
  void ShutdownPC1Click() { shell::SystemSettings::ShutdownPC(); }

  // --- Window icons, screenshots and executable icons ---
  void Image1MouseDown(ui::MouseButton button) { windowIcons_.Image1MouseDown(button); }
  void Image2MouseDown(ui::MouseButton button) { windowIcons_.Image2MouseDown(button); }
  void SaveToFile1Click() { windowIcons_.SaveToFile1Click(); }
  void MenuItem1Click() { windowIcons_.MenuItem1Click(); }
  void Button8Click() { windowIcons_.Button8Click(); }    // "Save Window Icon To File"
  void Button10Click() { windowIcons_.Button10Click(); }  // "Load"
  void Button12Click() { windowIcons_.Button12Click(); }  // "Change" (large icon)
  void Button11Click() { windowIcons_.Button11Click(); }  // "Change" (small icon)
  std::wstring SavePictureDialog1TypeChange(const std::wstring& entered, int filterIndex) {
    return windowIcons_.SavePictureDialog1TypeChange(entered, filterIndex);
  }
  void Button14Click() { screenshots_.Button14Click(); }  // "Take ScreenShot of Selected Window"
  void Button20Click() { screenshots_.Button20Click(); }  // "Take ScreenShot of Full Screen"
  void Button34Click() { exeIcon_.Button34Click(); }      // "Browse..."
  void Button35Click() { exeIcon_.Button35Click(); }      // "Save To File"
  void Button36Click() { exeIcon_.Button36Click(); }      // "Load"
  void Button37Click() { exeIcon_.Button37Click(); }      // "Change"

  // --- Global hotkeys ---
  void DispatchHotKey(WPARAM id) { hotKeyActions.Dispatch(id); }

  // --- Options ---
  void sBitBtn4Click() { optionsCommand.OpenFromButton(); }  // "Options && Hotkeys"
  void sSkinManager1AfterChange() { optionsCommand.RefocusMainSliders(); }

  // --- Main window life cycle, tray and exit ---
  void FormActivate();
  bool FormCloseQuery() {
    ui::FadeWindow(Handle(), 100, 0);
    return true;
  }
  void FormClose() { ExitProgram(); }
  void FormDestroy();
  void PopupMenu1Popup() { tray.MenuPopup(); }
  void MTTClick() { tray.MenuItemClick(); }  // "&Send Vantora to Tray" / "&Restore Vantora"
  void TrayIcon1Click() { tray.IconClick(); }
  void sBitBtn8Click() { tray.MinimizeToTray(); }  // "Minimize To Tray"
  void sBitBtn6Click() { tray.ToggleIcon(); }      // "Hide TrayIcon"
  void About1Click();
  void sBitBtn2Click() { About1Click(); }  // "About"
  void Button9Click();                     // "Help: What's This?"
  void ExitVantora1Click() { exitSequence.ConfirmAndExit(); }
  void sBitBtn1Click() { ExitVantora1Click(); }
  // Ends the process with exit code 0; returns only when a test session stands in for the system.
  void ExitProgram() { exitSequence.Exit(); }

  // --- Start-up ---
  void FormCreate() { startup_.Run(); }  // runs once, at the end of the constructor

 private:
  static constexpr COLORREF kStatusColour = 18504;  // dark olive
  static constexpr DWORD kOpenFlags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
  // Hidden files shown, no read-only box, resizable; an existing file is replaced without asking.
  static constexpr DWORD kSaveFlags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FORCESHOWHIDDEN;
  static constexpr const wchar_t* kPictureFilter =
      L"Bitmaps (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif|JPEG Image File (*.jpg)|*.jpg|"
      L"JPEG Image File (*.jpeg)|*.jpeg|Portable Network Graphics (*.png)|*.png|Icons (*.ico)|*.ico|"
      L"Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
  static constexpr const wchar_t* kWallpaperFilter =
      L"All (*.png;*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.png;*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|"
      L"Portable Network Graphics (*.png)|*.png|GIF Image (*.gif)|*.gif|JPEG Image File (*.jpg)|*.jpg|"
      L"JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
      L"Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
  static constexpr const wchar_t* kExecutableFilter =
      L"All Executables (*.exe;*.scr;*.ocx;*.cpl)|*.exe;*.scr;*.ocx;*.cpl|Applications (*.exe)|*.exe|"
      L"Screensaver (*.scr)|*.scr|OCX (*.ocx)|*.ocx|Control Panel Application (*.cpl)|*.cpl";

  void BuildMenus();
  void BindEvents();
  bool OwnWindow(HWND window) const;

  // Window icons, screenshots and executable icons
  void BindIcons();
  icons::WindowIconPanel::Controls WindowIconControls();
  icons::SelectionLink IconSelectionLink();
  icons::Screenshots::Links ScreenshotLinks();
  icons::ExeIconPanel::Controls ExeIconControls();
  icons::WindowIconPanel windowIcons_{WindowIconControls(), IconSelectionLink()};
  icons::Screenshots screenshots_{ScreenshotLinks()};
  icons::ExeIconPanel exeIcon_{ExeIconControls()};

  // Start-up, in the order of its steps
  app::RefreshKeyHookInstallation refreshKeyHook_;
  app::StartupSteps startup_{{*this,
                              [this] { refreshKeyHook_.Install([this] { windowList.RefreshAndUpdate(); }); },
                              Button30,
                              sSkinManager1,
                              optionsCommand,
                              windowList,
                              hotKeyActions,
                              tray,
                              Image6,
                              {&Image5, &Image4, &Image3},
                              systemSettings,
                              ListView1,
                              shellToggles}};
};
