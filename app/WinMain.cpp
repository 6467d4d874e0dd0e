// Vantora's entry point.
#include <windows.h>
#include <commctrl.h>

#include "app/VantoraMain.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  auto& app = ui::Application::Instance();
  try {
    app.Initialize(instance, L"Vantora");
    TForm6 form;
    app.SetMainForm(&form);
    form.Show();
    return app.Run();
  } catch (...) {
    app.HandleException();
    return 0;
  }
}
