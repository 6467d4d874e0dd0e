#include "app/VantoraMain.h"

#include <stdexcept>
#include <string>

#include "app/portable/MainLayout.h"
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
  style.color = kMainColour;
  style.minimizeBox = true;
  style.maximizeBox = false;
  return style;
}

platform::UniqueBitmap LoadPlaceholder() {
  return platform::UniqueBitmap(static_cast<HBITMAP>(::LoadImageW(ui::Application::Instance().InstanceHandle(),
                                                                  MAKEINTRESOURCEW(IDB_PLACEHOLDER), IMAGE_BITMAP,
                                                                  0, 0, LR_CREATEDIBSECTION)));
}
}  // namespace

ui::Placement TForm6::Place(std::string_view name) {
  const vantora::ControlLayout* row = vantora::FindMainControl(name);
  if (!row) throw std::logic_error("the main window's layout has no control named " + std::string(name));
  const auto b = vantora::MainControlBounds(*row);
  return ui::Placement{std::string(name), {b.left, b.top, b.width, b.height}, std::wstring(row->caption)};
}

TForm6::TForm6() : ui::Form(MainStyle()), sSkinManager1(skin::SkinFilesBesideProgram()) {
  ListView1.SetImages(ImageList1);
  Image6.SetBitmap(LoadPlaceholder());
  Image1.CopyPictureFrom(Image6);
  Image2.CopyPictureFrom(Image6);
  RadioButton1.SetHint(L"Save The Window's Large Icon");
  RadioButton2.SetHint(L"Save The Window's Small Icon");
  ApplyInitialStates();
  BuildMenus();
  ArrangeControls();
  BindCatalogue();
  BindWindowCommands();
  BindBulkCommands();
  BindHotKeyDispatch();
  BindIcons();
  BindLifeCycle();
  FormCreate();
}

TForm6::~TForm6() { DestroyHandle(); }

void TForm6::ApplyInitialStates() {
  for (const auto& row : vantora::MainWindowLayout()) {
    ui::Control* control = FindControl(std::string(row.name));
    if (!control) throw std::logic_error("the main window lacks the control " + std::string(row.name));
    if (row.flags & vantora::kChecked) static_cast<ui::CheckBox*>(control)->SetChecked(true);
    if (row.flags & vantora::kDisabled) control->SetEnabled(false);
    if (row.flags & vantora::kHidden) control->SetVisible(false);
  }
}

void TForm6::BuildMenus() {
  PopupMenu1.Add(L"MTT", L"&Send Vantora to Tray");
  PopupMenu1.Add(L"N1", L"-");
  PopupMenu1.Add(L"About1", L"About");
  PopupMenu1.Add(L"ExitVantora1", L"Exit Vantora");
  PopupMenu1.Add(L"ShutdownPC1", L"Shutdown PC");
  PopupMenu2.Add(L"SaveToFile1", L"Save As..");
  PopupMenu3.Add(L"MenuItem1", L"Save As..");
  TrayIcon1.popupMenu = &PopupMenu1;
  TrayIcon1.SetHint(L"Vantora");
}
