#include "commands/VantoraResize.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/CommandReports.h"
#include "platform/windows/Monitors.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"

namespace commands {

ModelNote::ModelNote(ui::Form& form, const ui::Placement& placement) : ui::Label(form, placement) {
  Reposition();  // the label placed itself before this class could centre it
}

// A static control cannot centre its text vertically: the window is made as high as the
// wrapped text and put in the middle of the label's place, on the white panel.
ui::Bounds ModelNote::WindowBounds() const {
  ui::Bounds place = DesignBounds();
  if (!Handle() || place.width <= 0) return place;
  platform::WindowDc dc(Handle());
  platform::SelectRestorer font(dc.get(), Owner().FontFor(Font()));
  const std::wstring text = Caption();
  const int scale = Owner().Scale(100);
  RECT rect{0, 0, Owner().Scale(place.width), 0};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  const int height = std::min(place.height, ::MulDiv(rect.bottom, 100, scale));
  place.top += (place.height - height) / 2;
  place.height = height;
  return place;
}

HBRUSH ModelNote::HandleColor(HDC dc) {
  ::SetBkColor(dc, RGB(255, 255, 255));
  ::SetTextColor(dc, RGB(0, 0, 0));
  return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

}  // namespace commands

namespace {
ui::FormStyle ResizeStyle() {
  ui::FormStyle style;
  style.className = L"TForm7";
  style.caption = L"Resize";
  style.border = ui::BorderStyle::None;
  style.systemMenu = false;
  style.minimizeBox = false;
  style.stayOnTop = true;
  style.centred = false;
  style.physicalPixels = true;  // a pixel of the picture is a pixel of the screen
  style.color = ::GetSysColor(COLOR_BTNFACE);
  style.clientWidth = ::GetSystemMetrics(SM_CXSCREEN);
  style.clientHeight = ::GetSystemMetrics(SM_CYSCREEN);
  return style;
}
}  // namespace

TForm7::TForm7(const ui::FormKey& key, ui::Form& mainWindow, std::function<HWND()> applyTarget)
    : ui::Form(key, ResizeStyle()), mainWindow_(mainWindow), applyTarget_(std::move(applyTarget)) {
  modelPanel.SetColor(RGB(255, 255, 255));
  modelPanel.SetCursor(IDC_SIZEALL);
  modelNote.SetCursor(IDC_SIZEALL);
  dragHandle.SetCursor(IDC_SIZENWSE);
  BindEvents();
  FormCreate();
}

void TForm7::BindEvents() {
  cancel.OnClick = [this] { CancelClick(); };
  apply.OnClick = [this] { ApplyClick(); };
  // The drags keep the mouse until the button is released, also outside the pressed control.
  for (ui::Control* surface : {static_cast<ui::Control*>(&modelPanel), static_cast<ui::Control*>(&modelNote)}) {
    surface->SetMouseCapture(true);
    surface->OnMouseDown = [this](ui::MouseButton b, int x, int y) { ModelMouseDown(b, x, y); };
    surface->OnMouseMove = [this](int x, int y) { ModelMouseMove(x, y); };
    surface->OnMouseUp = [this](ui::MouseButton b, int x, int y) { ModelMouseUp(b, x, y); };
  }
  dragHandle.SetMouseCapture(true);
  dragHandle.OnMouseDown = [this](ui::MouseButton b, int x, int y) { DragHandleMouseDown(b, x, y); };
  dragHandle.OnMouseMove = [this](int x, int y) { DragHandleMouseMove(x, y); };
  dragHandle.OnMouseUp = [this](ui::MouseButton b, int x, int y) { DragHandleMouseUp(b, x, y); };
  frontTimer.OnTimer = [this] { FrontTimerTick(); };
  // Alt+F4 and other close requests change nothing: a run ends only through its buttons.
  OnCloseQuery = [] { return false; };
}

void TForm7::FormCreate() {
  model.Resizing = false;
  model.Moving = false;
  SetDoubleBuffered(true);
  Finished = false;
}

void TForm7::Present(const platform::WindowBounds& target, platform::UniqueBitmap picture, const RECT& desktop) {
  origin_ = {desktop.left, desktop.top};
  margins_ = target.Margins();
  frozenScreen.SetBitmap(std::move(picture));
  // Placed and laid out before it shows, so it is drawn once, where it belongs.
  SetScreenBounds(desktop);
  frozenScreen.SetDesignBounds({0, 0, desktop.right - desktop.left, desktop.bottom - desktop.top});
  const RECT& seen = target.visible;
  model.Start({seen.left, seen.top, seen.right - seen.left, seen.bottom - seen.top}, Dpi());
  PlaceModel();
  Show();
  BringToFront();
  frontTimer.SetEnabled(true);
}

commands::ScreenFacts TForm7::Screen() const {
  const ui::Bounds& m = model.shape;
  const RECT monitor = platform::MonitorOfRect(RECT{m.left, m.top, m.left + m.width, m.top + m.height}).monitor;
  return {{monitor.left, monitor.top, monitor.right - monitor.left, monitor.bottom - monitor.top}, Dpi()};
}

ui::Bounds TForm7::OnForm(const ui::Bounds& screen) const {
  return {screen.left - origin_.x, screen.top - origin_.y, screen.width, screen.height};
}

void TForm7::PlaceModel() {
  const commands::ModelContents contents = commands::LayOutContents(model.shape, Screen());
  modelPanel.SetDesignBounds(OnForm(model.shape));
  modelNote.SetDesignBounds(OnForm(contents.label));
  cancel.SetDesignBounds(OnForm(contents.cancel));
  apply.SetDesignBounds(OnForm(contents.apply));
  dragHandle.SetDesignBounds(OnForm(model.handle));
}

void TForm7::ModelMouseDown(ui::MouseButton, int x, int y) { model.ShapeDown(x, y); }

void TForm7::ModelMouseMove(int x, int y) {
  if (model.ShapeMove(x, y)) PlaceModel();
}

void TForm7::ModelMouseUp(ui::MouseButton, int, int) { model.ShapeUp(); }

void TForm7::DragHandleMouseDown(ui::MouseButton, int, int) { model.HandleDown(); }

void TForm7::DragHandleMouseMove(int x, int y) {
  if (model.HandleMove(x, y)) PlaceModel();
}

void TForm7::DragHandleMouseUp(ui::MouseButton, int, int) {
  model.HandleUp();
  PlaceModel();
}

void TForm7::FrontTimerTick() { BringToFront(); }

// "Apply": the window is seen where the model is (its invisible borders around it) and comes to
// the top of its band, activated.
void TForm7::ApplyClick() {
  frontTimer.SetEnabled(false);
  if (const HWND target = applyTarget_()) {
    const ui::Bounds& m = model.shape;
    const RECT seen{m.left, m.top, m.left + m.width, m.top + m.height};
    ui::ReportCommandFailure(
        L"Placing the resized window",
        platform::PositionWindow(target, HWND_TOP, platform::WindowRectFor(seen, margins_), SWP_NOSENDCHANGING));
  }
  End();
}

// "Cancel": the window is not touched.
void TForm7::CancelClick() {
  frontTimer.SetEnabled(false);
  End();
}

void TForm7::End() {
  Hide();
  mainWindow_.Show();
  Finished = true;
}
