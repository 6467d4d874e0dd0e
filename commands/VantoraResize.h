#pragma once
// The resize screen: a frozen picture of every monitor, lying one to one over the virtual screen,
// with a white panel where the target window is seen. The user drags the panel to move it and
// the handle at its south-east corner to resize it, then applies the panel's rectangle to the
// window or cancels.
#include <windows.h>

#include <functional>

#include "commands/portable/ResizeLayout.h"
#include "platform/UniqueHandle.h"
#include "platform/windows/VisibleBounds.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/OpenInstance.h"
#include "ui/Image.h"

namespace commands {

// The explanation on the white panel: white like it, its text wrapped and centred both ways.
class ModelNote : public ui::Label {
 public:
  ModelNote(ui::Form& form, const ui::Placement& placement);

 protected:
  ui::Bounds WindowBounds() const override;
  HBRUSH HandleColor(HDC dc) override;
};

}  // namespace commands

class TForm7 : public ui::Form, public ui::OpenInstance<TForm7> {
 public:
  // `mainWindow` is hidden while the screen is up and shown again when it ends; `applyTarget`
  // names the window "Apply" places (null: none).
  TForm7(const ui::FormKey& key, ui::Form& mainWindow, std::function<HWND()> applyTarget);

  // Stacked top to bottom in this order, as new child windows go underneath the earlier ones:
  // the corner handle over everything on the panel, so it always takes its own presses, the
  // buttons over the label, the panel's contents over the panel, and the picture under
  // everything.
  ui::Panel dragHandle{*this, commands::ResizeRow("Panel3")};  // the corner handle
  ui::Button cancel{*this, commands::ResizeRow("Button1")};    // "Cancel"
  ui::Button apply{*this, commands::ResizeRow("Button2")};     // "Apply"
  commands::ModelNote modelNote{*this, commands::ResizeRow("Label1")};
  ui::Panel modelPanel{*this, commands::ResizeRow("Shape1")};    // the model of the target window
  ui::Image frozenScreen{*this, commands::ResizeRow("Image1")};  // the frozen screen
  ui::Timer frontTimer{*this, 500, false};

  // The model's rectangle in screen pixels, the size at the start of a corner drag and the drag
  // states.
  commands::ResizeModel model;
  bool Finished = false;  // set by "Apply" and "Cancel"

  // Covers `desktop` (the virtual screen) with its picture and puts the model where the target
  // window is seen; "Apply" adds the invisible borders back.
  void Present(const platform::WindowBounds& target, platform::UniqueBitmap picture, const RECT& desktop);

  void FormCreate();
  void CancelClick();
  void ApplyClick();
  void DragHandleMouseDown(ui::MouseButton button, int x, int y);
  void DragHandleMouseMove(int x, int y);
  void DragHandleMouseUp(ui::MouseButton button, int x, int y);
  void ModelMouseDown(ui::MouseButton button, int x, int y);
  void ModelMouseMove(int x, int y);
  void ModelMouseUp(ui::MouseButton button, int x, int y);
  void FrontTimerTick();

 private:
  void BindEvents();
  void PlaceModel();  // the panel, its contents and the handle where the model says
  commands::ScreenFacts Screen() const;
  ui::Bounds OnForm(const ui::Bounds& screen) const;  // screen pixels to the form's client pixels
  void End();

  ui::Form& mainWindow_;
  std::function<HWND()> applyTarget_;
  POINT origin_{};  // the virtual screen's top-left corner, the form's client (0, 0)
  platform::FrameMargins margins_;
};
