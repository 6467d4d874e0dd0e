// "Stay On Top Window": the selected window is re-placed at its own rectangle, above or among
// the ordinary windows. The check mark follows what the window reports afterwards.
#include "commands/WindowCommands.h"
#include "ui/CommandReports.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"

namespace commands {

void WindowCommands::ApplyStayOnTop() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  if (!platform::WindowRectangle(window)) return;
  const bool onTop = c_.stayOnTop.Checked();
  if (platform::IsWindowTopmost(window) != onTop) Remember(L"Stay On Top Window", window);
  const platform::Outcome placed = SetStayOnTop(window, onTop);
  const wchar_t* what = L"Placing the selected window on top or among the others";
  // A change of selection re-applies the window's own state, which no refusal takes from it.
  if (platform::IsWindowTopmost(window) == onTop) {
    platform::LogIfFailed(what, placed);
    return;
  }
  ui::ReportCommandFailure(what, placed);
  // Setting the mark runs this again, once, with the state the window has: a call without effect.
  c_.stayOnTop.SetChecked(!onTop);
}

platform::Outcome WindowCommands::SetStayOnTop(HWND window, bool onTop) {
  const auto rect = platform::WindowRectangle(window);
  if (!rect) return platform::Outcome::Failure(ERROR_INVALID_WINDOW_HANDLE);
  return platform::PositionWindow(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, *rect, SWP_NOSENDCHANGING);
}

}  // namespace commands
