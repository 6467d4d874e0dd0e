// Everything the options dialog asks of the skin engine, in one place: filling the skin box and
// the look controls when the dialog shows, and writing each change back.
#include "options/VantoraOptions.h"
#include "options/portable/OptionsText.h"
#include "skin/portable/SkinEngine.h"
#include "ui/Application.h"

namespace options {

void RefocusMainSliders(const OptionsLinks& links) {
  // A slider of a hidden main window (in the tray) cannot take the focus: it is left alone.
  for (ui::TrackBar* slider : {&links.opacitySlider, &links.taskbarSlider})
    if (slider->Enabled() && slider->Visible() && slider->Owner().Visible()) slider->SetFocus();
}

}  // namespace options

namespace {

constexpr COLORREF kFlashGrey = 8421504;  // red, green and blue 128

struct AnimationBox {
  ui::CheckBox TForm10::*box;
  skin::AnimationEvent event;
};
constexpr AnimationBox kAnimationBoxes[] = {
    {&TForm10::animateMouseEnter, skin::kMouseEnter},
    {&TForm10::animateMouseUp, skin::kMouseUp},
    {&TForm10::animateMouseLeave, skin::kMouseLeave},
    {&TForm10::animateMouseDown, skin::kMouseDown},
};

}  // namespace

void TForm10::FormShow() {
  const skin::SkinEngine& engine = links_.skin;
  const options::SkinBoxFill fill = options::FillSkinBox(engine.SkinNames(), engine.SkinName());
  skinName.SetItems(fill.items);
  if (fill.showsActiveName) {
    FillingSkinList = true;
    skinName.SetItemIndex(fill.highlighted);
    skinName.SetText(engine.SkinName());
    FillingSkinList = false;
  } else {
    skinName.SetItemIndex(fill.highlighted);
  }

  saturationSlider.SetPosition(engine.Saturation());
  hueSlider.SetPosition(engine.HueOffset());
  saturationValue.SetCaption(options::CurrentText(saturationSlider.Position()));
  hueValue.SetCaption(options::CurrentText(hueSlider.Position()));

  // The boxes show what the engine holds; their click handlers have nothing to write back.
  showingSettings_ = true;
  for (const AnimationBox& item : kAnimationBoxes)
    (this->*item.box).SetChecked((engine.AnimationEvents() & item.event) != 0);
  skinned.SetChecked(engine.Active());
  showingSettings_ = false;
}

void TForm10::SkinNameChange() {
  if (FillingSkinList) return;
  // Every edit of the text selects the skin typed so far; the engine ignores names it lacks.
  links_.skin.SetSkinName(skinName.Text());
  RepaintDialog();
}

void TForm10::ApplyLookClick() {
  links_.skin.SetSaturation(saturationSlider.Position());
  links_.skin.SetHueOffset(hueSlider.Position());
  options::RefocusMainSliders(links_);
  RepaintDialog();
}

void TForm10::SkinnedClick() {
  if (showingSettings_) return;
  links_.skin.SetActive(skinned.Checked());
  options::RefocusMainSliders(links_);
  RepaintDialog();
}

void TForm10::AnimationBoxClick(ui::CheckBox& box) {
  if (showingSettings_) return;
  for (const AnimationBox& item : kAnimationBoxes) {
    if (&(this->*item.box) != &box) continue;
    const unsigned events = links_.skin.AnimationEvents();
    links_.skin.SetAnimationEvents(box.Checked() ? events | item.event : events & ~static_cast<unsigned>(item.event));
  }
}

void TForm10::SaturationSliderChange() {
  saturationValue.SetCaption(options::CurrentText(saturationSlider.Position()));
}
void TForm10::HueSliderChange() { hueValue.SetCaption(options::CurrentText(hueSlider.Position())); }

// The skinned controls repaint in the new look; the grey flash forces the dialog's background
// through a change of colour, and the dialog comes back in front of the focused main window.
void TForm10::RepaintDialog() {
  Repaint();
  const COLORREF own = Color();
  SetColor(kFlashGrey);
  SetColor(own);
  ui::Application::Instance().BringToFront();
  BringToFront();
}
