// Vantora's entry point: one running copy per executable path, on a system it supports, with
// the main window until the message loop ends.
#include <windows.h>
#include <commctrl.h>

#include "app/CommandLineMain.h"
#include "app/InstanceGuard.h"
#include "app/VantoraMain.h"
#include "app/VersionGate.h"
#include "app/portable/VersionTable.h"
#include "platform/Error.h"
#include "ui/Prompts.h"

namespace {
constexpr int kMaximumInstances = 1;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A command line runs one command and ends, without a window of its own.
  if (const auto args = app::CommandLineArguments(); !args.empty()) return app::RunCommandLine(args);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  auto& app = ui::Application::Instance();
  try {
    // The application window exists (unshown) before the guard runs: the record carries its
    // handle, so that a later start can bring this one forward.
    app.Initialize(instance, L"Vantora");
    InstanceGuard guard(ProgramRecordName());
    try {
      if (guard.ActivatePreviousInstance(app.Handle(), kMaximumInstances)) return 0;
    } catch (const platform::Win32Error& error) {
      ui::CurrentPrompts().Error(SystemErrorText(error.code()));
      return 0;
    }
    app::ServeCommandLines(app.Handle());
    if (!vantora::IsSupportedVersion(ProbeWindowsVersion())) {
      ui::CurrentPrompts().Information(L"Operating System Too Old");
      return 0;
    }
    ui::Owned<TForm6> form;
    app.SetMainForm(&form);
    form.Show();
    return app.Run();  // the guard gives this copy's place back as it goes
  } catch (...) {
    app.HandleException();
    return 0;
  }
}
