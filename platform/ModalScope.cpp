#include "platform/ModalScope.h"

namespace platform {

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND modal, HWND keep) : modal_(modal), keep_(keep) {
  ::EnumThreadWindows(::GetCurrentThreadId(), &ThreadWindowsDisabled::Visit, reinterpret_cast<LPARAM>(this));
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (HWND window : windows_)
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
}

BOOL CALLBACK ThreadWindowsDisabled::Visit(HWND window, LPARAM self) {
  auto& me = *reinterpret_cast<ThreadWindowsDisabled*>(self);
  const bool modal = me.modal_ && (window == me.modal_ || ::GetWindow(window, GW_OWNER) == me.modal_);
  if (!modal && window != me.keep_ && ::IsWindowEnabled(window)) {
    ::EnableWindow(window, FALSE);
    me.windows_.push_back(window);
  }
  return TRUE;
}

}  // namespace platform
