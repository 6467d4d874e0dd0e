#pragma once
// How the program's windows look. Every form and control asks the current look
// (Application::CurrentLook) for its colours, brushes and painters; none of them knows which look
// that is. The native look paints as the system does; another look is installed with
// Application::SetLook, and every open form is then repainted once.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <optional>
#include <string>

#include "platform/UniqueHandle.h"

namespace ui {

// What a control stands on: the form itself, or a panel or group box of it.
enum class Surface { Window, Panel };

enum class ButtonKind { Push, Bitmap, Check, Radio, Group };
enum class ButtonState { Normal, Hot, Pressed, Disabled };
// The mouse event that moved a button from one state to another; Other for any other cause
// (enabling, a change from code).
enum class ButtonEvent { MouseEnter, MouseLeave, MouseDown, MouseUp, Other };

struct TextColours {
  COLORREF text;
  COLORREF background;
};

// A button picture as loaded: 32-bit pixels with straight alpha, and the same picture in an
// image list for the native look.
struct Glyph {
  HBITMAP bitmap = nullptr;
  HIMAGELIST list = nullptr;
  SIZE size{};
};

// Everything a look needs to paint one button-class control (push, bitmap, check, radio, group).
struct ButtonPaint {
  HWND window = nullptr;
  HDC dc = nullptr;
  RECT rect{};
  ButtonKind kind = ButtonKind::Push;
  ButtonState state = ButtonState::Normal;
  bool checked = false;
  bool focused = false;
  bool isDefault = false;  // the push button Enter presses
  std::wstring caption;
  HFONT font = nullptr;
  Surface surface = Surface::Window;
  COLORREF formColour = 0;  // the form's own (designed) colour
  int dpi = 96;             // the control's, for the sizes of boxes and margins
  const Glyph* glyph = nullptr;
  int glyphTop = 0;  // a bitmap button's glyph: distance from the top
};

// A panel: raised, in the look's panel colour or a colour of its own, its caption centred.
struct PanelPaint {
  HDC dc = nullptr;
  RECT rect{};
  COLORREF formColour = 0;
  std::optional<COLORREF> ownColour;
  std::wstring caption;
  HFONT font = nullptr;
};

class Look {
 public:
  Look() = default;
  Look(const Look&) = delete;
  Look& operator=(const Look&) = delete;
  virtual ~Look() = default;

  // Background of the form (designed in `formColour`) or of the panels on it.
  virtual COLORREF Background(Surface surface, COLORREF formColour) const = 0;
  // Text of a label designed in `designed`.
  virtual COLORREF LabelText(COLORREF designed) const = 0;
  // Edit boxes, combo boxes and their lists, hotkey boxes.
  virtual TextColours FieldColours() const = 0;
  // List views: rows and the empty area below them.
  virtual TextColours ListColours() const = 0;

  // Painters. A look may leave push buttons, check boxes, radio buttons and group boxes to the
  // controls' own painting (PaintsButton false); bitmap buttons, panels and bevels it always
  // paints.
  virtual bool PaintsButton(ButtonKind kind) const = 0;
  virtual void PaintButton(const ButtonPaint& paint) = 0;
  virtual void PaintBitmapButton(const ButtonPaint& paint) = 0;
  virtual void PaintPanel(const PanelPaint& paint) = 0;
  virtual void PaintBevel(HDC dc, const RECT& rect, bool vertical, Surface surface, COLORREF formColour) = 0;
  // NM_CUSTOMDRAW answers of track bars, list-view rows and list-view headers.
  virtual LRESULT TrackBarCustomDraw(NMCUSTOMDRAW& draw) = 0;
  virtual LRESULT ListCustomDraw(NMLVCUSTOMDRAW& draw) = 0;
  virtual LRESULT HeaderCustomDraw(NMCUSTOMDRAW& draw, HFONT font) = 0;

  // A button changed its state; a look may fade between the two. The button is repainted
  // whatever the look does.
  virtual void ButtonStateChanged(HWND /*button*/, ButtonKind, ButtonState /*from*/, ButtonState /*to*/, ButtonEvent) {}

  // A solid brush of the colour, kept for the look's life.
  HBRUSH Brush(COLORREF colour);
  HBRUSH BackgroundBrush(Surface surface, COLORREF formColour) { return Brush(Background(surface, formColour)); }

 protected:
  // For a look whose colours change: the brushes of colours no longer used go. Only between
  // paints: a brush handed out for WM_CTLCOLOR* lives until the control has painted.
  void ForgetBrushes() { brushes_.clear(); }

 private:
  std::map<COLORREF, platform::UniqueBrush> brushes_;
};

// The system's own painting: forms and panels in the form's colour, controls as the system
// draws them.
class NativeLook final : public Look {
 public:
  COLORREF Background(Surface, COLORREF formColour) const override { return formColour; }
  COLORREF LabelText(COLORREF designed) const override { return designed; }
  TextColours FieldColours() const override;
  TextColours ListColours() const override { return FieldColours(); }
  bool PaintsButton(ButtonKind) const override { return false; }
  void PaintButton(const ButtonPaint&) override {}
  void PaintBitmapButton(const ButtonPaint& paint) override;
  void PaintPanel(const PanelPaint& paint) override;
  void PaintBevel(HDC dc, const RECT& rect, bool vertical, Surface surface, COLORREF formColour) override;
  LRESULT TrackBarCustomDraw(NMCUSTOMDRAW&) override { return CDRF_DODEFAULT; }
  LRESULT ListCustomDraw(NMLVCUSTOMDRAW&) override { return CDRF_DODEFAULT; }
  LRESULT HeaderCustomDraw(NMCUSTOMDRAW&, HFONT) override { return CDRF_DODEFAULT; }
};

// Both looks write a panel's caption the same way, in their own text colour.
void DrawPanelCaption(const PanelPaint& paint, COLORREF colour);

}  // namespace ui
