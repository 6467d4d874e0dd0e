#include "skin/SkinnedLook.h"

#include <vector>

#include "skin/portable/GlyphTint.h"

namespace skin {
namespace {

using ui::ButtonKind;
using ui::ButtonState;

COLORREF Ref(Rgb c) { return RGB(c.r, c.g, c.b); }

// The engine's name for a mouse event; 0 for a change no mouse event made.
unsigned EngineEvent(ui::ButtonEvent event) {
  switch (event) {
    case ui::ButtonEvent::MouseEnter: return kMouseEnter;
    case ui::ButtonEvent::MouseLeave: return kMouseLeave;
    case ui::ButtonEvent::MouseDown: return kMouseDown;
    case ui::ButtonEvent::MouseUp: return kMouseUp;
    case ui::ButtonEvent::Other: break;
  }
  return 0;
}

int Scaled(const ui::ButtonPaint& paint, int pixels96) { return ::MulDiv(pixels96, paint.dpi, 96); }

// The caption's one-line extent in the paint's font, placed at the corner of `from`.
RECT MeasuredCaption(const ui::ButtonPaint& paint, RECT from = {}) {
  platform::SelectRestorer font(paint.dc, paint.font);
  ::DrawTextW(paint.dc, paint.caption.c_str(), -1, &from, DT_CALCRECT | DT_SINGLELINE);
  return from;
}

// Spacing between letters that makes the caption fit `width`: 0 when it fits as it is, else
// the few pixels less per letter that a slightly too long caption needs.
int TightSpacing(const ui::ButtonPaint& paint, int width) {
  const RECT measured = MeasuredCaption(paint);
  const int letters = static_cast<int>(paint.caption.size());
  if (measured.right <= width || letters < 2) return 0;
  return -((measured.right - width + letters - 2) / (letters - 1));
}

// Fills without a brush.
void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  ::SetBkColor(dc, colour);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// A pen of its own and a brush of the look, selected for one shape and put back afterwards.
class ShapeTools {
 public:
  ShapeTools(HDC dc, COLORREF line, HBRUSH fill, int width = 1)
      : pen_(::CreatePen(PS_SOLID, width, line)), pen(dc, pen_.get()), brush(dc, fill) {}

 private:
  platform::UniqueHandle<platform::traits::GdiObject<HPEN>> pen_;
  platform::SelectRestorer pen, brush;
};

}  // namespace

COLORREF SkinnedLook::Background(ui::Surface surface, COLORREF) const {
  return Ref(surface == ui::Surface::Panel ? Colours().panel : Colours().window);
}

// Labels drawn in a colour of their own (a status line) take the accent, which the engine
// keeps legible on the window and panels; all others take the text colour.
COLORREF SkinnedLook::LabelText(COLORREF designed) const {
  return Ref(designed == RGB(0, 0, 0) ? Colours().text : Colours().accent);
}

ui::TextColours SkinnedLook::FieldColours() const { return {Ref(Colours().text), Ref(Colours().panel)}; }

Rgb SkinnedLook::FaceOf(ButtonKind kind, ButtonState state) const {
  const Palette& p = Colours();
  switch (state) {
    case ButtonState::Hot: return p.buttonHot;
    case ButtonState::Pressed: return p.buttonPressed;
    case ButtonState::Disabled: return p.buttonDisabled;
    case ButtonState::Normal: break;
  }
  // The box of a check box or radio button at rest is a field, like an edit box.
  return kind == ButtonKind::Check || kind == ButtonKind::Radio ? p.panel : p.button;
}

Rgb SkinnedLook::ShownFace(const ui::ButtonPaint& paint) const {
  return fades_.Face(paint.window, FaceOf(paint.kind, paint.state));
}

void SkinnedLook::ButtonStateChanged(HWND button, ButtonKind kind, ButtonState from, ButtonState to,
                                     ui::ButtonEvent event) {
  if (!(engine_.AnimationEvents() & EngineEvent(event)) || to == ButtonState::Disabled ||
      from == ButtonState::Disabled) {
    fades_.Stop(button);  // a change the engine does not animate shows at once
    return;
  }
  // A fade starts from the colour shown now, which may be part of the way through another.
  const Rgb shown = fades_.Face(button, FaceOf(kind, from));
  fades_.Start(button, shown);
}

void SkinnedLook::DrawCaption(const ui::ButtonPaint& paint, RECT rect, UINT format, bool disabled) {
  ::SetBkMode(paint.dc, TRANSPARENT);
  ::SetTextColor(paint.dc, Ref(disabled ? Colours().disabledText : Colours().text));
  platform::SelectRestorer font(paint.dc, paint.font);
  ::DrawTextW(paint.dc, paint.caption.c_str(), -1, &rect, format);
}

// A rounded face in the state's colour, framed; the corners show what the button stands on.
void SkinnedLook::PaintFace(const ui::ButtonPaint& paint, const RECT& rect) {
  const bool disabled = paint.state == ButtonState::Disabled;
  Fill(paint.dc, rect, Background(paint.surface, paint.formColour));
  const Rgb border = disabled ? Colours().disabledText : paint.isDefault ? Colours().accent : Colours().border;
  ShapeTools tools(paint.dc, Ref(border), Brush(Ref(ShownFace(paint))));
  const int round = Scaled(paint, 5);
  ::RoundRect(paint.dc, rect.left, rect.top, rect.right, rect.bottom, round, round);
  if (paint.focused) {
    RECT focus = rect;
    ::InflateRect(&focus, -Scaled(paint, 2), -Scaled(paint, 2));
    ::FrameRect(paint.dc, &focus, Brush(Ref(Colours().accent)));
  }
}

void SkinnedLook::PaintButton(const ui::ButtonPaint& paint) {
  switch (paint.kind) {
    case ButtonKind::Check:
    case ButtonKind::Radio: PaintCheck(paint); return;
    case ButtonKind::Group: PaintGroup(paint); return;
    case ButtonKind::Push:
    case ButtonKind::Bitmap: break;
  }
  PaintFace(paint, paint.rect);
  RECT text = paint.rect;
  ::InflateRect(&text, -2, 0);
  if (paint.state == ButtonState::Pressed) ::OffsetRect(&text, 1, 1);
  // A caption a little wider than its button is set tighter rather than cut off at both ends.
  const int spacing = ::SetTextCharacterExtra(paint.dc, TightSpacing(paint, text.right - text.left));
  DrawCaption(paint, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, paint.state == ButtonState::Disabled);
  ::SetTextCharacterExtra(paint.dc, spacing);
}

void SkinnedLook::PaintBitmapButton(const ui::ButtonPaint& paint) {
  const bool pressed = paint.state == ButtonState::Pressed, disabled = paint.state == ButtonState::Disabled;
  PaintFace(paint, paint.rect);
  const int shift = pressed ? 1 : 0;
  const int top = paint.rect.top + paint.glyphTop + shift;
  const SIZE size = paint.glyph ? paint.glyph->size : SIZE{0, 0};
  const int left = (paint.rect.left + paint.rect.right - size.cx) / 2 + shift;
  if (paint.glyph && paint.glyph->bitmap) {
    if (HBITMAP tinted = TintedGlyph(*paint.glyph)) {
      platform::UniqueMemoryDc source(::CreateCompatibleDC(paint.dc));
      platform::SelectRestorer select(source.get(), tinted);
      // A disabled button's glyph is faded into its face.
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(disabled ? 110 : 255), AC_SRC_ALPHA};
      ::GdiAlphaBlend(paint.dc, left, top, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, blend);
    }
  } else if (paint.glyph && paint.glyph->list) {
    ::ImageList_Draw(paint.glyph->list, 0, paint.dc, left, top, ILD_TRANSPARENT);
  }
  RECT text{paint.rect.left + 2 + shift, top + size.cy + 1, paint.rect.right - 2 + shift, paint.rect.bottom - 2};
  DrawCaption(paint, text, DT_CENTER | DT_WORDBREAK, disabled);
}

// Our own box or circle: under Wine the control's glyph ignores the colours it is given.
void SkinnedLook::PaintCheck(const ui::ButtonPaint& paint) {
  const bool disabled = paint.state == ButtonState::Disabled;
  const RECT& r = paint.rect;
  Fill(paint.dc, r, Background(paint.surface, paint.formColour));
  const int box = Scaled(paint, 13);
  const int top = r.top + (r.bottom - r.top - box) / 2;
  const RECT mark{r.left, top, r.left + box, top + box};
  const Rgb line = disabled ? Colours().disabledText : Colours().border;
  const COLORREF accent = Ref(disabled ? Colours().disabledText : Colours().accent);
  {
    ShapeTools tools(paint.dc, Ref(line), Brush(Ref(ShownFace(paint))));
    if (paint.kind == ButtonKind::Radio)
      ::Ellipse(paint.dc, mark.left, mark.top, mark.right, mark.bottom);
    else
      ::Rectangle(paint.dc, mark.left, mark.top, mark.right, mark.bottom);
  }
  if (paint.checked) {
    if (paint.kind == ButtonKind::Radio) {
      const int inset = box / 4 + 1;
      ShapeTools tools(paint.dc, accent, Brush(accent));
      ::Ellipse(paint.dc, mark.left + inset, mark.top + inset, mark.right - inset, mark.bottom - inset);
    } else {
      ShapeTools tools(paint.dc, accent, Brush(accent), std::max(2, box / 6));
      const POINT tick[] = {{mark.left + box * 3 / 13, mark.top + box * 7 / 13},
                            {mark.left + box * 5 / 13, mark.top + box * 9 / 13},
                            {mark.left + box * 10 / 13, mark.top + box * 4 / 13}};
      ::Polyline(paint.dc, tick, 3);
    }
  }
  if (paint.caption.empty()) return;
  RECT text{mark.right + Scaled(paint, 4), r.top, r.right, r.bottom};
  DrawCaption(paint, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, disabled);
  if (paint.focused) {
    const RECT measured = MeasuredCaption(paint, text);
    const int h = measured.bottom - measured.top;
    RECT focus{text.left - 1, (r.top + r.bottom - h) / 2 - 1, std::min(r.right, measured.right + 1),
               (r.top + r.bottom + h) / 2 + 1};
    ::FrameRect(paint.dc, &focus, Brush(accent));
  }
}

// A panel-coloured frame with the caption across its top line.
void SkinnedLook::PaintGroup(const ui::ButtonPaint& paint) {
  const RECT& r = paint.rect;
  const COLORREF behind = Background(paint.surface, paint.formColour);
  Fill(paint.dc, r, behind);
  SIZE text{};
  {
    platform::SelectRestorer font(paint.dc, paint.font);
    ::GetTextExtentPoint32W(paint.dc, L"Ag", 2, &text);
  }
  {
    ShapeTools tools(paint.dc, Ref(Colours().border), Brush(Ref(Colours().panel)));
    const int round = Scaled(paint, 5);
    ::RoundRect(paint.dc, r.left, r.top + text.cy / 2, r.right, r.bottom, round, round);
  }
  if (paint.caption.empty()) return;
  RECT caption{r.left + Scaled(paint, 8), r.top, r.right - Scaled(paint, 8), r.top + text.cy};
  RECT measured = MeasuredCaption(paint, caption);
  measured.left -= 2;
  measured.right = std::min(caption.right, measured.right + 2);
  Fill(paint.dc, measured, behind);
  DrawCaption(paint, caption, DT_LEFT | DT_TOP | DT_SINGLELINE, paint.state == ButtonState::Disabled);
}

// A panel's own colour is what it shows (the resize screen's model of a window), so it stays.
void SkinnedLook::PaintPanel(const ui::PanelPaint& paint) {
  Fill(paint.dc, paint.rect, paint.ownColour.value_or(Ref(Colours().panel)));
  ::FrameRect(paint.dc, &paint.rect, Brush(Ref(Colours().border)));
  ui::DrawPanelCaption(paint, Ref(Colours().text));
}

void SkinnedLook::PaintBevel(HDC dc, const RECT& rect, bool vertical, ui::Surface surface, COLORREF formColour) {
  Fill(dc, rect, Background(surface, formColour));
  const RECT line = vertical ? RECT{rect.left, rect.top, rect.left + 1, rect.bottom}
                             : RECT{rect.left, rect.top, rect.right, rect.top + 1};
  Fill(dc, line, Ref(Colours().border));
}

// The channel and thumb are ours; the tick marks are the control's.
LRESULT SkinnedLook::TrackBarCustomDraw(NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const bool disabled = !::IsWindowEnabled(draw.hdr.hwndFrom);
  switch (draw.dwItemSpec) {
    case TBCD_CHANNEL:
      Fill(draw.hdc, draw.rc, Ref(Colours().panel));
      ::FrameRect(draw.hdc, &draw.rc, Brush(Ref(Colours().border)));
      return CDRF_SKIPDEFAULT;
    case TBCD_THUMB: {
      const Rgb face = disabled                                         ? Colours().buttonDisabled
                       : (draw.uItemState & (CDIS_HOT | CDIS_SELECTED)) ? Colours().buttonHot
                                                                        : Colours().accent;
      ShapeTools tools(draw.hdc, Ref(Colours().border), Brush(Ref(face)));
      ::RoundRect(draw.hdc, draw.rc.left, draw.rc.top, draw.rc.right, draw.rc.bottom, 3, 3);
      return CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
  }
}

LRESULT SkinnedLook::ListCustomDraw(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  const HWND list = draw.nmcd.hdr.hwndFrom;
  const int item = static_cast<int>(draw.nmcd.dwItemSpec);
  if (draw.nmcd.dwDrawStage == CDDS_ITEMPOSTPAINT) {
    // The text's background covers the text only: the icon's cell of a selected row is laid in
    // the selection's colour and its icon drawn again over it, with its transparency.
    LVITEMW query{};
    query.mask = LVIF_IMAGE;
    query.iItem = item;
    RECT cell{};
    if (ListView_GetItem(list, &query) && query.iImage >= 0 && ListView_GetItemRect(list, item, &cell, LVIR_ICON)) {
      Fill(draw.nmcd.hdc, cell, Ref(Colours().selection));
      ::ImageList_Draw(ListView_GetImageList(list, LVSIL_SMALL), query.iImage, draw.nmcd.hdc, cell.left, cell.top,
                       ILD_TRANSPARENT);
    }
    return CDRF_DODEFAULT;
  }
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  if (ListView_GetItemState(list, item, LVIS_SELECTED) & LVIS_SELECTED) {
    // The list would paint a selected row in the system's colours: it is told the row is not.
    draw.nmcd.uItemState &= ~CDIS_SELECTED;
    draw.clrText = Ref(Colours().selectionText);
    draw.clrTextBk = Ref(Colours().selection);
    return CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
  }
  draw.clrText = Ref(Colours().text);
  draw.clrTextBk = Ref(Colours().panel);
  return CDRF_NEWFONT;
}

LRESULT SkinnedLook::HeaderCustomDraw(NMCUSTOMDRAW& draw, HFONT font) {
  HWND header = draw.hdr.hwndFrom;
  const COLORREF face = Ref(Colours().button), line = Ref(Colours().border);
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT: {
      RECT r = draw.rc;
      Fill(draw.hdc, r, face);
      Fill(draw.hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, line);
      Fill(draw.hdc, RECT{r.right - 1, r.top + 3, r.right, r.bottom - 3}, line);
      wchar_t caption[256] = L"";
      HDITEMW item{};
      item.mask = HDI_TEXT;
      item.pszText = caption;
      item.cchTextMax = 256;
      ::SendMessageW(header, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
      r.left += 6;
      ::SetBkMode(draw.hdc, TRANSPARENT);
      ::SetTextColor(draw.hdc, Ref(Colours().text));
      platform::SelectRestorer select(draw.hdc, font);
      ::DrawTextW(draw.hdc, caption, -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
      return CDRF_SKIPDEFAULT;
    }
    case CDDS_POSTPAINT: {
      // The header's empty part right of the last column.
      RECT client{}, last{};
      ::GetClientRect(header, &client);
      const int count = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
      if (count > 0) ::SendMessageW(header, HDM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
      RECT rest{last.right, client.top, client.right, client.bottom};
      if (rest.left < rest.right) {
        Fill(draw.hdc, rest, face);
        Fill(draw.hdc, RECT{rest.left, rest.bottom - 1, rest.right, rest.bottom}, line);
      }
      return CDRF_DODEFAULT;
    }
    default: return CDRF_DODEFAULT;
  }
}

HBITMAP SkinnedLook::TintedGlyph(const ui::Glyph& glyph) {
  auto key = std::make_tuple(glyph.bitmap, engine_.SkinName(), engine_.HueOffset(), engine_.Saturation());
  if (auto found = glyphs_.find(key); found != glyphs_.end()) return found->second.get();
  if (glyphs_.size() >= 64) glyphs_.clear();  // a hue slider makes many; keep the recent ones
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), glyph.size.cx, -glyph.size.cy, 1, 32, BI_RGB};
  std::vector<std::uint8_t> pixels(static_cast<size_t>(glyph.size.cx) * glyph.size.cy * 4);
  {
    platform::WindowDc screen(nullptr);
    if (!::GetDIBits(screen.get(), glyph.bitmap, 0, glyph.size.cy, pixels.data(), &info, DIB_RGB_COLORS))
      return nullptr;
  }
  TintGlyphPixels(pixels, engine_.HueOffset(), engine_.Saturation(), AlphaForm::Straight);
  PremultiplyAlpha(pixels);
  void* bits = nullptr;
  platform::UniqueBitmap tinted(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!tinted) return nullptr;
  std::copy(pixels.begin(), pixels.end(), static_cast<std::uint8_t*>(bits));
  return (glyphs_[key] = std::move(tinted)).get();
}

}  // namespace skin
