// "Stay On Top Window": the selected window is re-placed at its own rectangle, above or among
// the ordinary windows.
#include "app/VantoraMain.h"
#include "platform/WindowQueries.h"

void TForm6::sCheckBox1Click() {
  const HWND window = SelectedWindow();
  if (!window) return;
  const auto rect = platform::WindowRectangle(window);
  if (!rect) return;
  ::SetWindowPos(window, CheckBox1.Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, rect->left, rect->top,
                 rect->right - rect->left, rect->bottom - rect->top, SWP_NOSENDCHANGING);
}
