// The main window's own events: activation, the fade-out on closing, and the release of the
// hotkeys and the keyboard hook with the window.
#include "app/VantoraMain.h"
#include "platform/WindowRoutines.h"

void TForm6::BindLifeCycle() {
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  OnClose = [this] { FormClose(); };
  OnDestroy = [this] { FormDestroy(); };
  BindTray();
  BindExit();
}

void TForm6::FormActivate() {
  SetDoubleBuffered(true);
  RefreshCatalogue();
  UpdateSelectionState();
}

bool TForm6::FormCloseQuery() {
  platform::FadeWindow(Handle(), 100, 0);
  return true;
}

void TForm6::FormClose() { ExitProgram(); }

void TForm6::FormDestroy() {
  hotKeys_.UnregisterAll();  // ids 1 to 6, in the order they were registered
  refreshKeyHook_.Remove();
}
