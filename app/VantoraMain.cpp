#include "app/VantoraMain.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "app/portable/SelectionGroups.h"
#include "ui/Prompts.h"
#include "skin/SkinFolder.h"
#include "res/resource.h"

namespace {
constexpr COLORREF kMainColour = 10339534;  // red 206, green 196, blue 157

ui::FormStyle MainStyle() {
  ui::FormStyle style;
  style.className = L"TForm6";
  style.caption = L"Vantora - Desktop Customization Suite";
  style.clientWidth = vantora::kMainClientWidth;
  style.clientHeight = vantora::kMainClientHeight;
  style.columns.assign(std::begin(vantora::main_layout::kColumns), std::end(vantora::main_layout::kColumns));
  style.color = kMainColour;
  style.minimizeBox = true;
  style.maximizeBox = false;
  return style;
}

platform::UniqueBitmap LoadPlaceholder() {
  return platform::UniqueBitmap(
      static_cast<HBITMAP>(::LoadImageW(ui::Application::Instance().InstanceHandle(), MAKEINTRESOURCEW(IDB_PLACEHOLDER),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// The names of a control group, resolved on this form. Every name must be a row of the layout
// table, which the compiler checks.
template <size_t N>
std::vector<ui::Control*> Resolve(const ui::Form& form, const std::string_view (&names)[N]) {
  std::vector<ui::Control*> controls;
  for (auto name : names) controls.push_back(form.FindControl(std::string(name)));
  return controls;
}

template <size_t N>
constexpr bool AllInMainLayout(const std::string_view (&names)[N]) {
  for (auto name : names)
    if (!ui::FindRow(vantora::MainWindowLayout(), name)) return false;
  return true;
}
static_assert(AllInMainLayout(vantora::kBulkGroup) && AllInMainLayout(vantora::kPerWindowGroup) &&
              AllInMainLayout(vantora::kNewIconGroup));
static_assert(std::ranges::all_of(vantora::kNamedByLabel, [](const vantora::NamedByLabel& named) {
  return ui::FindRow(vantora::MainWindowLayout(), named.control) &&
         ui::FindRow(vantora::MainWindowLayout(), named.label);
}));

// Message boxes start a new line at a carriage return.
constexpr const wchar_t* kAboutText =
    L"Vantora V1.3\r"
    L"Made by Kestrelon Software, 2008\r"
    L"Contact: support@kestrelon.example";
constexpr const wchar_t* kHelpText =
    L"Windows Have 2 Different Icons, Small and Large. Choose Which One You Want To Save\r"
    L"The Default Is Entered For You\r"
    L"When You are Finished, Click On The Save Button";

}  // namespace

TForm6::TForm6(const ui::FormKey& key)
    : ui::Form(key, MainStyle()),
      windowList(*this,
                 {windowListView, rowImages, newTitle, stayOnTop, largeIcon, smallIcon, closeButtonToggle,
                  enabledToggle, Resolve(*this, vantora::kBulkGroup), Resolve(*this, vantora::kPerWindowGroup),
                  Resolve(*this, vantora::kNewIconGroup), armTimer, refreshTimer},
                 [this](HWND window) { return OwnWindow(window); }),
      windowCommands(windowList, {newTitle, opacitySlider, opacityValue, stayOnTop, enabledToggle, closeButtonToggle}),
      bulkCommands(*this, windowList),
      windowDialogs(*this, windowList, windowListView),
      skinEngine(skin::SkinFilesBesideProgram()) {
  placeholderPicture.SetBitmap(LoadPlaceholder());
  largeIcon.CopyPictureFrom(placeholderPicture);
  smallIcon.CopyPictureFrom(placeholderPicture);
  saveLargeIcon.SetHint(L"Save The Window's Large Icon");
  saveSmallIcon.SetHint(L"Save The Window's Small Icon");
  BuildMenus();
  NameForScreenReaders();
  ArrangeControls();
  BindEvents();
  BindIcons();
  FormCreate();
}

// The window list leaves out the program's own windows and its open options and information
// dialogs; the resize screen is listed like any other window.
bool TForm6::OwnWindow(HWND window) const {
  const auto is = [window](const ui::Form* form) { return form && form->Handle() == window; };
  return window == Handle() || window == ui::Application::Instance().Handle() || is(TForm10::Open()) ||
         is(TForm13::Open());
}

void TForm6::FormActivate() {
  SetDoubleBuffered(true);
  windowList.RefreshAndUpdate();
}

void TForm6::FormDestroy() {
  hotKeyActions.Keys().UnregisterAll();  // ids 1 to 6, in the order they were registered
  refreshKeyHook_.Remove();
}

void TForm6::WindowListKeyDown(ui::KeyEvent& key) {
  if (!key.ctrl && !key.alt && !key.shift && (key.key == VK_RETURN || key.key == VK_DELETE)) {
    key.handled = true;
    if (key.key == VK_RETURN)
      BringToFrontClick();
    else
      CloseWindowClick();
    return;
  }
  windowList.ListKeyDown(key);
}

// The list is the filter: typing there edits it. A text box keeps Ctrl+Z for its own text.
void TForm6::FormKeyDown(ui::KeyEvent& key) {
  if (!key.ctrl || key.alt) return;
  if (key.key == 'F') {
    windowListView.SetFocus();
    key.handled = true;
  } else if (key.key == 'Z' && !dynamic_cast<ui::Edit*>(ui::Control::FromHandle(::GetFocus()))) {
    UndoClick();
    key.handled = true;
  }
}

// The menu shows the selected window's states as the buttons beside the list do.
void TForm6::RowMenuPopup() {
  windowList.UpdateSelectionState();
  const bool selected = SelectedWindow() != nullptr;
  for (const auto& item : rowMenu.Items()) item->enabled = selected || item->name == L"GatherOffScreen";
  rowMenu.Item(L"StayOnTop").checked = selected && stayOnTop.Checked();
  rowMenu.Item(L"Enabled").caption = enabledToggle.Caption();
  auto& undo = rowMenu.Item(L"Undo");
  undo.enabled = !windowList.History().Empty();
  undo.caption = undo.enabled ? L"Undo " + windowList.History().NextCommand() : L"Undo";
}

void TForm6::NameForScreenReaders() {
  for (const auto& [control, label] : vantora::kNamedByLabel) {
    std::wstring name = FindControl(std::string(label))->Caption();
    for (size_t at = name.find(L"&&"); at != std::wstring::npos; at = name.find(L"&&", at + 1)) name.erase(at, 1);
    FindControl(std::string(control))->SetAccessibleName(std::move(name));
  }
  exitButton.SetAccessibleName(std::wstring(vantora::kExitButtonName));
}

void TForm6::AboutMenuClick() { ui::CurrentPrompts().Information(kAboutText); }
void TForm6::IconHelpClick() { ui::CurrentPrompts().Information(kHelpText); }

// The events of the main window and its tray icon, the catalogue, the window commands, the bulk
// commands, the shell toggles and system settings, the options, the hotkeys and the exit.
void TForm6::BindEvents() {
  refreshList.OnClick = [this] { RefreshListClick(); };
  windowListView.OnClick = [this] { WindowListClick(); };
  windowListView.OnKeyDown = [this](ui::KeyEvent& key) { WindowListKeyDown(key); };
  windowListView.OnKeyUp = [this](ui::KeyEvent& key) { WindowListKeyUp(key); };
  windowListView.OnCharacter = [this](wchar_t typed) { return WindowListCharacter(typed); };
  windowListView.OnContextMenu = [this](POINT at) { WindowListContextMenu(at); };
  windowListView.wantsEnterAndEscape = true;
  OnKeyDown = [this](ui::KeyEvent& key) { FormKeyDown(key); };
  rowMenu.OnPopup = [this] { RowMenuPopup(); };
  const std::pair<const wchar_t*, std::function<void()>> rowCommands[] = {
      {L"BringToFront", [this] { BringToFrontClick(); }},
      {L"Maximize", [this] { MaximizeClick(); }},
      {L"Minimize", [this] { MinimizeClick(); }},
      {L"Restore", [this] { RestoreClick(); }},
      {L"CloseWindow", [this] { CloseWindowClick(); }},
      {L"StayOnTop", [this] { stayOnTop.SetChecked(!stayOnTop.Checked()); }},
      {L"Enabled", [this] { EnabledToggleClick(); }},
      {L"WindowInfo", [this] { WindowInfoClick(); }},
      {L"ResizeWindow", [this] { ResizeWindowClick(); }},
      {L"Screenshot", [this] { ScreenshotWindowClick(); }},
      {L"MoveOntoMonitor", [this] { MoveOntoMonitorClick(); }},
      {L"GatherOffScreen", [this] { GatherOffScreenClick(); }},
      {L"Undo", [this] { UndoClick(); }},
  };
  for (const auto& [name, command] : rowCommands) rowMenu.Item(name).OnClick = command;
  armTimer.OnTimer = [this] { ArmTimerTick(); };
  refreshTimer.OnTimer = [this] { RefreshTimerTick(); };

  updateText.OnClick = [this] { UpdateTextClick(); };
  // The title is set when Enter is released, so the key-down has already reached the box.
  newTitle.OnKeyUp = [this](ui::KeyEvent& key) { NewTitleKeyDown(key); };
  maximize.OnClick = [this] { MaximizeClick(); };
  minimize.OnClick = [this] { MinimizeClick(); };
  restore.OnClick = [this] { RestoreClick(); };
  closeWindow.OnClick = [this] { CloseWindowClick(); };
  bringToFront.OnClick = [this] { BringToFrontClick(); };
  opacitySlider.OnChange = [this] { OpacitySliderChange(); };
  stayOnTop.OnClick = [this] { StayOnTopClick(); };
  enabledToggle.OnClick = [this] { EnabledToggleClick(); };
  closeButtonToggle.OnClick = [this] { CloseButtonToggleClick(); };
  resizeWindow.OnClick = [this] { ResizeWindowClick(); };
  windowInfo.OnClick = [this] { WindowInfoClick(); };

  cascade.OnClick = [this] { CascadeClick(); };
  tileHorizontal.OnClick = [this] { TileHorizontalClick(); };
  tileVertical.OnClick = [this] { TileVerticalClick(); };
  minimizeAll.OnClick = [this] { MinimizeAllClick(); };
  closeAll.OnClick = [this] { CloseAllClick(); };
  restoreAll.OnClick = [this] { RestoreAllClick(); };

  taskbarToggle.OnClick = [this] { TaskbarToggleClick(); };
  taskbarItemsToggle.OnClick = [this] { TaskbarItemsToggleClick(); };
  clockToggle.OnClick = [this] { ClockToggleClick(); };
  desktopIconsToggle.OnClick = [this] { DesktopIconsToggleClick(); };
  taskbarOpacitySlider.OnChange = [this] { TaskbarOpacityChange(); };
  browseWallpaper.OnClick = [this] { BrowseWallpaperClick(); };
  applyWallpaper.OnClick = [this] { ApplyWallpaperClick(); };
  changeBrowserTitle.OnClick = [this] { ChangeBrowserTitleClick(); };
  readBrowserTitle.OnClick = [this] { ReadBrowserTitleClick(); };
  swapMouse.OnClick = [this] { SwapMouseClick(); };
  unswapMouse.OnClick = [this] { UnswapMouseClick(); };
  clipboardToggle.OnClick = [this] { ClipboardToggleClick(); };
  clipboardTimer.OnTimer = [this] { ClipboardTick(); };
  startWithWindows.OnClick = [this] { StartWithWindowsClick(); };
  shutdown.OnClick = [this] { ShutdownClick(); };
  trayMenu.Item(L"ShutdownPC1").OnClick = [this] { ShutdownMenuClick(); };
  optionsButton.OnClick = [this] { OptionsClick(); };
  // The skinned look holds the engine's own notification: it repaints every form, then this.
  skinLook.OnAfterChange = [this] { SkinChanged(); };

  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  OnClose = [this] { FormClose(); };
  OnDestroy = [this] { FormDestroy(); };
  trayIcon.OnClick = [this] { TrayIconClick(); };
  trayMenu.OnPopup = [this] { TrayMenuPopup(); };
  trayMenu.Item(L"MTT").OnClick = [this] { TrayMenuToggleClick(); };
  trayMenu.Item(L"About1").OnClick = [this] { AboutMenuClick(); };
  trayMenu.Item(L"ExitVantora1").OnClick = [this] { ExitMenuClick(); };
  toTray.OnClick = [this] { ToTrayClick(); };
  trayIconToggle.OnClick = [this] { TrayIconToggleClick(); };
  aboutButton.OnClick = [this] { AboutClick(); };
  exitButton.OnClick = [this] { ExitClick(); };
  iconHelp.OnClick = [this] { IconHelpClick(); };

  AddMessageHandler([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_HOTKEY) return false;
    // A held combination acts once, however often the system repeats it.
    if (hotKeyActions.Keys().FirstOfPress(wParam, lParam)) DispatchHotKey(wParam);
    result = 0;
    return true;
  });
}

void TForm6::BuildMenus() {
  trayMenu.Add(L"MTT", vantora::kTrayMenuToggle.first);
  trayMenu.Add(L"N1", L"-");
  trayMenu.Add(L"About1", L"About");
  trayMenu.Add(L"ExitVantora1", L"Exit Vantora");
  trayMenu.Add(L"ShutdownPC1", L"Shutdown PC");
  largeIconMenu.Add(L"SaveToFile1", L"Save As..");
  smallIconMenu.Add(L"MenuItem1", L"Save As..");
  // The per-window commands under their buttons' captions, then the rescue of lost windows.
  const std::pair<const wchar_t*, const wchar_t*> rowItems[] = {{L"BringToFront", L"Bring To Front"},
                                                                {L"Maximize", L"Maximize"},
                                                                {L"Minimize", L"Minimize"},
                                                                {L"Restore", L"Restore"},
                                                                {L"CloseWindow", L"Close Window"},
                                                                {L"StayOnTop", L"Stay On Top Window"},
                                                                {L"Enabled", L"Disable Window"},
                                                                {L"WindowInfo", L"Window Info"},
                                                                {L"ResizeWindow", L"Resize Window"},
                                                                {L"Screenshot", L"Take ScreenShot of Selected Window"},
                                                                {L"N2", L"-"},
                                                                {L"MoveOntoMonitor", L"Move Onto This Monitor"},
                                                                {L"GatherOffScreen", L"Gather Off-Screen Windows"},
                                                                {L"Undo", L"Undo"}};
  for (const auto& [name, caption] : rowItems) rowMenu.Add(name, caption);
  trayIcon.popupMenu = &trayMenu;
  trayIcon.SetHint(L"Vantora");
}
