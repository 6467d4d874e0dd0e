#include "app/VantoraMain.h"

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
                 {ListView1, ImageList1, Edit1, CheckBox1, Image1, Image2, Button2, sButton25,
                  Resolve(*this, vantora::kBulkGroup), Resolve(*this, vantora::kPerWindowGroup),
                  Resolve(*this, vantora::kNewIconGroup), Timer2, DXTimer1},
                 [this](HWND window) { return OwnWindow(window); }),
      windowCommands(windowList, {Edit1, TrackBar1, Label3, CheckBox1, sButton25, Button2}),
      bulkCommands(*this, windowList),
      windowDialogs(*this, windowList, ListView1),
      sSkinManager1(skin::SkinFilesBesideProgram()) {
  Image6.SetBitmap(LoadPlaceholder());
  Image1.CopyPictureFrom(Image6);
  Image2.CopyPictureFrom(Image6);
  RadioButton1.SetHint(L"Save The Window's Large Icon");
  RadioButton2.SetHint(L"Save The Window's Small Icon");
  BuildMenus();
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

void TForm6::About1Click() { ui::CurrentPrompts().Information(kAboutText); }
void TForm6::Button9Click() { ui::CurrentPrompts().Information(kHelpText); }

// The events of the main window and its tray icon, the catalogue, the window commands, the bulk
// commands, the shell toggles and system settings, the options, the hotkeys and the exit.
void TForm6::BindEvents() {
  Button13.OnClick = [this] { Button13Click(); };
  ListView1.OnClick = [this] { ListView1Click(); };
  ListView1.OnKeyDown = [this](ui::KeyEvent& key) { ListView1KeyDown(key); };
  ListView1.OnKeyUp = [this](ui::KeyEvent& key) { ListView1KeyUp(key); };
  Timer2.OnTimer = [this] { Timer2Timer(); };
  DXTimer1.OnTimer = [this] { DXTimer1Timer(); };

  Button1.OnClick = [this] { Button1Click(); };
  // The title is set when Enter is released, so the key-down has already reached the box.
  Edit1.OnKeyUp = [this](ui::KeyEvent& key) { Edit1KeyDown(key); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  Button16.OnClick = [this] { sButton2Click(); };
  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  CheckBox1.OnClick = [this] { sCheckBox1Click(); };
  sButton25.OnClick = [this] { sButton25Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button7.OnClick = [this] { Button7Click(); };
  sButton1.OnClick = [this] { sButton1Click(); };

  Button15.OnClick = [this] { Button15Click(); };
  Button17.OnClick = [this] { Button17Click(); };
  Button22.OnClick = [this] { Button22Click(); };
  Button18.OnClick = [this] { Button18Click(); };
  Button19.OnClick = [this] { Button19Click(); };
  Button23.OnClick = [this] { Button23Click(); };

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
  sBitBtn4.OnClick = [this] { sBitBtn4Click(); };
  // The skinned look holds the engine's own notification: it repaints every form, then this.
  skinLook.OnAfterChange = [this] { sSkinManager1AfterChange(); };

  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  OnClose = [this] { FormClose(); };
  OnDestroy = [this] { FormDestroy(); };
  TrayIcon1.OnClick = [this] { TrayIcon1Click(); };
  PopupMenu1.OnPopup = [this] { PopupMenu1Popup(); };
  PopupMenu1.Item(L"MTT").OnClick = [this] { MTTClick(); };
  PopupMenu1.Item(L"About1").OnClick = [this] { About1Click(); };
  PopupMenu1.Item(L"ExitVantora1").OnClick = [this] { ExitVantora1Click(); };
  sBitBtn8.OnClick = [this] { sBitBtn8Click(); };
  sBitBtn6.OnClick = [this] { sBitBtn6Click(); };
  sBitBtn2.OnClick = [this] { sBitBtn2Click(); };
  sBitBtn1.OnClick = [this] { sBitBtn1Click(); };
  Button9.OnClick = [this] { Button9Click(); };

  AddMessageHandler([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_HOTKEY) return false;
    // A held combination acts once, however often the system repeats it.
    if (hotKeyActions.Keys().FirstOfPress(wParam, lParam)) DispatchHotKey(wParam);
    result = 0;
    return true;
  });
}

void TForm6::BuildMenus() {
  PopupMenu1.Add(L"MTT", vantora::kTrayMenuToggle.first);
  PopupMenu1.Add(L"N1", L"-");
  PopupMenu1.Add(L"About1", L"About");
  PopupMenu1.Add(L"ExitVantora1", L"Exit Vantora");
  PopupMenu1.Add(L"ShutdownPC1", L"Shutdown PC");
  PopupMenu2.Add(L"SaveToFile1", L"Save As..");
  PopupMenu3.Add(L"MenuItem1", L"Save As..");
  TrayIcon1.popupMenu = &PopupMenu1;
  TrayIcon1.SetHint(L"Vantora");
}
