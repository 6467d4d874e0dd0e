#pragma once
// The options dialog: the automatic refresh period, the six hotkey combinations and the skin's
// settings. A dialog lives for one opening only (options::OptionsCommand builds and destroys it);
// what it leaves behind is written to the main window's objects it is given.
#include <array>

#include "catalogue/Catalogue.h"
#include "options/portable/OptionsLayout.h"
#include "platform/system/Hotkeys.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/OpenInstance.h"
#include "skin/portable/SkinEngine.h"

namespace options {

// What the dialog acts on; all of it belongs to the main window.
struct OptionsLinks {
  catalogue::Catalogue& windowList;  // its refresh period is taken when the dialog closes with "Ok"
  platform::GlobalHotKeys& hotKeys;  // the main window's registrations of the ids 1 to 6
  skin::SkinEngine& skin;
  ui::TrackBar& opacitySlider;  // the main window's sliders, focused after a change of look
  ui::TrackBar& taskbarSlider;
};

// Gives the main window's sliders the focus in turn, each only when it can take it, so that they
// redraw in the new look.
void RefocusMainSliders(const OptionsLinks& links);

}  // namespace options

class TForm10 : public ui::Form, public ui::OpenInstance<TForm10> {
 public:
  TForm10(const ui::FormKey& key, const options::OptionsLinks& links);

  ui::GroupBox GroupBox1{*this, options::OptionsRow("GroupBox1")};
  ui::CheckBox CheckBox1{*this, options::OptionsRow("CheckBox1")};
  ui::Label Label1{*this, options::OptionsRow("Label1")};
  ui::TrackBar TrackBar1{*this, options::OptionsRow("TrackBar1"), 1, 300, 1, 5};
  ui::Label Label2{*this, options::OptionsRow("Label2")};
  ui::Label Label4{*this, options::OptionsRow("Label4")};
  ui::Label Label3{*this, options::OptionsRow("Label3")};

  ui::GroupBox GroupBox2{*this, options::OptionsRow("GroupBox2")};
  ui::Label Label5{*this, options::OptionsRow("Label5")};
  ui::HotKeyEdit HotKey1{*this, options::OptionsRow("HotKey1")};
  ui::Button Button3{*this, options::OptionsRow("Button3")};
  ui::Label Label6{*this, options::OptionsRow("Label6")};
  ui::HotKeyEdit HotKey2{*this, options::OptionsRow("HotKey2")};
  ui::Button Button4{*this, options::OptionsRow("Button4")};
  ui::Label Label7{*this, options::OptionsRow("Label7")};
  ui::HotKeyEdit HotKey3{*this, options::OptionsRow("HotKey3")};
  ui::Button Button5{*this, options::OptionsRow("Button5")};
  ui::Label Label8{*this, options::OptionsRow("Label8")};
  ui::HotKeyEdit HotKey4{*this, options::OptionsRow("HotKey4")};
  ui::Button Button6{*this, options::OptionsRow("Button6")};
  ui::Label Label9{*this, options::OptionsRow("Label9")};
  ui::HotKeyEdit HotKey5{*this, options::OptionsRow("HotKey5")};
  ui::Button Button7{*this, options::OptionsRow("Button7")};
  ui::Label Label10{*this, options::OptionsRow("Label10")};
  ui::HotKeyEdit HotKey6{*this, options::OptionsRow("HotKey6")};
  ui::Button Button8{*this, options::OptionsRow("Button8")};

  ui::GroupBox GroupBox3{*this, options::OptionsRow("GroupBox3")};
  ui::Label Label20{*this, options::OptionsRow("Label20")};
  ui::ComboBox ComboBox1{*this, options::OptionsRow("ComboBox1"), {}};
  ui::CheckBox CheckBox6{*this, options::OptionsRow("CheckBox6")};
  ui::Label Label12{*this, options::OptionsRow("Label12")};
  ui::TrackBar TrackBar2{*this, options::OptionsRow("TrackBar2"), -100, 100, 0, 5};
  ui::Label Label15{*this, options::OptionsRow("Label15")};
  ui::Label Label18{*this, options::OptionsRow("Label18")};
  ui::Label Label16{*this, options::OptionsRow("Label16")};
  ui::Label Label11{*this, options::OptionsRow("Label11")};
  ui::TrackBar TrackBar3{*this, options::OptionsRow("TrackBar3"), 0, 360, 0, 10};
  ui::Label Label13{*this, options::OptionsRow("Label13")};
  ui::Label Label19{*this, options::OptionsRow("Label19")};
  ui::Label Label14{*this, options::OptionsRow("Label14")};
  ui::Button Button9{*this, options::OptionsRow("Button9")};
  ui::Label Label17{*this, options::OptionsRow("Label17")};
  ui::CheckBox CheckBox2{*this, options::OptionsRow("CheckBox2")};
  ui::CheckBox CheckBox3{*this, options::OptionsRow("CheckBox3")};
  ui::CheckBox CheckBox4{*this, options::OptionsRow("CheckBox4")};
  ui::CheckBox CheckBox5{*this, options::OptionsRow("CheckBox5")};

  ui::Button Button1{*this, options::OptionsRow("Button1")};
  ui::Button Button2{*this, options::OptionsRow("Button2")};

  // Set by "Ok" and "Cancel"; "Cancel" also sets DialogCancelled.
  bool DialogClosed = false;
  bool DialogCancelled = false;
  // Set while FormShow fills the skin box, whose change handler then does nothing.
  bool FillingSkinList = false;

  // HotKey1 ... HotKey6, in the order of the ids 1 to 6.
  const std::array<ui::HotKeyEdit*, 6>& HotKeyEdits() const noexcept { return hotKeyEdits_; }
  // Shows the automatic refresh period (0: off) in the first group.
  void ShowPeriod(int seconds);

  // --- Automatic refresh ---
  void CheckBox1Click();
  void TrackBar1Change();
  void Button1Click();  // "Ok"
  void Button2Click();  // "Cancel"

  // --- Hotkeys: each "Register" button registers its line's combination for its id ---
  void Button3Click() { RegisterHotKeyLine(0); }
  void Button4Click() { RegisterHotKeyLine(1); }
  void Button5Click() { RegisterHotKeyLine(2); }
  void Button6Click() { RegisterHotKeyLine(3); }
  void Button7Click() { RegisterHotKeyLine(4); }
  void Button8Click() { RegisterHotKeyLine(5); }

  // --- Skin ---
  void FormShow();
  void ComboBox1Change();
  void TrackBar2Change();
  void TrackBar3Change();
  void Button9Click();  // "Apply"
  void CheckBox6Click();
  void CheckBox2Click() { AnimationBoxClick(CheckBox2); }
  void CheckBox3Click() { AnimationBoxClick(CheckBox3); }
  void CheckBox4Click() { AnimationBoxClick(CheckBox4); }
  void CheckBox5Click() { AnimationBoxClick(CheckBox5); }

  void FormKeyUp(ui::KeyEvent& key);

 private:
  static ui::FormStyle Style();
  void BindEvents();
  void SetPeriodControlsEnabled(bool enabled);
  void RegisterHotKeyLine(size_t index);
  void AnimationBoxClick(ui::CheckBox& box);
  void RepaintDialog();

  options::OptionsLinks links_;
  std::array<ui::HotKeyEdit*, 6> hotKeyEdits_{&HotKey1, &HotKey2, &HotKey3, &HotKey4, &HotKey5, &HotKey6};
  bool showingSettings_ = false;  // FormShow writes the engine's settings into the boxes
};
