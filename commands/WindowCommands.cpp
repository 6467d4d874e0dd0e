// The commands on the selected window of the list. Each looks the window up when it runs and
// does nothing while no row is selected; the state the user sees afterwards (title, check mark,
// toggle captions) is read back from the window by the next UpdateSelectionState.
#include <string>

#include "app/VantoraMain.h"
#include "commands/WindowRoutines.h"
#include "platform/Prompts.h"
#include "platform/WindowMessages.h"
#include "platform/WindowQueries.h"

namespace {
constexpr const wchar_t* kDisableWindow = L"Disable Window";
constexpr const wchar_t* kEnableWindow = L"Enable Window";
constexpr const wchar_t* kDisableCloseButton = L"Disable Close Button";
constexpr const wchar_t* kEnableCloseButton = L"Enable Close Button";
}  // namespace

void TForm6::BindWindowCommands() {
  Button1.OnClick = [this] { Button1Click(); };
  // The title is set when Enter is released, so the key-down has already reached the box.
  Edit1.OnKeyUp = [this](ui::KeyEvent& key) { Edit1KeyDown(key); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button6.OnClick = [this] { Button6Click(); };
  Button16.OnClick = [this] { sButton2Click(); };
  TrackBar1.OnChange = [this] { TrackBar1Change(); };
  CheckBox1.OnClick = [this] { sCheckBox1Click(); };
  sButton25.OnClick = [this] { sButton25Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void TForm6::SetTitleFromEdit() {
  const HWND window = SelectedWindow();
  if (!window) return;
  const std::wstring text = Edit1.Text();
  if (text.empty()) {
    platform::CurrentPrompts().Information(L"Please Enter Text");
    return;
  }
  platform::SetWindowTitle(window, text);  // blanks are a title like any other
  RefreshCatalogue();
  UpdateSelectionState();
}

void TForm6::Button1Click() { SetTitleFromEdit(); }

void TForm6::Edit1KeyDown(ui::KeyEvent& key) {
  // Shift, Ctrl and Alt do not matter, and the key is left to the box.
  if (key.key == VK_RETURN) SetTitleFromEdit();
}

void TForm6::Button3Click() {
  if (const HWND window = SelectedWindow()) platform::ShowWindowState(window, SW_SHOWMAXIMIZED);
}

void TForm6::Button4Click() {
  if (const HWND window = SelectedWindow()) platform::ShowWindowState(window, SW_MINIMIZE);
}

void TForm6::Button5Click() {
  if (const HWND window = SelectedWindow()) platform::ShowWindowState(window, SW_RESTORE);
}

void TForm6::Button6Click() {
  const HWND window = SelectedWindow();
  if (!window) return;
  // Bounded: a program that stops answering must not freeze the list. One that asks its own
  // question on close may keep it; it then stays listed after the rebuild.
  platform::BoundedSend(window, WM_CLOSE, 0, 0, platform::kCloseRequestWait);
  ::Sleep(100);  // lets the window finish going away before the list is rebuilt
  RefreshCatalogue();
  UpdateSelectionState();
}

void TForm6::sButton2Click() {
  const HWND window = SelectedWindow();
  if (!window) return;
  ::SetForegroundWindow(window);
  RefreshCatalogue();  // keeps the selected row index, not the window
  UpdateSelectionState();
}

void TForm6::TrackBar1Change() {
  const HWND window = SelectedWindow();
  if (!window) return;
  const int position = TrackBar1.Position();
  SetWindowOpacity(window, position);
  Label3.SetCaption(L"Current: " + std::to_wstring(position));
}

void TForm6::sButton25Click() {
  const HWND window = SelectedWindow();
  if (!window) return;
  const bool disable = sButton25.Caption() == kDisableWindow;
  ::EnableWindow(window, disable ? FALSE : TRUE);
  sButton25.SetCaption(disable ? kEnableWindow : kDisableWindow);
}

void TForm6::Button2Click() {
  const HWND window = SelectedWindow();
  if (!window) return;
  const bool disable = Button2.Caption() == kDisableCloseButton;
  SetCloseButtonEnabled(window, !disable);
  Button2.SetCaption(disable ? kEnableCloseButton : kDisableCloseButton);
}
