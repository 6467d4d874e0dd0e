#pragma once
// A top-level window of the program with Delphi-like form events. Controls are members of the
// derived form; they register themselves here when constructed.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"
#include "ui/Control.h"

namespace ui {

class Button;

enum class BorderStyle { Single, None, Dialog };

struct FormStyle {
  std::wstring className;  // window class, e.g. "TForm6"
  std::wstring caption;
  int clientWidth = 0;  // 96-DPI pixels
  int clientHeight = 0;
  COLORREF color = RGB(240, 240, 240);
  BorderStyle border = BorderStyle::Single;
  bool systemMenu = true;
  bool minimizeBox = true;
  bool maximizeBox = false;
  bool stayOnTop = false;
  bool centred = true;
  bool ownedByApplication = true;  // false: no owner (a splash screen)
  // The form's size and its controls' bounds are physical pixels, never scaled for the DPI: a
  // form that must lie one to one on the screen. Fonts still follow the DPI.
  bool physicalPixels = false;
  // Parts of the form (96-DPI client pixels) that hold the controls lying in them as a panel does,
  // though nothing is drawn: the halves of a form a line divides. A caption is fitted within its
  // column and never crosses into the next.
  std::vector<Bounds> columns;
  std::wstring fontName = L"Tahoma";
  int fontHeight = -11;
};

template <class T>
class Owned;

// Only Owned can make one, so every form is built inside an Owned and destroyed through it.
class FormKey {
 public:
  FormKey(const FormKey&) = delete;
  FormKey& operator=(const FormKey&) = delete;

 private:
  FormKey() = default;
  template <class T>
  friend class Owned;
};

class Form : public MouseEvents {
 public:
  Form(const FormKey& key, const FormStyle& style);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND Handle() const noexcept { return hwnd_; }
  UINT Dpi() const noexcept { return dpi_; }
  int Scale(int designPixels) const;
  std::wstring Caption() const;
  void SetCaption(const std::wstring& caption);
  COLORREF Color() const noexcept { return style_.color; }  // as designed; the look may paint another
  void SetColor(COLORREF color);                            // repaints the form when its look follows the form's colour
  HBRUSH BackgroundBrush() const;                           // of the current look
  // Repaints the form and its controls once in the current look.
  void LookChanged();
  HFONT FontFor(const FontSpec& wanted);

  void Show();
  void Hide();
  bool Visible() const;
  void Close();  // asks the form to close, as the title-bar close button does
  void BringToFront();
  void SetDoubleBuffered(bool on);
  // Paints the form, its frame and all its controls again, now.
  void Repaint();
  // Destroys the window while the derived form is still alive, so OnDestroy can run.
  void DestroyHandle();
  // The form of a window of this program, or null.
  static Form* FromHandle(HWND window);

  // Shows the form with every other window of the program disabled and runs the messages until
  // the form's modal result is set, the form is closed (Cancel) or the program terminates.
  ModalResult ShowModal();
  ModalResult CurrentModalResult() const noexcept { return modalResult_; }
  void SetModalResult(ModalResult result) noexcept { modalResult_ = result; }
  bool Modal() const noexcept { return modal_; }

  // Places the window (its outer rectangle) on the screen in physical pixels; a physicalPixels
  // form keeps it through DPI changes.
  void SetScreenBounds(const RECT& bounds);

  // Form events.
  std::function<void()> OnShow;
  std::function<void()> OnActivate;
  std::function<bool()> OnCloseQuery;  // false keeps the form open
  std::function<void()> OnClose;
  std::function<void()> OnDestroy;
  std::function<void(KeyEvent&)> OnKeyDown;
  std::function<void(KeyEvent&)> OnKeyUp;
  // The mouse events (MouseEvents) come with the capture held from a button down to its up, so
  // a drag keeps reporting moves outside the form.

  // Extra message handling (timers, tray icon, hotkeys); a handler returns true when it consumed
  // the message and set the result.
  using MessageHandler = std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)>;
  int AddMessageHandler(MessageHandler handler);
  void RemoveMessageHandler(int token);

  // The buttons Enter and Escape press, as in a dialog: Enter presses the focused push button,
  // or the default button when the focus is elsewhere; Escape presses the cancel button.
  void SetDefaultButton(Button* button);
  void SetCancelButton(Button* button) noexcept { cancelButton_ = button; }

  const std::vector<Control*>& Controls() const noexcept { return controls_; }
  Control* FindControl(const std::string& name) const;
  // Stacks the controls: creation order from the top (also the tab order), but in reading order
  // within each panel or group box, with lines, frames and panels underneath the controls placed
  // on them; then makes room for every caption (FitCaptions). Call once all controls exist.
  void ArrangeControls();
  // The hints' tooltip window, made now if the pointer has not yet been over the form.
  HWND Tooltip();
  // Runs `change`, which may give several controls new captions, and makes room for them once
  // at the end rather than after each.
  template <class F>
  void ChangingCaptions(F&& change) {
    ++fitsHeld_;
    try {
      change();
    } catch (...) {
      ReleaseFits();
      throw;
    }
    ReleaseFits();
  }

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class Control;
  static LRESULT CALLBACK StaticWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Register(Control* control);
  void Unregister(Control* control);
  Control* ControlOf(HWND child) const;
  Control* GroupOf(const Control& control) const;
  void ApplyDpi(UINT dpi, const RECT* suggested);
  // Gives each control whose caption the font draws larger than its place the room it needs
  // within its row; again whenever a caption or the DPI changes.
  void FitCaptions();
  void CaptionNeedChanged();
  void ReleaseFits();  // the end of ChangingCaptions: the one refit it held back, if any
  HDC MeasuringDc();
  // WM_COMMAND of the dialog manager: IDOK for Enter, IDCANCEL for Escape.
  void DialogKey(WORD id);
  SIZE OuterSize() const;
  RECT ScreenRect() const;  // where the window goes, at the current DPI

  FormStyle style_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  std::map<std::pair<int, bool>, platform::UniqueFont> fonts_;
  platform::UniqueMemoryDc measuringDc_;
  std::vector<Control*> controls_;
  std::vector<std::pair<int, MessageHandler>> handlers_;
  int nextToken_ = 1;
  HWND tooltip_ = nullptr;
  Button* defaultButton_ = nullptr;
  Button* cancelButton_ = nullptr;
  bool hintsWaiting_ = false;  // a control has a hint and there is no tooltip window yet
  bool captionsFitted_ = false;
  int fitsHeld_ = 0;        // ChangingCaptions under way
  bool fitWanted_ = false;  // and a caption changed size meanwhile
  bool shownOnce_ = false;
  bool modal_ = false;
  ModalResult modalResult_ = ModalResult::None;
};

// A form as the program holds it: the final class, whose destructor destroys the window while
// the whole form is still alive, so OnDestroy and the last messages see a complete form.
// `ui::Owned<TForm6> form;` or `std::make_unique<ui::Owned<OptionsForm>>()`.
template <class T>
class Owned final : public T {
 public:
  template <class... Args>
  explicit Owned(Args&&... args) : T(FormKey{}, std::forward<Args>(args)...) {}
  ~Owned() override { this->DestroyHandle(); }
};

// DPI of a window (per-monitor aware where the system supports it).
UINT DpiOfWindow(HWND window);

}  // namespace ui
