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
#include "platform/windows/Monitors.h"
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
  ui::Label customizeWindowsHeading{*this, vantora::MainRow("sLabel16")};
  ui::Label customizeDesktopHeading{*this, vantora::MainRow("sLabel17")};
  ui::Bevel halvesSeparator{*this, vantora::MainRow("Bevel1")};
  ui::Bevel bottomSeparator{*this, vantora::MainRow("Bevel3")};
  ui::Image placeholderPicture{*this, vantora::MainRow("Image6")};

  // Left half: window list and per-window commands
  ui::ListView windowListView{*this, vantora::MainRow("ListView1"), {{L"Open Windows:", 550}}};
  ui::Button refreshList{*this, vantora::MainRow("Button13")};
  ui::Panel windowPanel{*this, vantora::MainRow("sPanel3")};
  ui::Label newTitleLabel{*this, vantora::MainRow("sLabel18")};
  ui::Edit newTitle{*this, vantora::MainRow("Edit1")};
  ui::Button updateText{*this, vantora::MainRow("Button1")};
  ui::Button maximize{*this, vantora::MainRow("Button3")};
  ui::Button minimize{*this, vantora::MainRow("Button4")};
  ui::Button bringToFront{*this, vantora::MainRow("Button16")};
  ui::Button restore{*this, vantora::MainRow("Button5")};
  ui::Button closeWindow{*this, vantora::MainRow("Button6")};
  ui::Button resizeWindow{*this, vantora::MainRow("Button7")};

  ui::Panel iconPanel{*this, vantora::MainRow("sPanel4")};
  ui::Label windowIconHeading{*this, vantora::MainRow("sLabel19")};
  ui::Label largeIconLabel{*this, vantora::MainRow("sLabel6")};
  ui::Label smallIconLabel{*this, vantora::MainRow("sLabel8")};
  ui::Label newIconLabel{*this, vantora::MainRow("sLabel7")};
  ui::Image largeIcon{*this, vantora::MainRow("Image1")};
  ui::Image smallIcon{*this, vantora::MainRow("Image2")};
  ui::Image newIcon{*this, vantora::MainRow("Image3")};
  ui::Bevel iconSeparator{*this, vantora::MainRow("Bevel2")};
  ui::RadioButton saveLargeIcon{*this, vantora::MainRow("RadioButton1"), true};
  ui::RadioButton saveSmallIcon{*this, vantora::MainRow("RadioButton2")};
  ui::Label saveLargeIconLabel{*this, vantora::MainRow("sLabel4")};
  ui::Label saveSmallIconLabel{*this, vantora::MainRow("sLabel5")};
  ui::Button changeLargeIcon{*this, vantora::MainRow("Button12")};
  ui::Button changeSmallIcon{*this, vantora::MainRow("Button11")};
  ui::Button loadIcon{*this, vantora::MainRow("Button10")};
  ui::Button saveWindowIcon{*this, vantora::MainRow("Button8")};
  ui::Button iconHelp{*this, vantora::MainRow("Button9")};

  ui::Button screenshotWindow{*this, vantora::MainRow("Button14")};
  ui::Button screenshotScreen{*this, vantora::MainRow("Button20")};
  ui::Button cascade{*this, vantora::MainRow("Button15")};
  ui::Button tileHorizontal{*this, vantora::MainRow("Button17")};
  ui::Button tileVertical{*this, vantora::MainRow("Button22")};
  ui::Button minimizeAll{*this, vantora::MainRow("Button18")};
  ui::Button closeAll{*this, vantora::MainRow("Button19")};
  ui::Button restoreAll{*this, vantora::MainRow("Button23")};

  ui::Panel miscPanel{*this, vantora::MainRow("sPanel6")};
  ui::Label miscHeading{*this, vantora::MainRow("sLabel14")};
  ui::CheckBox stayOnTop{*this, vantora::MainRow("CheckBox1")};
  ui::Label opacityLabel{*this, vantora::MainRow("SLabel39")};
  ui::TrackBar opacitySlider{*this, vantora::MainRow("TrackBar1"), 0, 100, 100, 2};
  ui::Label opacityValue{*this, vantora::MainRow("Label3")};
  ui::Button windowInfo{*this, vantora::MainRow("sButton1")};
  ui::Button enabledToggle{*this, vantora::MainRow("sButton25")};
  ui::Button closeButtonToggle{*this, vantora::MainRow("Button2")};

  // Right half: desktop and shell
  ui::Panel taskbarOpacityPanel{*this, vantora::MainRow("sPanel5")};
  ui::Label taskbarOpacityHeading{*this, vantora::MainRow("sLabel15")};
  ui::TrackBar taskbarOpacitySlider{*this, vantora::MainRow("TrackBar3"), 1, 100, 100, 1};
  ui::Label taskbarOpacityMin{*this, vantora::MainRow("sLabel12")};
  ui::Label taskbarOpacityMax{*this, vantora::MainRow("sLabel13")};

  ui::Panel exeIconPanel{*this, vantora::MainRow("sPanel2")};
  ui::Label exeIconHeading{*this, vantora::MainRow("sLabel20")};
  ui::Label exeFileLabel{*this, vantora::MainRow("sLabel11")};
  ui::Edit exeFile{*this, vantora::MainRow("Edit4")};
  ui::Button browseExe{*this, vantora::MainRow("Button34")};
  ui::Image exeOldIcon{*this, vantora::MainRow("Image4")};
  ui::Label exeOldIconLabel{*this, vantora::MainRow("sLabel10")};
  ui::Button saveExeIcon{*this, vantora::MainRow("Button35")};
  ui::Image exeNewIcon{*this, vantora::MainRow("Image5")};
  ui::Label exeNewIconLabel{*this, vantora::MainRow("sLabel9")};
  ui::Button loadExeIcon{*this, vantora::MainRow("Button36")};
  ui::Button exeIconChange{*this, vantora::MainRow("Button37")};

  ui::Panel wallpaperPanel{*this, vantora::MainRow("v")};
  ui::Label wallpaperHeading{*this, vantora::MainRow("sLabel21")};
  ui::Label wallpaperPathLabel{*this, vantora::MainRow("sLabel1")};
  ui::Edit wallpaperPath{*this, vantora::MainRow("Edit2")};
  ui::Button browseWallpaper{*this, vantora::MainRow("Button29")};
  ui::Button applyWallpaper{*this, vantora::MainRow("Button30")};

  ui::Panel browserTitlePanel{*this, vantora::MainRow("sPanel1")};
  ui::Label browserTitleHeading{*this, vantora::MainRow("sLabel23")};
  ui::Label browserVersionLabel{*this, vantora::MainRow("sLabel2")};
  ui::ComboBox browserVersion{*this,
                              vantora::MainRow("sComboBox1"),
                              {L"Internet Explorer 7", L"Internet Explorer 6 or earlier", L"I don't know"}};
  ui::Label browserTitleLabel{*this, vantora::MainRow("sLabel3")};
  ui::Edit browserTitle{*this, vantora::MainRow("Edit3")};
  ui::Button changeBrowserTitle{*this, vantora::MainRow("Button32")};
  ui::Button readBrowserTitle{*this, vantora::MainRow("Button31")};

  ui::Button clipboardToggle{*this, vantora::MainRow("Button28")};
  ui::Label clipboardStatus{*this, vantora::MainRow("Label9"), kStatusColour};
  ui::Button swapMouse{*this, vantora::MainRow("Button33")};
  ui::Button unswapMouse{*this, vantora::MainRow("s")};
  ui::Button desktopIconsToggle{*this, vantora::MainRow("Button26")};
  ui::Button taskbarToggle{*this, vantora::MainRow("Button27")};
  ui::Button taskbarItemsToggle{*this, vantora::MainRow("Button24")};
  ui::Button clockToggle{*this, vantora::MainRow("Button25")};

  // Bottom row
  ui::BitBtn shutdown{*this, vantora::MainRow("sBitBtn7"), IDB_GLYPH_SHUTDOWN};
  ui::BitBtn trayIconToggle{*this, vantora::MainRow("sBitBtn6"), IDB_GLYPH_TRAYICON};
  ui::BitBtn startWithWindows{*this, vantora::MainRow("sBitBtn5"), IDB_GLYPH_STARTUP};
  ui::BitBtn optionsButton{*this, vantora::MainRow("sBitBtn4"), IDB_GLYPH_OPTIONS};
  ui::BitBtn aboutButton{*this, vantora::MainRow("sBitBtn2"), IDB_GLYPH_ABOUT};
  ui::BitBtn toTray{*this, vantora::MainRow("sBitBtn8"), IDB_GLYPH_TOTRAY};
  ui::BitBtn exitButton{*this, vantora::MainRow("sBitBtn1"), IDB_GLYPH_EXIT};

  // Non-visual components
  ui::ImageList rowImages{18, 18};
  ui::PopupMenu trayMenu{*this};
  ui::PopupMenu largeIconMenu{*this};
  ui::PopupMenu smallIconMenu{*this};
  ui::PopupMenu rowMenu{*this};  // the selected row's commands
  ui::TrayIcon trayIcon{*this};
  ui::Timer clipboardTimer{*this, 100, false};
  ui::Timer armTimer{*this, 100, true};
  ui::Timer refreshTimer{*this, 1000, false};
  ui::FileDialog openIconDialog{ui::FileDialog::Kind::Open, {L"Icons (*.ico)|*.ico", L".ico", L"", kOpenFlags}};
  ui::FileDialog openWallpaperDialog{ui::FileDialog::Kind::Open, {kWallpaperFilter, L"", L"", kOpenFlags}};
  ui::FileDialog savePictureDialog{ui::FileDialog::Kind::Save, {kPictureFilter, L".bmp", L"ScreenShot", kSaveFlags}};
  ui::FileDialog openProgramDialog{ui::FileDialog::Kind::Open, {kExecutableFilter, L"", L"", kOpenFlags}};

  // The subsystems, each driving the controls above that it owns.
  catalogue::Catalogue windowList;
  commands::WindowCommands windowCommands;
  shell::BulkCommands bulkCommands;
  shell::ShellToggles shellToggles{{*this,
                                    {{shell::ShellWindow::Taskbar, &taskbarToggle},
                                     {shell::ShellWindow::TaskbarItems, &taskbarItemsToggle},
                                     {shell::ShellWindow::TaskbarClock, &clockToggle},
                                     {shell::ShellWindow::DesktopIcons, &desktopIconsToggle}},
                                    taskbarOpacitySlider}};
  shell::SystemSettings systemSettings{{wallpaperPath, applyWallpaper, openWallpaperDialog, browserTitle,
                                        clipboardToggle, clipboardStatus, clipboardTimer, startWithWindows}};
  commands::WindowDialogs windowDialogs;
  skin::SkinEngine skinEngine;
  // Paints every form of the program in the engine's look; its OnAfterChange follows the
  // engine's changes once the forms are repainted.
  skin::LookInstaller skinLook{skinEngine};
  app::HotKeyActions hotKeyActions{Handle(), windowList, bulkCommands, {&stayOnTop, &saveLargeIcon, &saveSmallIcon}};
  options::OptionsCommand optionsCommand{
      {windowList, hotKeyActions.Keys(), skinEngine, opacitySlider, taskbarOpacitySlider}, optionsButton};
  app::TrayPresence tray{{*this, trayIcon, trayMenu, trayIconToggle}};
  app::ExitSequence exitSequence{tray};

  // --- Window catalogue ---
  void RefreshCatalogue() { windowList.Refresh(); }
  void UpdateSelectionState() { windowList.UpdateSelectionState(); }
  HWND SelectedWindow() const { return windowList.SelectedWindow(); }
  std::vector<HWND> CatalogueWindows() const { return windowList.Windows(); }
  void RefreshListClick() { windowList.RefreshAndUpdate(); }
  void WindowListClick() { windowList.ListClick(); }
  void WindowListKeyDown(ui::KeyEvent& key);  // Enter, Delete, then the list's own keys
  void WindowListContextMenu(POINT at) { rowMenu.Popup(at.x, at.y); }
  bool WindowListCharacter(wchar_t typed) { return windowList.FilterCharacter(typed); }
  void FormKeyDown(ui::KeyEvent& key);  // Ctrl+F
  void RowMenuPopup();
  void WindowListKeyUp(ui::KeyEvent&) { windowList.RefreshAndUpdate(); }
  void ArmTimerTick() { windowList.ArmTimerTick(); }
  void RefreshTimerTick() { windowList.RefreshTimerTick(); }

  // --- Per-window commands ---
  void UpdateTextClick() { windowCommands.SetTitleFromEdit(); }                // "Update Text"
  void NewTitleKeyDown(ui::KeyEvent& key) { windowCommands.TitleKeyUp(key); }  // bound to the key-up
  void MaximizeClick() { windowCommands.ShowSelected(SW_SHOWMAXIMIZED); }      // "Maximize"
  void MinimizeClick() { windowCommands.ShowSelected(SW_MINIMIZE); }           // "Minimize"
  void RestoreClick() { windowCommands.ShowSelected(SW_RESTORE); }             // "Restore"
  void CloseWindowClick() { windowCommands.CloseSelected(); }                  // "Close Window"
  void BringToFrontClick() { windowCommands.BringSelectedToFront(); }          // "Bring To Front"
  void OpacitySliderChange() { windowCommands.ApplyOpacity(); }
  void StayOnTopClick() { windowCommands.ApplyStayOnTop(); }
  void EnabledToggleClick() { windowCommands.ToggleEnabled(); }
  void CloseButtonToggleClick() { windowCommands.ToggleCloseButton(); }
  void ResizeWindowClick() { windowDialogs.ResizeSelected(); }  // "Resize Window"
  void WindowInfoClick() { windowDialogs.ShowSelectedInfo(); }  // "Window Info"
  void MoveOntoMonitorClick() { windowCommands.MoveSelectedOnto(platform::MonitorHandleOf(Handle())); }
  void UndoClick() { windowCommands.UndoLast(); }  // "Undo", Ctrl+Z
  void GatherOffScreenClick() { windowCommands.GatherOffScreen(platform::MonitorHandleOf(Handle())); }

  // --- Window arrangement and bulk commands ---
  using BulkVariant = shell::BulkVariant;
  void CascadeClick() { bulkCommands.Cascade(); }
  void TileHorizontalClick() { bulkCommands.TileHorizontal(); }
  void TileVerticalClick() { bulkCommands.TileVertical(); }
  void MinimizeAllClick() { bulkCommands.MinimizeAll(BulkVariant::Button); }
  void CloseAllClick() { bulkCommands.CloseAll(BulkVariant::Button); }
  void RestoreAllClick() { bulkCommands.RestoreAll(BulkVariant::Button); }
  void CloseAllWindows(BulkVariant variant) { bulkCommands.CloseAll(variant); }
  void MinimizeAllWindows(BulkVariant variant) { bulkCommands.MinimizeAll(variant); }
  void MaximizeAllWindows() { bulkCommands.MaximizeAll(); }
  void RestoreAllWindows(BulkVariant variant) { bulkCommands.RestoreAll(variant); }
  void SetAllWindowsOpacity(int percent) { bulkCommands.SetAllOpacity(percent); }
  void BringProgramForward() { bulkCommands.BringProgramForward(); }

  // --- Taskbar and desktop toggles, system settings ---
  void TaskbarToggleClick() { shellToggles.Toggle(shell::ShellWindow::Taskbar); }            // "Hide TaskBar"
  void TaskbarItemsToggleClick() { shellToggles.Toggle(shell::ShellWindow::TaskbarItems); }  // "Hide TaskBar Items"
  void ClockToggleClick() { shellToggles.Toggle(shell::ShellWindow::TaskbarClock); }         // "Hide TaskBar Clock"
  void DesktopIconsToggleClick() { shellToggles.Toggle(shell::ShellWindow::DesktopIcons); }  // "Hide Desktop"
  void TaskbarOpacityChange() { shellToggles.ApplyTaskbarOpacity(); }
  void BrowseWallpaperClick() { systemSettings.BrowseWallpaper(); }            // "Browse..."
  void ApplyWallpaperClick() { systemSettings.ApplyWallpaper(); }              // "Apply"
  void ChangeBrowserTitleClick() { systemSettings.WriteBrowserTitle(); }       // "Change"
  void ReadBrowserTitleClick() { systemSettings.ReadBrowserTitle(); }          // "Get Current Text"
  void SwapMouseClick() { shell::SystemSettings::SwapMouseButtons(true); }     // "Swap Mouse Buttons"
  void UnswapMouseClick() { shell::SystemSettings::SwapMouseButtons(false); }  // "UnSwap Mouse Buttons"
  void ClipboardToggleClick() { systemSettings.ToggleClipboardBlocker(); }     // "Disable Clipboard"
  void ClipboardTick() { systemSettings.ClipboardTick(); }
  void StartWithWindowsClick() { systemSettings.ToggleStartWithWindows(); }  // "Start on Windows Startup"
  void ShutdownClick() { shell::SystemSettings::ShutdownPC(); }              // "Shutdown PC"
  void ShutdownMenuClick() { shell::SystemSettings::ShutdownPC(); }

  // --- Window icons, screenshots and executable icons ---
  void LargeIconMouseDown(ui::MouseButton button) { windowIcons_.LargeIconMouseDown(button); }
  void SmallIconMouseDown(ui::MouseButton button) { windowIcons_.SmallIconMouseDown(button); }
  void SaveLargeIconAsClick() { windowIcons_.SaveLargeIconAsClick(); }
  void SaveSmallIconAsClick() { windowIcons_.SaveSmallIconAsClick(); }
  void SaveWindowIconClick() { windowIcons_.SaveWindowIconClick(); }    // "Save Window Icon To File"
  void LoadIconClick() { windowIcons_.LoadIconClick(); }                // "Load"
  void ChangeLargeIconClick() { windowIcons_.ChangeLargeIconClick(); }  // "Change" (large icon)
  void ChangeSmallIconClick() { windowIcons_.ChangeSmallIconClick(); }  // "Change" (small icon)
  std::wstring SavePictureTypeChange(const std::wstring& entered, int filterIndex) {
    return windowIcons_.SavePictureTypeChange(entered, filterIndex);
  }
  void ScreenshotWindowClick() { screenshots_.ScreenshotWindowClick(); }  // "Take ScreenShot of Selected Window"
  void ScreenshotScreenClick() { screenshots_.ScreenshotScreenClick(); }  // "Take ScreenShot of Full Screen"
  void BrowseExeClick() { exeIcon_.BrowseExeClick(); }                    // "Browse..."
  void SaveExeIconClick() { exeIcon_.SaveExeIconClick(); }                // "Save To File"
  void LoadExeIconClick() { exeIcon_.LoadExeIconClick(); }                // "Load"
  void ChangeExeIconClick() { exeIcon_.ChangeExeIconClick(); }            // "Change"

  // --- Global hotkeys ---
  void DispatchHotKey(WPARAM id) { hotKeyActions.Dispatch(id); }

  // --- Options ---
  void OptionsClick() { optionsCommand.OpenFromButton(); }  // "Options && Hotkeys"
  void SkinChanged() { optionsCommand.RefocusMainSliders(); }

  // --- Main window life cycle, tray and exit ---
  void FormActivate();
  bool FormCloseQuery() {
    ui::FadeWindow(Handle(), 100, 0);
    return true;
  }
  void FormClose() { ExitProgram(); }
  void FormDestroy();
  void TrayMenuPopup() { tray.MenuPopup(); }
  void TrayMenuToggleClick() { tray.MenuItemClick(); }  // "&Send Vantora to Tray" / "&Restore Vantora"
  void TrayIconClick() { tray.IconClick(); }
  void ToTrayClick() { tray.MinimizeToTray(); }      // "Minimize To Tray"
  void TrayIconToggleClick() { tray.ToggleIcon(); }  // "Hide TrayIcon"
  void AboutMenuClick();
  void AboutClick() { AboutMenuClick(); }  // "About"
  void IconHelpClick();                    // "Help: What's This?"
  void ExitMenuClick() { exitSequence.ConfirmAndExit(); }
  void ExitClick() { ExitMenuClick(); }
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
  void NameForScreenReaders();
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
                              applyWallpaper,
                              skinEngine,
                              optionsCommand,
                              windowList,
                              hotKeyActions,
                              tray,
                              placeholderPicture,
                              {&exeNewIcon, &exeOldIcon, &newIcon},
                              systemSettings,
                              windowListView,
                              shellToggles}};
};
