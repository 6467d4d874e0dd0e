#pragma once
// The standard controls of the form toolkit. Each is the Win32 control of its kind with its
// caption as window text, so screen readers and UI automation read what the user sees.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  Button(Form& form, const Placement& placement);
  void Click();  // as a mouse click does: raises OnClick when the button is enabled
  // A click then sets this result on the form, ending its ShowModal (an OK or Cancel button).
  void SetModalResult(ModalResult result) noexcept { modalResult_ = result; }
  std::function<void()> OnClick;
  // The state the button shows: disabled, held down, under the mouse or at rest.
  ButtonState State() const;
  // A push button (with or without a glyph) rather than a check box or radio button.
  bool IsPushButton() const noexcept { return kind_ == ButtonKind::Push || kind_ == ButtonKind::Bitmap; }

 protected:
  Button(Form& form, const Placement& placement, DWORD style, std::initializer_list<ControlKind> kinds);
  void HandleCommand(WORD code) override;
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  SIZE CaptionNeed() const override;
  ButtonPaint Describe(HDC dc, const RECT& rect) const;

 private:
  bool PaintedByLook() const;
  // After a message that may have changed the state: tells the look and repaints.
  void StateMayHaveChanged(ButtonEvent event);

  ModalResult modalResult_ = ModalResult::None;
  ButtonKind kind_;
  bool hot_ = false;                             // tracked here: the system's hot state is unreliable under Wine
  ButtonEvent mouseEvent_ = ButtonEvent::Other;  // the mouse message being handled
  ButtonState shown_ = ButtonState::Normal;
};

// A push button with a glyph above its caption, drawn by us: the themed button's own layout of
// an image above text cuts wrapped captions short.
class BitBtn : public Button {
 public:
  // `glyphResource` names the 32-pixel picture of 96 DPI; the same picture drawn at 40, 48 and
  // 64 pixels is under that id plus 10, 20 and 30, and the button shows the one for its DPI.
  BitBtn(Form& form, const Placement& placement, int glyphResource);
  // The glyph's own size, as drawn (no glyph: 0 x 0).
  SIZE GlyphSize();

 protected:
  void HandleDrawItem(const DRAWITEMSTRUCT& item) override;
  SIZE CaptionNeed() const override;
  HBRUSH HandleColor(HDC) override { return nullptr; }
  void HandleDpiChanged() override { glyphLoaded_ = false; }

 private:
  const Glyph* LoadedGlyph();
  // The size of picture drawn for the form's DPI and the resource id's offset that holds it.
  struct Drawn {
    int size, idOffset;
  };
  Drawn DrawnForDpi() const;

  int glyphResource_;
  bool glyphLoaded_ = false;
  platform::UniqueBitmap bitmap_;
  platform::UniqueImageList list_;
  Glyph glyph_;
};

class CheckBox : public Button {
 public:
  CheckBox(Form& form, const Placement& placement);
  bool Checked() const;
  // Changing the state from code raises OnClick, as a click would.
  void SetChecked(bool checked);

 protected:
  CheckBox(Form& form, const Placement& placement, DWORD style, ControlKind kind);
};

class RadioButton : public CheckBox {
 public:
  RadioButton(Form& form, const Placement& placement, bool startsGroup = false);
};

class GroupBox : public Control {
 public:
  GroupBox(Form& form, const Placement& placement);

 protected:
  int Layer() const override { return 1; }
  bool HoldsControls() const override { return true; }
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The frame paints no inside, and the form does not paint under its children.
  bool HandleEraseBackground(HDC dc) override;
};

class Label : public Control {
 public:
  // A width or height of 0 sizes a left-aligned label to its text; a centred one keeps its width.
  Label(Form& form, const Placement& placement, COLORREF color = RGB(0, 0, 0));

 protected:
  Bounds WindowBounds() const override;
  SIZE CaptionNeed() const override;
  HBRUSH HandleColor(HDC dc) override;

 private:
  Bounds AutoSized() const;
  COLORREF color_;
};

class Edit : public Control {
 public:
  Edit(Form& form, const Placement& placement);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }
  std::function<void()> OnChange;

 protected:
  void HandleCommand(WORD code) override;
  HBRUSH HandleColor(HDC dc) override;
};

class ComboBox : public Control {
 public:
  // An editable drop-down list; OnChange follows typing and selection alike.
  ComboBox(Form& form, const Placement& placement, const std::vector<std::wstring>& items);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }
  std::vector<std::wstring> Items() const;
  // Replaces the entries of the list, in the given order.
  void SetItems(const std::vector<std::wstring>& items);
  std::wstring ItemText(int index) const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::function<void()> OnChange;

 protected:
  Bounds WindowBounds() const override;
  void HandleCommand(WORD code) override;
  HBRUSH HandleColor(HDC dc) override;
  // Its edit part and list ask the combo box for their colours.
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class TrackBar : public Control {
 public:
  TrackBar(Form& form, const Placement& placement, int minimum, int maximum, int position, int tickFrequency = 1);
  int Position() const noexcept { return position_; }
  // Every change of the position, from code or from the user, raises OnChange.
  void SetPosition(int position);
  int Minimum() const;
  int Maximum() const;
  std::function<void()> OnChange;

 protected:
  void HandleScroll() override;
  LRESULT HandleNotify(NMHDR& header) override;

 private:
  int position_;
};

class HotKeyEdit : public Control {
 public:
  HotKeyEdit(Form& form, const Placement& placement);
  // The 16-bit shortcut value: virtual key in bits 0-12, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
  std::uint16_t ShortCut() const;
  void SetShortCut(std::uint16_t shortcut);

 protected:
  HBRUSH HandleColor(HDC dc) override;
};

// A raised panel that groups controls; the controls are siblings placed on top of it. Its
// caption, if any, is drawn in its middle.
class Panel : public Control {
 public:
  Panel(Form& form, const Placement& placement);
  // Fills the panel with a colour of its own, in every look, instead of the look's panel colour.
  void SetColor(COLORREF color);

 protected:
  int Layer() const override { return 2; }
  bool HoldsControls() const override { return true; }
  void HandleDrawItem(const DRAWITEMSTRUCT& item) override;
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::optional<COLORREF> colour_;
};

class Bevel : public Control {
 public:
  // A vertical line for a row flagged vertical, else a horizontal one.
  Bevel(Form& form, const Placement& placement);

 protected:
  int Layer() const override { return 1; }
  void HandleDrawItem(const DRAWITEMSTRUCT& item) override;
};

}  // namespace ui
