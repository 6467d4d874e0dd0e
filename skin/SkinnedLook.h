#pragma once
// The skin engine's look: every form and control painted in the active skin's colours under
// its hue offset and saturation, bitmap-button glyphs tinted alike, and button faces that fade
// between their states on the mouse events the engine animates.
#include <map>
#include <string>
#include <tuple>

#include "ui/Look.h"
#include "skin/ButtonFades.h"
#include "skin/portable/SkinEngine.h"

namespace skin {

class SkinnedLook final : public ui::Look {
 public:
  explicit SkinnedLook(const SkinEngine& engine) : engine_(engine) {}

  // The engine's colours changed: brushes of the old colours go.
  void ColoursChanged() { ForgetBrushes(); }

  COLORREF Background(ui::Surface surface, COLORREF formColour) const override;
  COLORREF LabelText(COLORREF designed) const override;
  ui::TextColours FieldColours() const override;
  ui::TextColours ListColours() const override { return FieldColours(); }
  bool PaintsButton(ui::ButtonKind) const override { return true; }
  void PaintButton(const ui::ButtonPaint& paint) override;
  void PaintBitmapButton(const ui::ButtonPaint& paint) override;
  void PaintPanel(const ui::PanelPaint& paint) override;
  void PaintBevel(HDC dc, const RECT& rect, bool vertical, ui::Surface surface, COLORREF formColour) override;
  LRESULT TrackBarCustomDraw(NMCUSTOMDRAW& draw) override;
  LRESULT ListCustomDraw(NMLVCUSTOMDRAW& draw) override;
  LRESULT HeaderCustomDraw(NMCUSTOMDRAW& draw, HFONT font) override;
  void ButtonStateChanged(HWND button, ui::ButtonKind kind, ui::ButtonState from, ui::ButtonState to,
                          ui::ButtonEvent event) override;

 private:
  const Palette& Colours() const noexcept { return engine_.Colours(); }
  Rgb FaceOf(ui::ButtonKind kind, ui::ButtonState state) const;
  Rgb ShownFace(const ui::ButtonPaint& paint) const;
  void PaintFace(const ui::ButtonPaint& paint, const RECT& rect);
  void PaintCheck(const ui::ButtonPaint& paint);
  void PaintGroup(const ui::ButtonPaint& paint);
  void DrawCaption(const ui::ButtonPaint& paint, RECT rect, UINT format, bool disabled);
  // The glyph with the skin's tint, premultiplied for AlphaBlend; kept per skin, hue and saturation.
  HBITMAP TintedGlyph(const ui::Glyph& glyph);

  const SkinEngine& engine_;
  ButtonFades fades_;
  std::map<std::tuple<HBITMAP, std::wstring, int, int>, platform::UniqueBitmap> glyphs_;
};

}  // namespace skin
