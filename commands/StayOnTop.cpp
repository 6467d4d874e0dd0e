// "Stay On Top Window": the selected window is re-placed at its own rectangle, above or among
// the ordinary windows.
#include "commands/WindowCommands.h"
#include "platform/WindowQueries.h"

namespace commands {

void WindowCommands::ApplyStayOnTop() {
  const HWND window = catalogue_.SelectedWindow();
  if (!window) return;
  const auto rect = platform::WindowRectangle(window);
  if (!rect) return;
  ::SetWindowPos(window, c_.stayOnTop.Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, rect->left, rect->top,
                 rect->right - rect->left, rect->bottom - rect->top, SWP_NOSENDCHANGING);
}

}  // namespace commands
