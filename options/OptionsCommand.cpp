#include "options/OptionsCommand.h"

#include "ui/Application.h"

namespace options {

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
  if (HotKeysRemembered) {
    for (size_t i = 0; i < HotKeyShortCuts.size(); ++i) dialog.HotKeyEdits()[i]->SetShortCut(HotKeyShortCuts[i]);
  }
  dialog.ShowPeriod(links_.windowList.AutoRefreshPeriod());
  dialog.Show();

  // The rest of the program keeps running meanwhile: the main window, its timers and hotkeys.
  ui::Application::Instance().RunUntil([&dialog] { return dialog.DialogClosed || !dialog.Handle(); });
  // The program's exit destroys an open dialog: nothing of it is taken then.
  if (!dialog.DialogClosed) return;

  if (!dialog.DialogCancelled)
    links_.windowList.SetAutoRefreshPeriod(dialog.autoRefresh.Checked() ? dialog.periodSlider.Position() : 0);
  for (size_t i = 0; i < HotKeyShortCuts.size(); ++i) HotKeyShortCuts[i] = dialog.HotKeyEdits()[i]->ShortCut();
  HotKeysRemembered = true;
}

}  // namespace options
