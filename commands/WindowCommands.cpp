#include "commands/WindowCommands.h"

#include <string>

#include "catalogue/portable/ToggleCaptions.h"
#include "platform/WindowRoutines.h"
#include "platform/Prompts.h"
#include "platform/WindowQueries.h"

namespace commands {

using catalogue::kCloseButtonToggle;
using catalogue::kEnabledToggle;

void WindowCommands::SetTitleFromEdit() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const std::wstring text = c_.title.Text();
  if (text.empty()) {
    platform::CurrentPrompts().Information(L"Please Enter Text");
    return;
  }
  platform::SetWindowTitle(window, text);  // blanks are a title like any other
  catalogue_.RefreshAndUpdate();
}

void WindowCommands::TitleKeyUp(const ui::KeyEvent& key) {
  // Shift, Ctrl and Alt do not matter, and the key is left to the box.
  if (key.key == VK_RETURN) SetTitleFromEdit();
}

void WindowCommands::ShowSelected(int showCommand) {
  if (const HWND window = catalogue_.SelectedWindow()) platform::ShowWindowState(window, showCommand);
}

void WindowCommands::CloseSelected() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  // A program that asks its own question on close may keep its window; it then stays listed.
  platform::RequestClose(window);
  catalogue_.RefreshAfterClosing();
}

void WindowCommands::BringSelectedToFront() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  platform::BringToForeground(window);
  catalogue_.RefreshAndUpdate();  // keeps the selected row index, not the window
}

void WindowCommands::ApplyOpacity() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const int position = c_.opacity.Position();
  platform::SetWindowOpacity(window, position);
  c_.opacityCaption.SetCaption(L"Current: " + std::to_wstring(position));
}

void WindowCommands::ToggleEnabled() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const bool disable = c_.enableToggle.Caption() == kEnabledToggle.first;
  platform::SetWindowEnabled(window, !disable);
  c_.enableToggle.SetCaption(disable ? kEnabledToggle.second : kEnabledToggle.first);
}

void WindowCommands::ToggleCloseButton() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const bool disable = c_.closeButtonToggle.Caption() == kCloseButtonToggle.first;
  platform::SetCloseButtonEnabled(window, !disable);
  c_.closeButtonToggle.SetCaption(disable ? kCloseButtonToggle.second : kCloseButtonToggle.first);
}

}  // namespace commands
