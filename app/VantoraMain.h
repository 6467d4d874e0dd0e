#pragma once
// The main window: the list of other programs' windows and every command of the program.
// Handlers are defined in the room (folder) of the subsystem that owns them.
#include <string>
#include <string_view>
#include <vector>

#include "app/RefreshKeyHook.h"
#include "icons/ExeIconPanel.h"
#include "icons/Screenshots.h"
#include "icons/WindowIconPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/Components.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/ListView.h"
#include "skin/portable/SkinEngine.h"

class TForm6 : public ui::Form {
 public:
  TForm6();
  ~TForm6() override;

  // Headings and separators
  ui::Label sLabel16{*this, Place("sLabel16"), kHeadingFont};
  ui::Label sLabel17{*this, Place("sLabel17"), kHeadingFont};
  ui::Bevel Bevel1{*this, Place("Bevel1"), ui::BevelShape::VerticalLine};
  ui::Bevel Bevel3{*this, Place("Bevel3"), ui::BevelShape::HorizontalLine};
  ui::Image Image6{*this, Place("Image6"), false, false};

  // Left half: window list and per-window commands
  ui::ListView ListView1{*this, Place("ListView1"), {{L"Open Windows:", 550}}};
  ui::Button Button13{*this, Place("Button13")};
  ui::Panel sPanel3{*this, Place("sPanel3")};
  ui::Label sLabel18{*this, Place("sLabel18")};
  ui::Edit Edit1{*this, Place("Edit1")};
  ui::Button Button1{*this, Place("Button1")};
  ui::Button Button3{*this, Place("Button3")};
  ui::Button Button4{*this, Place("Button4")};
  ui::Button Button16{*this, Place("Button16")};
  ui::Button Button5{*this, Place("Button5")};
  ui::Button Button6{*this, Place("Button6")};
  ui::Button Button7{*this, Place("Button7")};

  ui::Panel sPanel4{*this, Place("sPanel4")};
  ui::Label sLabel19{*this, Place("sLabel19"), kGroupFont};
  ui::Label sLabel6{*this, Place("sLabel6")};
  ui::Label sLabel8{*this, Place("sLabel8")};
  ui::Label sLabel7{*this, Place("sLabel7")};
  ui::Image Image1{*this, Place("Image1"), true};
  ui::Image Image2{*this, Place("Image2"), true};
  ui::Image Image3{*this, Place("Image3"), true};
  ui::Bevel Bevel2{*this, Place("Bevel2"), ui::BevelShape::VerticalLine};
  ui::RadioButton RadioButton1{*this, Place("RadioButton1"), true};
  ui::RadioButton RadioButton2{*this, Place("RadioButton2")};
  ui::Label sLabel4{*this, Place("sLabel4")};
  ui::Label sLabel5{*this, Place("sLabel5")};
  ui::Button Button12{*this, Place("Button12")};
  ui::Button Button11{*this, Place("Button11")};
  ui::Button Button10{*this, Place("Button10")};
  ui::Button Button8{*this, Place("Button8")};
  ui::Button Button9{*this, Place("Button9")};

  ui::Button Button14{*this, Place("Button14")};
  ui::Button Button20{*this, Place("Button20")};
  ui::Button Button15{*this, Place("Button15")};
  ui::Button Button17{*this, Place("Button17")};
  ui::Button Button22{*this, Place("Button22")};
  ui::Button Button18{*this, Place("Button18")};
  ui::Button Button19{*this, Place("Button19")};
  ui::Button Button23{*this, Place("Button23")};

  ui::Panel sPanel6{*this, Place("sPanel6")};
  ui::Label sLabel14{*this, Place("sLabel14"), kGroupFont};
  ui::CheckBox CheckBox1{*this, Place("CheckBox1")};
  ui::Label SLabel39{*this, Place("SLabel39")};
  ui::TrackBar TrackBar1{*this, Place("TrackBar1"), 0, 100, 100, 2};
  ui::Label Label3{*this, Place("Label3")};
  ui::Button sButton1{*this, Place("sButton1")};
  ui::Button sButton25{*this, Place("sButton25")};
  ui::Button Button2{*this, Place("Button2")};

  // Right half: desktop and shell
  ui::Panel sPanel5{*this, Place("sPanel5")};
  ui::Label sLabel15{*this, Place("sLabel15"), kGroupFont};
  ui::TrackBar TrackBar3{*this, Place("TrackBar3"), 1, 100, 100, 1};
  ui::Label sLabel12{*this, Place("sLabel12")};
  ui::Label sLabel13{*this, Place("sLabel13")};

  ui::Panel sPanel2{*this, Place("sPanel2")};
  ui::Label sLabel20{*this, Place("sLabel20"), kGroupFont};
  ui::Label sLabel11{*this, Place("sLabel11")};
  ui::Edit Edit4{*this, Place("Edit4"), true};
  ui::Button Button34{*this, Place("Button34")};
  ui::Image Image4{*this, Place("Image4"), true};
  ui::Label sLabel10{*this, Place("sLabel10")};
  ui::Button Button35{*this, Place("Button35")};
  ui::Image Image5{*this, Place("Image5"), true};
  ui::Label sLabel9{*this, Place("sLabel9")};
  ui::Button Button36{*this, Place("Button36")};
  ui::Button Button37{*this, Place("Button37")};

  ui::Panel v{*this, Place("v")};
  ui::Label sLabel21{*this, Place("sLabel21"), kGroupFont};
  ui::Label sLabel1{*this, Place("sLabel1")};
  ui::Edit Edit2{*this, Place("Edit2"), true};
  ui::Button Button29{*this, Place("Button29")};
  ui::Button Button30{*this, Place("Button30")};

  ui::Panel sPanel1{*this, Place("sPanel1")};
  ui::Label sLabel23{*this, Place("sLabel23"), kGroupFont};
  ui::Label sLabel2{*this, Place("sLabel2")};
  ui::ComboBox sComboBox1{*this, Place("sComboBox1"),
                          {L"Internet Explorer 7", L"Internet Explorer 6 or earlier", L"I don't know"}};
  ui::Label sLabel3{*this, Place("sLabel3")};
  ui::Edit Edit3{*this, Place("Edit3")};
  ui::Button Button32{*this, Place("Button32")};
  ui::Button Button31{*this, Place("Button31")};

  ui::Button Button28{*this, Place("Button28")};
  ui::Label Label9{*this, Place("Label9"), {}, ui::Alignment::Center, kStatusColour};
  ui::Button Button33{*this, Place("Button33")};
  ui::Button s{*this, Place("s")};
  ui::Button Button26{*this, Place("Button26")};
  ui::Button Button27{*this, Place("Button27")};
  ui::Button Button24{*this, Place("Button24")};
  ui::Button Button25{*this, Place("Button25")};

  // Bottom row
  ui::BitBtn sBitBtn7{*this, Place("sBitBtn7"), 110};
  ui::BitBtn sBitBtn6{*this, Place("sBitBtn6"), 111};
  ui::BitBtn sBitBtn5{*this, Place("sBitBtn5"), 112};
  ui::BitBtn sBitBtn4{*this, Place("sBitBtn4"), 113};
  ui::BitBtn sBitBtn2{*this, Place("sBitBtn2"), 114};
  ui::BitBtn sBitBtn8{*this, Place("sBitBtn8"), 115};
  ui::BitBtn sBitBtn1{*this, Place("sBitBtn1"), 116};

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

  // Dialogs created on demand (null while closed). The window list leaves the options and
  // information dialogs out; the resize screen is listed like any other window.
  ui::Form* resizeDialog = nullptr;
  ui::Form* optionsDialog = nullptr;
  ui::Form* infoDialog = nullptr;

  // --- Window catalogue (catalogue/) ---
  void RefreshCatalogue();
  void UpdateSelectionState();
  HWND SelectedWindow() const;  // null when no row is selected
  std::vector<HWND> CatalogueWindows() const;  // row i of ListView1 shows window i
  void Button13Click();
  void ListView1Click();
  void ListView1KeyDown(ui::KeyEvent& key);
  void ListView1KeyUp(ui::KeyEvent& key);
  void Timer2Timer();
  void DXTimer1Timer();
  bool NewIconLoaded = false;

  // --- Per-window commands (commands/) ---
  void Button1Click();                   // "Update Text"
  void Edit1KeyDown(ui::KeyEvent& key);  // bound to Edit1's key-up event: Enter sets the title
  void Button3Click();                   // "Maximize"
  void Button4Click();                   // "Minimize"
  void Button5Click();                   // "Restore"
  void Button6Click();                   // "Close Window"
  void sButton2Click();                  // Button16, "Bring To Front"
  void TrackBar1Change();                // opacity of the selected window
  void sCheckBox1Click();
  void sButton25Click();                 // "Disable Window" / "Enable Window"
  void Button2Click();                   // "Disable Close Button" / "Enable Close Button"

  // --- Window arrangement and bulk commands (shell/) ---
  // The button variants let pending messages be processed after each window; the hotkey
  // variants walk without that and differ in the steps around the walk.
  enum class BulkVariant { Button, HotKey };
  void Button15Click();  // "Cascade Windows"
  void Button17Click();  // "Tile Windows Horizontal"
  void Button22Click();  // "Tile Windows Vertical"
  void Button18Click();  // "Minimize All Windows"
  void Button19Click();  // "Close All Windows"
  void Button23Click();  // "Restore All Windows"
  void CloseAllWindows(BulkVariant variant);
  void MinimizeAllWindows(BulkVariant variant);
  void MaximizeAllWindows();  // hotkey only
  void RestoreAllWindows(BulkVariant variant);
  void SetAllWindowsOpacity(int percent);  // hotkey only
  void BringProgramForward();

  // --- Window icons, screenshots and executable icons (icons/) ---
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

  // --- Global hotkeys (app/) ---
  void DispatchHotKey(WPARAM id);

  // --- Main window life cycle, tray and exit (app/) ---
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void FormDestroy();
  void PopupMenu1Popup();
  void MTTClick();
  void TrayIcon1Click();
  void sBitBtn8Click();
  void sBitBtn6Click();
  void About1Click();
  void sBitBtn2Click();
  void Button9Click();
  void ExitVantora1Click();
  void sBitBtn1Click();
  // Ends the process with exit code 0; returns only when a test session stands in for the system.
  void ExitProgram();

  // --- Start-up (app/) ---
  void FormCreate();  // runs once, at the end of the constructor
  skin::SkinEngine sSkinManager1;
  bool HotKeysRemembered = false;  // read by the options dialog

 private:
  static constexpr ui::FontSpec kHeadingFont{-13, true};
  static constexpr ui::FontSpec kGroupFont{-11, true};
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

  static ui::Placement Place(std::string_view name);
  void ApplyInitialStates();
  void BuildMenus();

  // Window catalogue
  void BindCatalogue();
  bool OwnWindow(HWND window) const;
  bool ProgramIsActive() const;
  // What a row shows. The icon is the window's own, borrowed: it only tells whether the picture
  // already drawn into ImageList1 can stay.
  struct CatalogueRow {
    HWND window;
    std::wstring title;
    HICON icon;
    int image;
    friend bool operator==(const CatalogueRow&, const CatalogueRow&) = default;
  };
  void DrawRowImages(std::vector<CatalogueRow>& rows);
  void ShowRows(const std::vector<CatalogueRow>& rows);
  std::vector<CatalogueRow> rows_;  // what ListView1 shows, row by row
  std::vector<ui::Control*> bulkGroup_, perWindowGroup_, newIconGroup_;
  bool autoRefreshArmed_ = false;

  // Per-window commands
  void BindWindowCommands();
  void SetTitleFromEdit();

  // Window arrangement and bulk commands
  void BindBulkCommands();

  // Global hotkeys
  void BindHotKeyDispatch();

  // Window icons, screenshots and executable icons
  void BindIcons();
  icons::WindowIconPanel::Controls WindowIconControls();
  icons::SelectionLink IconSelectionLink();
  icons::Screenshots::Links ScreenshotLinks();
  icons::ExeIconPanel::Controls ExeIconControls();
  icons::WindowIconPanel windowIcons_{WindowIconControls(), IconSelectionLink(), NewIconLoaded};
  icons::Screenshots screenshots_{ScreenshotLinks()};
  icons::ExeIconPanel exeIcon_{ExeIconControls()};

  // Start-up
  void ShowSplashIfPresent();
  void RegisterDefaultHotKeys();
  void ShowTrayIcon();
  void ApplyStartupRegistry();
  void ApplyShellToggleCaptions();
  RefreshKeyHookInstallation refreshKeyHook_;
  platform::UniqueIcon trayIconPicture_;

  // Main window life cycle, tray and exit
  void BindLifeCycle();  // also binds the tray and the exit commands
  void BindTray();
  void BindExit();
  void ShowToTrayBalloon();
  bool MainWindowShown() const;
  void ShowMainWindow();
};
