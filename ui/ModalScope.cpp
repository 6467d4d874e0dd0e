#include "ui/ModalScope.h"

namespace ui {

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND modal, HWND keep) : modal_(modal), keep_(keep) {
  ::EnumThreadWindows(::GetCurrentThreadId(), &ThreadWindowsDisabled::Visit, reinterpret_cast<LPARAM>(this));
  if (failure_.Caught()) {
    Release();  // what was disabled before the failure is given back
    failure_.RethrowIfCaught();
  }
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() { Release(); }

void ThreadWindowsDisabled::Release() noexcept {
  for (HWND window : windows_)
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
}

BOOL CALLBACK ThreadWindowsDisabled::Visit(HWND window, LPARAM self) {
  auto& me = *reinterpret_cast<ThreadWindowsDisabled*>(self);
  return me.failure_.Guard(FALSE, [&] {
    const bool modal = me.modal_ && (window == me.modal_ || ::GetWindow(window, GW_OWNER) == me.modal_);
    if (!modal && window != me.keep_ && ::IsWindowEnabled(window)) {
      me.windows_.push_back(window);  // kept before it changes, so it is always given back
      ::EnableWindow(window, FALSE);
    }
    return TRUE;
  });
}

}  // namespace ui
