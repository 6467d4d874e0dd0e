// Ending the program: the confirmed exit commands and the common exit sequence.
#include <utility>

#include "app/VantoraMain.h"
#include "platform/Prompts.h"
#include "platform/Session.h"

namespace {
// The dialog objects belong to the command that opened them and waits for them to close; the
// exit only destroys their windows, once, and clears the reference so nothing reaches them again.
void DestroyDialogWindow(ui::Form*& dialog) {
  if (ui::Form* open = std::exchange(dialog, nullptr)) open->DestroyHandle();
}
}  // namespace

void TForm6::BindExit() {
  PopupMenu1.Item(L"ExitVantora1").OnClick = [this] { ExitVantora1Click(); };
  sBitBtn1.OnClick = [this] { sBitBtn1Click(); };
}

void TForm6::ExitVantora1Click() {
  if (platform::CurrentPrompts().Confirm(L"Are You Sure You Want To Exit?")) ExitProgram();
}

void TForm6::sBitBtn1Click() { ExitVantora1Click(); }

void TForm6::ExitProgram() {
  // None of the first steps reports a failure, so the process always reaches its end. Nothing
  // else shuts down in order: the system takes back the hotkeys, the hook and the instance record.
  platform::LogIfFailed(L"Removing the notification-area icon", TrayIcon1.SetVisible(false));
  DestroyDialogWindow(resizeDialog);
  DestroyDialogWindow(optionsDialog);
  auto& application = ui::Application::Instance();
  application.Terminate(0);
  platform::CurrentSession().TerminateOwnProcess(application.Handle(), 0);
}
