#include "ui/Look.h"

#include <uxtheme.h>
#include <vssym32.h>

namespace ui {

HBRUSH Look::Brush(COLORREF colour) {
  auto& brush = brushes_[colour];
  if (!brush) brush.reset(::CreateSolidBrush(colour));
  return brush.get();
}

void DrawPanelCaption(const PanelPaint& paint, COLORREF colour) {
  if (paint.caption.empty()) return;
  RECT r = paint.rect;
  platform::SelectRestorer font(paint.dc, paint.font);
  ::SetBkMode(paint.dc, TRANSPARENT);
  ::SetTextColor(paint.dc, colour);
  ::DrawTextW(paint.dc, paint.caption.c_str(), static_cast<int>(paint.caption.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TextColours NativeLook::FieldColours() const { return {::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW)}; }

// The themed push button's face with the glyph above the caption: the themed button's own
// layout of an image above text cuts wrapped captions short.
void NativeLook::PaintBitmapButton(const ButtonPaint& paint) {
  const bool pressed = paint.state == ButtonState::Pressed, disabled = paint.state == ButtonState::Disabled;
  RECT rect = paint.rect;
  ::FillRect(paint.dc, &rect, BackgroundBrush(paint.surface, paint.formColour));
  if (HTHEME theme = ::OpenThemeData(paint.window, L"BUTTON")) {
    const int state = disabled ? PBS_DISABLED : pressed ? PBS_PRESSED : PBS_NORMAL;
    ::DrawThemeBackground(theme, paint.dc, BP_PUSHBUTTON, state, &rect, nullptr);
    ::CloseThemeData(theme);
  } else {
    ::DrawFrameControl(paint.dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  }
  const int shift = pressed ? 1 : 0;
  const int top = rect.top + paint.glyphTop + shift;
  const SIZE glyph = paint.glyph ? paint.glyph->size : SIZE{0, 0};
  if (paint.glyph && paint.glyph->list) {
    ::ImageList_Draw(paint.glyph->list, 0, paint.dc, (rect.left + rect.right - glyph.cx) / 2 + shift, top,
                     ILD_TRANSPARENT);
  }
  RECT text{rect.left + 2 + shift, top + glyph.cy + 1, rect.right - 2 + shift, rect.bottom - 2};
  ::SetBkMode(paint.dc, TRANSPARENT);
  ::SetTextColor(paint.dc, ::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  platform::SelectRestorer font(paint.dc, paint.font);
  ::DrawTextW(paint.dc, paint.caption.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK);
  if (paint.focused) {
    RECT focus = rect;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(paint.dc, &focus);
  }
}

void NativeLook::PaintPanel(const PanelPaint& paint) {
  RECT r = paint.rect;
  ::FillRect(paint.dc, &r, Brush(paint.ownColour.value_or(Background(Surface::Window, paint.formColour))));
  ::DrawEdge(paint.dc, &r, BDR_RAISEDINNER, BF_RECT);
  DrawPanelCaption(paint, ::GetSysColor(COLOR_BTNTEXT));
}

void NativeLook::PaintBevel(HDC dc, const RECT& rect, bool vertical, Surface surface, COLORREF formColour) {
  RECT r = rect;
  ::FillRect(dc, &r, BackgroundBrush(surface, formColour));
  ::DrawEdge(dc, &r, EDGE_ETCHED, vertical ? BF_LEFT : BF_TOP);
}

}  // namespace ui
