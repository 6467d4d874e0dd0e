#include "app/ExitSequence.h"

#include "commands/VantoraResize.h"
#include "options/VantoraOptions.h"
#include "ui/Prompts.h"
#include "platform/system/Session.h"
#include "ui/Application.h"

namespace app {
namespace {

// The dialog objects belong to the command that opened them and waits for them to close; the
// exit only destroys their windows, which a second exit finds gone.
void DestroyDialogWindow(ui::Form* dialog) {
  if (dialog) dialog->DestroyHandle();
}

}  // namespace

void ExitSequence::ConfirmAndExit() {
  if (ui::CurrentPrompts().Confirm(L"Are You Sure You Want To Exit?")) Exit();
}

void ExitSequence::Exit() {
  // None of the first steps reports a failure, so the process always reaches its end. Nothing
  // else shuts down in order: the system takes back the hotkeys, the hook and the instance record.
  tray_.HideIcon();  // a failure goes to the debug log
  DestroyDialogWindow(TForm7::Open());
  DestroyDialogWindow(TForm10::Open());
  auto& application = ui::Application::Instance();
  application.Terminate(0);
  platform::CurrentSession().TerminateOwnProcess(application.Handle(), 0);
}

}  // namespace app
