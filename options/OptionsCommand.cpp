#include "options/OptionsCommand.h"

#include "platform/ui/Application.h"

namespace options {

namespace {

// Holds a value for a scope and puts the other back at its end, whatever way the scope ends.
template <class T>
class Setting {
 public:
  Setting(T& target, T during, T after) : target_(target), after_(after) { target_ = during; }
  Setting(const Setting&) = delete;
  Setting& operator=(const Setting&) = delete;
  ~Setting() { target_ = after_; }

 private:
  T& target_;
  T after_;
};

}  // namespace

void OptionsCommand::OpenFromButton() {
  openButton_.SetEnabled(false);
  try {
    RunOptionsDialog();
  } catch (...) {
    openButton_.SetEnabled(true);
    throw;
  }
  openButton_.SetEnabled(true);
}

void OptionsCommand::RunOptionsDialog() {
  ui::Owned<TForm10> dialog(links_);
  Setting<ui::Form*> listedAsOpen(openDialog_, &dialog, nullptr);
  if (HotKeysRemembered) {
    for (size_t i = 0; i < HotKeyShortCuts.size(); ++i) dialog.HotKeyEdits()[i]->SetShortCut(HotKeyShortCuts[i]);
  }
  dialog.ShowPeriod(links_.autoRefreshPeriod);
  dialog.Show();

  // The rest of the program keeps running meanwhile: the main window, its timers and hotkeys.
  ui::Application::Instance().RunUntil([&dialog] { return dialog.DialogClosed || !dialog.Handle(); });
  // The program's exit destroys an open dialog: nothing of it is taken then.
  if (!dialog.DialogClosed) return;

  if (!dialog.DialogCancelled) links_.autoRefreshPeriod = dialog.CheckBox1.Checked() ? dialog.TrackBar1.Position() : 0;
  for (size_t i = 0; i < HotKeyShortCuts.size(); ++i) HotKeyShortCuts[i] = dialog.HotKeyEdits()[i]->ShortCut();
  HotKeysRemembered = true;
}

}  // namespace options
