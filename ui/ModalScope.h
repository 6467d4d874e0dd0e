#pragma once
// While a modal form or one of the program's message boxes or file dialogs is open, the
// program's other windows take no clicks or keys, as under any modal dialog.
#include <windows.h>

#include <vector>

#include "platform/CallbackExceptions.h"

namespace ui {

// The calling thread's enabled top-level windows, disabled for the object's lifetime and enabled
// again after it, whatever way the modal loop ends. `modal` (with the windows it owns) and `keep`
// stay as they are: the modal window itself, and the window that owns a message box, which the
// box disables by itself.
class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled(HWND modal, HWND keep);
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;
  ~ThreadWindowsDisabled();

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM self);
  void Release() noexcept;
  HWND modal_, keep_;
  std::vector<HWND> windows_;
  platform::CallbackExceptions failure_;
};

}  // namespace ui
