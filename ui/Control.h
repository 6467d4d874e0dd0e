#pragma once
// Base of every control of the form toolkit: a real Win32 child window created at a position
// given in 96-DPI client pixels, scaled to its form's DPI. Notifications that Windows sends to
// the parent are reflected back to the control, so each control raises its own events.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "ui/Look.h"
#include "ui/portable/Layout.h"

namespace ui {

class Form;

struct KeyEvent {
  WORD key = 0;
  bool shift = false, ctrl = false, alt = false;
  bool handled = false;  // a handler sets it to keep the control from acting on the key
};

enum class MouseButton { Left, Right, Middle };

// What a modal form answers; any value but None ends Form::ShowModal.
enum class ModalResult { None, Ok, Cancel, Abort, Retry, Ignore, Yes, No, Close };

// Mouse events in client coordinates, raised by a form or a control from its mouse messages.
struct MouseEvents {
  std::function<void(MouseButton, int x, int y)> OnMouseDown;
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(MouseButton, int x, int y)> OnMouseUp;

 protected:
  // Raises the event of a mouse message and leaves any other message alone. With `capture` the
  // window keeps the mouse from a button's down to its up, so a drag reports moves outside it.
  void RaiseMouseEvent(HWND window, UINT message, LPARAM lParam, bool capture);
};

struct FontSpec {
  int height = -11;  // in 96-DPI pixels, negative = character height
  bool bold = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Control : public MouseEvents {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  HWND Handle() const noexcept { return hwnd_; }
  const std::string& Name() const noexcept { return name_; }
  Form& Owner() const noexcept { return form_; }
  const Bounds& DesignBounds() const noexcept { return bounds_; }
  void SetDesignBounds(const Bounds& bounds);

  std::wstring Caption() const;
  virtual void SetCaption(const std::wstring& text);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  bool Visible() const;
  void SetVisible(bool visible);
  void SetFocus();
  void SetHint(const std::wstring& hint);
  // What a screen reader calls the control where its window text does not name it.
  void SetAccessibleName(std::wstring name) { accessibleName_ = std::move(name); }
  // With the capture on, the control keeps the mouse from a button down to its up, so a drag
  // reports moves (and the up) outside the control too.
  void SetMouseCapture(bool on) noexcept { captureMouse_ = on; }
  // The pointer's shape over the control: a system cursor (IDC_SIZEALL, ...).
  void SetCursor(LPCWSTR systemCursor) noexcept { cursor_ = ::LoadCursorW(nullptr, systemCursor); }
  // The control of a window of this thread, or null.
  static Control* FromHandle(HWND window);

  std::function<void(KeyEvent&)> OnKeyDown;
  std::function<void(KeyEvent&)> OnKeyUp;

 protected:
  // The placement's kind must be one of `kinds`: the member's type and its row agree.
  Control(Form& form, const Placement& placement, std::initializer_list<ControlKind> kinds, FontSpec font = {});

  // Creates the window; the derived constructor calls it once with its class and styles. The
  // row's hidden and disabled flags are applied here.
  void CreateWindowOfClass(const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle = 0);
  const std::wstring& InitialCaption() const noexcept { return initialCaption_; }
  bool HasFlag(unsigned flag) const noexcept { return (flags_ & flag) != 0; }
  virtual Bounds WindowBounds() const { return bounds_; }
  // The client size the caption needs in the control's font, in pixels; 0 where any will do.
  virtual SIZE CaptionNeed() const { return {0, 0}; }
  // The caption's extent in the control's font, in pixels: one line, or wrapped at `wrapWidth`;
  // 0 x 0 without a caption.
  SIZE MeasureCaption(int wrapWidth = 0) const;

  virtual void HandleCommand(WORD /*code*/) {}
  virtual LRESULT HandleNotify(NMHDR& /*header*/) { return 0; }
  virtual void HandleScroll() {}
  virtual void HandleDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // Background and text colours for WM_CTLCOLOR*: by default the look's background of what the
  // control stands on, behind the text.
  virtual HBRUSH HandleColor(HDC dc);
  // Messages to the control itself, before the common handling; true when consumed.
  virtual bool HandleOwnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
  // The class's own handling of a message.
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The look changed; the form repaints everything afterwards.
  virtual void LookChanged() {}
  Surface StandsOn() const noexcept { return onPanel_ ? Surface::Panel : Surface::Window; }
  // What any button-class control tells the look about itself: window, caption, font, surface,
  // colour and DPI. Kind, state and the rest are the control's own.
  ButtonPaint DescribeForLook(HDC dc, const RECT& rect) const;
  COLORREF SurfaceColour() const;
  HBRUSH SurfaceBrush() const;
  virtual void HandleDpiChanged() {}
  // WM_ERASEBKGND: true when the control filled its background itself.
  virtual bool HandleEraseBackground(HDC /*dc*/) { return false; }
  // Z layer: 0 controls, 1 lines and group frames, 2 panels; higher layers lie underneath.
  virtual int Layer() const { return 0; }
  // A panel or group box: the controls lying on it form a group of the tab order.
  virtual bool HoldsControls() const { return false; }

  const FontSpec& Font() const noexcept { return font_; }
  void Reposition();
  RECT ScaledEdges(const Bounds& b) const;
  void MoveTo(const RECT& r);

 private:
  friend class Form;
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  bool WantsMouse() const;
  LRESULT Subclassed(UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyDpi();
  SIZE Need();
  // Where the form's fitting of captions puts the control: its place unless it had to grow or move.
  void PlaceAt(const RECT& place, const RECT& fitted);
  HMENU ControlId() const;
  void RegisterHint(HWND tooltip) const;
  static constexpr UINT_PTR kFirstControlId = 1000;

  Form& form_;
  std::string name_;
  ControlKind kind_;
  std::wstring accessibleName_;
  Bounds bounds_;
  std::wstring initialCaption_;
  std::wstring hint_;
  unsigned flags_;
  bool onPanel_;
  FontSpec font_;
  HWND hwnd_ = nullptr;
  WNDPROC classProc_ = nullptr;
  bool captureMouse_ = false;
  HCURSOR cursor_ = nullptr;  // shared system cursor, never destroyed
  std::optional<SIZE> need_;  // measured once per caption and font
  RECT shown_{};              // where the window stands
  bool moved_ = false;        // away from its place, for its caption or a neighbour's
};

Look& CurrentLook();  // the application's

// Hover of the control that shows one. Wine reports WM_MOUSELEAVE only some 200 ms after the
// mouse has gone, so a mouse move over any other window of the program sends it at once.
void BeginHover(HWND window);
void EndHover(HWND window);  // when it is the one hovered
void MouseMovedOver(HWND window);

KeyEvent MakeKeyEvent(WPARAM key);
MouseButton MouseButtonOf(UINT message);  // of a WM_*BUTTONDOWN or WM_*BUTTONUP

}  // namespace ui
