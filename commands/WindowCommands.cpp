#include "commands/WindowCommands.h"

#include <string>
#include <vector>

#include "catalogue/portable/ToggleCaptions.h"
#include "ui/CommandReports.h"
#include "platform/windows/OffScreen.h"
#include "platform/windows/WindowArrangement.h"
#include "platform/windows/WindowRoutines.h"
#include "ui/Prompts.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/portable/Opacity.h"

namespace commands {

using catalogue::kCloseButtonToggle;
using catalogue::kEnabledToggle;

void WindowCommands::SetTitleFromEdit() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const std::wstring text = c_.title.Text();
  if (text.empty()) {
    ui::CurrentPrompts().Information(L"Please Enter Text");
    return;
  }
  // Blanks are a title like any other. The box and the list show the title read back.
  Remember(L"Update Text", window);
  ui::ReportCommandFailure(L"Setting the selected window's title", SetTitle(window, text));
  catalogue_.RefreshAndUpdate();
}

void WindowCommands::TitleKeyUp(const ui::KeyEvent& key) {
  // Shift, Ctrl and Alt do not matter, and the key is left to the box.
  if (key.key == VK_RETURN) SetTitleFromEdit();
}

void WindowCommands::ShowSelected(int showCommand) {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  Remember(showCommand == SW_SHOWMAXIMIZED ? L"Maximize"
           : showCommand == SW_MINIMIZE    ? L"Minimize"
                                           : L"Restore",
           window);
  ui::ReportCommandFailure(L"Showing the selected window", Show(window, showCommand));
}

void WindowCommands::CloseSelected() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  // A program that asks its own question on close may keep its window; it then stays listed.
  Remember(L"Close Window", window);
  ui::ReportCommandFailure(L"Asking the selected window to close", Close(window));
  catalogue_.RefreshAfterClosing({&window, 1});
}

void WindowCommands::BringSelectedToFront() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  platform::LogIfFailed(L"Bringing the selected window to the front", BringToFront(window));
  catalogue_.RefreshAndUpdate();  // keeps the selected row index, not the window
}

void WindowCommands::ApplyOpacity() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  // The label shows the opacity the window reports afterwards; a window left alone (it did not
  // answer, or refused) keeps the label as it was.
  const int position = c_.opacity.Position();
  Remember(L"Window Transparency", window, catalogue::UndoHistory::Kind::Continuing);
  const platform::Outcome set = SetOpacity(window, position);
  ui::ReportCommandFailure(L"Setting the selected window's opacity", set);
  if (!set) return;
  const BYTE alpha = platform::LayeredAlpha(window).value_or(vantora::OpacityAlpha(position));
  c_.opacityCaption.SetCaption(L"Current: " + std::to_wstring(vantora::OpacityPercent(alpha)));
}

// The toggles name what their next click does. After a click the caption follows what the
// window reports, never what was asked: a window that did not answer, or refused, keeps it.
void WindowCommands::ToggleEnabled() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const bool disable = c_.enableToggle.Caption() == kEnabledToggle.first;
  Remember(disable ? kEnabledToggle.first : kEnabledToggle.second, window);
  const platform::Outcome set = SetEnabled(window, !disable);
  ui::ReportCommandFailure(L"Enabling or disabling the selected window", set);
  if (!set) return;
  c_.enableToggle.SetCaption(::IsWindowEnabled(window) ? kEnabledToggle.first : kEnabledToggle.second);
}

void WindowCommands::ToggleCloseButton() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const bool disable = c_.closeButtonToggle.Caption() == kCloseButtonToggle.first;
  Remember(disable ? kCloseButtonToggle.first : kCloseButtonToggle.second, window);
  const platform::Outcome set = SetCloseButton(window, !disable);
  ui::ReportCommandFailure(L"Greying or enabling the selected window's close button", set);
  if (!set) return;
  const bool enabled = platform::SystemMenuCloseEnabled(window).value_or(!disable);
  c_.closeButtonToggle.SetCaption(enabled ? kCloseButtonToggle.first : kCloseButtonToggle.second);
}

platform::Outcome WindowCommands::SetTitle(HWND window, const std::wstring& text) {
  return platform::SetWindowTitle(window, text);
}
platform::Outcome WindowCommands::Show(HWND window, int showCommand) {
  return platform::ShowWindowState(window, showCommand);
}
platform::Outcome WindowCommands::Close(HWND window) { return platform::RequestClose(window); }
platform::Outcome WindowCommands::BringToFront(HWND window) { return platform::BringToForeground(window); }
platform::Outcome WindowCommands::SetOpacity(HWND window, int percent) {
  return platform::SetWindowOpacity(window, percent);
}
platform::Outcome WindowCommands::SetEnabled(HWND window, bool enabled) {
  return platform::SetWindowEnabled(window, enabled);
}
platform::Outcome WindowCommands::SetCloseButton(HWND window, bool enabled) {
  return platform::SetCloseButtonEnabled(window, enabled);
}
platform::Outcome WindowCommands::Place(HWND window, const RECT& rect) { return platform::PlaceWindow(window, rect); }

void WindowCommands::MoveSelectedOnto(HMONITOR monitor) {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  Remember(L"Move Onto This Monitor", window);
  ui::ReportCommandFailure(L"Moving the selected window onto the monitor", platform::MoveIntoWorkArea(window, monitor));
  catalogue_.RefreshAndUpdate();
}

void WindowCommands::GatherOffScreen(HMONITOR monitor) {
  std::vector<HWND> lost = catalogue_.Windows();
  std::erase_if(lost, platform::OnAnyMonitor);
  catalogue_.History().Record(L"Gather Off-Screen Windows", lost);
  for (HWND window : lost)
    platform::LogIfFailed(L"Gathering an off-screen window", platform::MoveIntoWorkArea(window, monitor));
  catalogue_.RefreshAndUpdate();
}

void WindowCommands::Remember(const std::wstring& command, HWND window, catalogue::UndoHistory::Kind kind) {
  catalogue_.History().Record(command, {&window, 1}, kind);
}

// The windows gone since the command are skipped; when none is left, nothing can be put back.
void WindowCommands::UndoLast() {
  const catalogue::UndoHistory::Result undone = catalogue_.History().Undo();
  if (undone.restored == 0 && undone.closed > 0) ui::CurrentPrompts().Information(kCannotReopen);
  catalogue_.RefreshAndUpdate();
}

}  // namespace commands
