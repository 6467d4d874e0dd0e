#include "options/VantoraOptions.h"

#include "options/portable/HotKeyTable.h"
#include "options/portable/OptionsText.h"
#include "ui/Prompts.h"
#include "ui/portable/HotKeyCodes.h"
#include "ui/Application.h"

ui::FormStyle TForm10::Style() {
  ui::FormStyle style;
  style.className = L"TForm10";
  style.caption = L"Options";
  style.clientWidth = options::kOptionsClientWidth;
  style.clientHeight = options::kOptionsClientHeight;
  style.systemMenu = false;
  style.minimizeBox = false;
  style.maximizeBox = false;
  style.stayOnTop = true;
  return style;
}

TForm10::TForm10(const ui::FormKey& key, const options::OptionsLinks& links) : ui::Form(key, Style()), links_(links) {
  for (size_t i = 0; i < hotKeyEdits_.size(); ++i) hotKeyEdits_[i]->SetShortCut(vantora::kHotKeys[i].ShortCut());
  ArrangeControls();
  BindEvents();
  // Enter takes the settings as "Ok" does (or presses the focused button), Escape is "Cancel".
  SetDefaultButton(&ok);
  SetCancelButton(&cancel);
}

void TForm10::BindEvents() {
  autoRefresh.OnClick = [this] { AutoRefreshClick(); };
  periodSlider.OnChange = [this] { PeriodSliderChange(); };
  ok.OnClick = [this] { OkClick(); };
  cancel.OnClick = [this] { CancelClick(); };
  registerCloseAll.OnClick = [this] { RegisterCloseAllClick(); };
  registerMinimizeAll.OnClick = [this] { RegisterMinimizeAllClick(); };
  registerMaximizeAll.OnClick = [this] { RegisterMaximizeAllClick(); };
  registerRestoreAll.OnClick = [this] { RegisterRestoreAllClick(); };
  registerHalfOpacity.OnClick = [this] { RegisterHalfOpacityClick(); };
  registerFullOpacity.OnClick = [this] { RegisterFullOpacityClick(); };
  OnShow = [this] { FormShow(); };
  skinName.OnChange = [this] { SkinNameChange(); };
  saturationSlider.OnChange = [this] { SaturationSliderChange(); };
  hueSlider.OnChange = [this] { HueSliderChange(); };
  applyLook.OnClick = [this] { ApplyLookClick(); };
  skinned.OnClick = [this] { SkinnedClick(); };
  animateMouseEnter.OnClick = [this] { AnimateMouseEnterClick(); };
  animateMouseUp.OnClick = [this] { AnimateMouseUpClick(); };
  animateMouseLeave.OnClick = [this] { AnimateMouseLeaveClick(); };
  animateMouseDown.OnClick = [this] { AnimateMouseDownClick(); };
  OnKeyUp = [this](ui::KeyEvent& key) { FormKeyUp(key); };
  // The dialog has no close button, but the keyboard's close command still reaches it: it counts
  // as "Cancel", so the wait for the dialog ends and the options button comes back.
  OnClose = [this] { CancelClick(); };
}

// --- Automatic refresh --------------------------------------------------------------------------

void TForm10::ShowPeriod(int seconds) {
  const bool on = seconds != 0;
  autoRefresh.SetChecked(on);
  SetPeriodControlsEnabled(on);
  if (!on) return;
  periodSlider.SetPosition(seconds);
  periodValue.SetCaption(options::PeriodText(seconds));
}

void TForm10::SetPeriodControlsEnabled(bool enabled) {
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&periodLabel, &periodMin, &periodMax, &periodValue, &periodSlider})
    control->SetEnabled(enabled);
}

void TForm10::AutoRefreshClick() { SetPeriodControlsEnabled(autoRefresh.Checked()); }  // the period counts at "Ok"
void TForm10::PeriodSliderChange() { periodValue.SetCaption(options::PeriodText(periodSlider.Position())); }

void TForm10::OkClick() {
  Hide();
  DialogClosed = true;
}

void TForm10::CancelClick() {
  Hide();
  DialogClosed = true;
  DialogCancelled = true;
}

// --- Hotkeys ------------------------------------------------------------------------------------

void TForm10::RegisterHotKeyLine(size_t index) {
  const int id = vantora::kHotKeys[index].id;
  // An empty control gives key 0 without modifiers, which goes to the system as it is.
  const ui::HotKeyCombination keys = ui::ShortCutToHotKey(hotKeyEdits_[index]->ShortCut());
  links_.hotKeys.Unregister(id);
  if (links_.hotKeys.Register(id, keys.modifiers, keys.virtualKey)) return;
  {
    // The dialog stays on top: the box must belong to it to be seen.
    ui::PromptsOwnedBy dialogOwned(Handle());
    ui::CurrentPrompts().Information(L"Error");
  }
  // Once more, in case the holder let go meanwhile; if not, the id stays without a combination
  // until a later registration succeeds.
  platform::LogIfFailed(L"Registering a hotkey again", links_.hotKeys.Register(id, keys.modifiers, keys.virtualKey));
}

void TForm10::FormKeyUp(ui::KeyEvent&) { Repaint(); }
