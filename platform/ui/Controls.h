#pragma once
// The standard controls of the form toolkit. Each is the Win32 control of its kind with its
// caption as window text, so screen readers and UI automation read what the user sees.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"
#include "platform/ui/Control.h"

namespace ui {

class Button : public Control {
 public:
  Button(Form& form, Bounds bounds, const std::wstring& caption);
  void Click();  // as a mouse click does: raises OnClick when the button is enabled
  std::function<void()> OnClick;

 protected:
  Button(Form& form, Bounds bounds, const std::wstring& caption, DWORD style);
  void HandleCommand(WORD code) override;
};

// A push button with a glyph above its caption.
class BitBtn : public Button {
 public:
  BitBtn(Form& form, Bounds bounds, const std::wstring& caption, int glyphResource);
  ~BitBtn() override;

 private:
  platform::UniqueImageList glyph_;
};

class CheckBox : public Button {
 public:
  CheckBox(Form& form, Bounds bounds, const std::wstring& caption);
  bool Checked() const;
  // Changing the state from code raises OnClick, as a click would.
  void SetChecked(bool checked);

 protected:
  CheckBox(Form& form, Bounds bounds, const std::wstring& caption, DWORD style);
};

class RadioButton : public CheckBox {
 public:
  RadioButton(Form& form, Bounds bounds, const std::wstring& caption, bool startsGroup = false);
};

class GroupBox : public Control {
 public:
  GroupBox(Form& form, Bounds bounds, const std::wstring& caption);
};

enum class Alignment { Left, Center };

class Label : public Control {
 public:
  // A width or height of 0 sizes the label to its text.
  Label(Form& form, Bounds bounds, const std::wstring& caption, FontSpec font = {},
        Alignment alignment = Alignment::Left, COLORREF color = RGB(0, 0, 0));
  void SetCaption(const std::wstring& text) override;

 protected:
  Bounds WindowBounds() const override;
  HBRUSH HandleColor(HDC dc) override;
  void HandleDpiChanged() override;

 private:
  Bounds AutoSized() const;
  COLORREF color_;
  bool autoWidth_, autoHeight_;
};

class Edit : public Control {
 public:
  Edit(Form& form, Bounds bounds, const std::wstring& text = L"", bool readOnly = false);
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
  ComboBox(Form& form, Bounds bounds, const std::vector<std::wstring>& items, const std::wstring& text);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& text) { SetCaption(text); }
  std::vector<std::wstring> Items() const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::function<void()> OnChange;

 protected:
  Bounds WindowBounds() const override;
  void HandleCommand(WORD code) override;
  HBRUSH HandleColor(HDC) override { return nullptr; }
};

class TrackBar : public Control {
 public:
  TrackBar(Form& form, Bounds bounds, int minimum, int maximum, int position, int tickFrequency = 1);
  int Position() const noexcept { return position_; }
  // Every change of the position, from code or from the user, raises OnChange.
  void SetPosition(int position);
  int Minimum() const;
  int Maximum() const;
  std::function<void()> OnChange;

 protected:
  void HandleScroll() override;

 private:
  int position_;
};

class HotKeyEdit : public Control {
 public:
  HotKeyEdit(Form& form, Bounds bounds);
  // The 16-bit shortcut value: virtual key in bits 0-12, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
  std::uint16_t ShortCut() const;
  void SetShortCut(std::uint16_t shortcut);

 protected:
  HBRUSH HandleColor(HDC) override { return nullptr; }
};

// A raised panel that groups controls; the controls are siblings placed on top of it.
class Panel : public Control {
 public:
  Panel(Form& form, Bounds bounds, const std::wstring& caption = L"");

 protected:
  void HandleDrawItem(const DRAWITEMSTRUCT& item) override;
};

enum class BevelShape { VerticalLine, HorizontalLine, Box };

class Bevel : public Control {
 public:
  Bevel(Form& form, Bounds bounds, BevelShape shape);
};

}  // namespace ui
