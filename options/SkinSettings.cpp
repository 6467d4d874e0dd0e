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
    {&TForm10::CheckBox2, skin::kMouseEnter},
    {&TForm10::CheckBox3, skin::kMouseUp},
    {&TForm10::CheckBox4, skin::kMouseLeave},
    {&TForm10::CheckBox5, skin::kMouseDown},
};

}  // namespace

void TForm10::FormShow() {
  const skin::SkinEngine& engine = links_.skin;
  const options::SkinBoxFill fill = options::FillSkinBox(engine.SkinNames(), engine.SkinName());
  ComboBox1.SetItems(fill.items);
  if (fill.showsActiveName) {
    FillingSkinList = true;
    ComboBox1.SetItemIndex(fill.highlighted);
    ComboBox1.SetText(engine.SkinName());
    FillingSkinList = false;
  } else {
    ComboBox1.SetItemIndex(fill.highlighted);
  }

  TrackBar2.SetPosition(engine.Saturation());
  TrackBar3.SetPosition(engine.HueOffset());
  Label18.SetCaption(options::CurrentText(TrackBar2.Position()));
  Label19.SetCaption(options::CurrentText(TrackBar3.Position()));

  // The boxes show what the engine holds; their click handlers have nothing to write back.
  showingSettings_ = true;
  for (const AnimationBox& item : kAnimationBoxes)
    (this->*item.box).SetChecked((engine.AnimationEvents() & item.event) != 0);
  CheckBox6.SetChecked(engine.Active());
  showingSettings_ = false;
}

void TForm10::ComboBox1Change() {
  if (FillingSkinList) return;
  // Every edit of the text selects the skin typed so far; the engine ignores names it lacks.
  links_.skin.SetSkinName(ComboBox1.Text());
  RepaintDialog();
}

void TForm10::Button9Click() {
  links_.skin.SetSaturation(TrackBar2.Position());
  links_.skin.SetHueOffset(TrackBar3.Position());
  options::RefocusMainSliders(links_);
  RepaintDialog();
}

void TForm10::CheckBox6Click() {
  if (showingSettings_) return;
  links_.skin.SetActive(CheckBox6.Checked());
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

void TForm10::TrackBar2Change() { Label18.SetCaption(options::CurrentText(TrackBar2.Position())); }
void TForm10::TrackBar3Change() { Label19.SetCaption(options::CurrentText(TrackBar3.Position())); }

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
