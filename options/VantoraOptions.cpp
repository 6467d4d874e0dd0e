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
  SetDefaultButton(&Button1);
  SetCancelButton(&Button2);
}

void TForm10::BindEvents() {
  CheckBox1.OnClick = [this] { CheckBox1Click(); };
  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  Button7.OnClick = [this] { Button7Click(); };
  Button8.OnClick = [this] { Button8Click(); };
  OnShow = [this] { FormShow(); };
  ComboBox1.OnChange = [this] { ComboBox1Change(); };
  TrackBar2.OnChange = [this] { TrackBar2Change(); };
  TrackBar3.OnChange = [this] { TrackBar3Change(); };
  Button9.OnClick = [this] { Button9Click(); };
  CheckBox6.OnClick = [this] { CheckBox6Click(); };
  CheckBox2.OnClick = [this] { CheckBox2Click(); };
  CheckBox3.OnClick = [this] { CheckBox3Click(); };
  CheckBox4.OnClick = [this] { CheckBox4Click(); };
  CheckBox5.OnClick = [this] { CheckBox5Click(); };
  OnKeyUp = [this](ui::KeyEvent& key) { FormKeyUp(key); };
  // The dialog has no close button, but the keyboard's close command still reaches it: it counts
  // as "Cancel", so the wait for the dialog ends and the options button comes back.
  OnClose = [this] { Button2Click(); };
}

// --- Automatic refresh --------------------------------------------------------------------------

void TForm10::ShowPeriod(int seconds) {
  const bool on = seconds != 0;
  CheckBox1.SetChecked(on);
  SetPeriodControlsEnabled(on);
  if (!on) return;
  TrackBar1.SetPosition(seconds);
  Label4.SetCaption(options::PeriodText(seconds));
}

void TForm10::SetPeriodControlsEnabled(bool enabled) {
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Label1, &Label2, &Label3, &Label4, &TrackBar1})
    control->SetEnabled(enabled);
}

void TForm10::CheckBox1Click() { SetPeriodControlsEnabled(CheckBox1.Checked()); }  // the period counts at "Ok"
void TForm10::TrackBar1Change() { Label4.SetCaption(options::PeriodText(TrackBar1.Position())); }

void TForm10::Button1Click() {
  Hide();
  DialogClosed = true;
}

void TForm10::Button2Click() {
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
