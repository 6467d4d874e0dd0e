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

  ui::GroupBox autoRefreshGroup{*this, options::OptionsRow("GroupBox1")};
  ui::CheckBox autoRefresh{*this, options::OptionsRow("CheckBox1")};
  ui::Label periodLabel{*this, options::OptionsRow("Label1")};
  ui::TrackBar periodSlider{*this, options::OptionsRow("TrackBar1"), 1, 300, 1, 5};
  ui::Label periodMin{*this, options::OptionsRow("Label2")};
  ui::Label periodValue{*this, options::OptionsRow("Label4")};
  ui::Label periodMax{*this, options::OptionsRow("Label3")};

  ui::GroupBox hotKeysGroup{*this, options::OptionsRow("GroupBox2")};
  ui::Label closeAllKeyLabel{*this, options::OptionsRow("Label5")};
  ui::HotKeyEdit closeAllKey{*this, options::OptionsRow("HotKey1")};
  ui::Button registerCloseAll{*this, options::OptionsRow("Button3")};
  ui::Label minimizeAllKeyLabel{*this, options::OptionsRow("Label6")};
  ui::HotKeyEdit minimizeAllKey{*this, options::OptionsRow("HotKey2")};
  ui::Button registerMinimizeAll{*this, options::OptionsRow("Button4")};
  ui::Label maximizeAllKeyLabel{*this, options::OptionsRow("Label7")};
  ui::HotKeyEdit maximizeAllKey{*this, options::OptionsRow("HotKey3")};
  ui::Button registerMaximizeAll{*this, options::OptionsRow("Button5")};
  ui::Label restoreAllKeyLabel{*this, options::OptionsRow("Label8")};
  ui::HotKeyEdit restoreAllKey{*this, options::OptionsRow("HotKey4")};
  ui::Button registerRestoreAll{*this, options::OptionsRow("Button6")};
  ui::Label halfOpacityKeyLabel{*this, options::OptionsRow("Label9")};
  ui::HotKeyEdit halfOpacityKey{*this, options::OptionsRow("HotKey5")};
  ui::Button registerHalfOpacity{*this, options::OptionsRow("Button7")};
  ui::Label fullOpacityKeyLabel{*this, options::OptionsRow("Label10")};
  ui::HotKeyEdit fullOpacityKey{*this, options::OptionsRow("HotKey6")};
  ui::Button registerFullOpacity{*this, options::OptionsRow("Button8")};

  ui::GroupBox skinGroup{*this, options::OptionsRow("GroupBox3")};
  ui::Label skinLabel{*this, options::OptionsRow("Label20")};
  ui::ComboBox skinName{*this, options::OptionsRow("ComboBox1"), {}};
  ui::CheckBox skinned{*this, options::OptionsRow("CheckBox6")};
  ui::Label saturationLabel{*this, options::OptionsRow("Label12")};
  ui::TrackBar saturationSlider{*this, options::OptionsRow("TrackBar2"), -100, 100, 0, 5};
  ui::Label saturationMin{*this, options::OptionsRow("Label15")};
  ui::Label saturationValue{*this, options::OptionsRow("Label18")};
  ui::Label saturationMax{*this, options::OptionsRow("Label16")};
  ui::Label hueLabel{*this, options::OptionsRow("Label11")};
  ui::TrackBar hueSlider{*this, options::OptionsRow("TrackBar3"), 0, 360, 0, 10};
  ui::Label hueMin{*this, options::OptionsRow("Label13")};
  ui::Label hueValue{*this, options::OptionsRow("Label19")};
  ui::Label hueMax{*this, options::OptionsRow("Label14")};
  ui::Button applyLook{*this, options::OptionsRow("Button9")};
  ui::Label animationLabel{*this, options::OptionsRow("Label17")};
  ui::CheckBox animateMouseEnter{*this, options::OptionsRow("CheckBox2")};
  ui::CheckBox animateMouseUp{*this, options::OptionsRow("CheckBox3")};
  ui::CheckBox animateMouseLeave{*this, options::OptionsRow("CheckBox4")};
  ui::CheckBox animateMouseDown{*this, options::OptionsRow("CheckBox5")};

  ui::Button ok{*this, options::OptionsRow("Button1")};
  ui::Button cancel{*this, options::OptionsRow("Button2")};

  // Set by "Ok" and "Cancel"; "Cancel" also sets DialogCancelled.
  bool DialogClosed = false;
  bool DialogCancelled = false;
  // Set while FormShow fills the skin box, whose change handler then does nothing.
  bool FillingSkinList = false;

  // closeAllKey ... fullOpacityKey, in the order of the ids 1 to 6.
  const std::array<ui::HotKeyEdit*, 6>& HotKeyEdits() const noexcept { return hotKeyEdits_; }
  // Shows the automatic refresh period (0: off) in the first group.
  void ShowPeriod(int seconds);

  // --- Automatic refresh ---
  void AutoRefreshClick();
  void PeriodSliderChange();
  void OkClick();      // "Ok"
  void CancelClick();  // "Cancel"

  // --- Hotkeys: each "Register" button registers its line's combination for its id ---
  void RegisterCloseAllClick() { RegisterHotKeyLine(0); }
  void RegisterMinimizeAllClick() { RegisterHotKeyLine(1); }
  void RegisterMaximizeAllClick() { RegisterHotKeyLine(2); }
  void RegisterRestoreAllClick() { RegisterHotKeyLine(3); }
  void RegisterHalfOpacityClick() { RegisterHotKeyLine(4); }
  void RegisterFullOpacityClick() { RegisterHotKeyLine(5); }

  // --- Skin ---
  void FormShow();
  void SkinNameChange();
  void SaturationSliderChange();
  void HueSliderChange();
  void ApplyLookClick();  // "Apply"
  void SkinnedClick();
  void AnimateMouseEnterClick() { AnimationBoxClick(animateMouseEnter); }
  void AnimateMouseUpClick() { AnimationBoxClick(animateMouseUp); }
  void AnimateMouseLeaveClick() { AnimationBoxClick(animateMouseLeave); }
  void AnimateMouseDownClick() { AnimationBoxClick(animateMouseDown); }

  void FormKeyUp(ui::KeyEvent& key);

 private:
  static ui::FormStyle Style();
  void BindEvents();
  void SetPeriodControlsEnabled(bool enabled);
  void RegisterHotKeyLine(size_t index);
  void AnimationBoxClick(ui::CheckBox& box);
  void RepaintDialog();

  options::OptionsLinks links_;
  std::array<ui::HotKeyEdit*, 6> hotKeyEdits_{&closeAllKey,   &minimizeAllKey, &maximizeAllKey,
                                              &restoreAllKey, &halfOpacityKey, &fullOpacityKey};
  bool showingSettings_ = false;  // FormShow writes the engine's settings into the boxes
};
