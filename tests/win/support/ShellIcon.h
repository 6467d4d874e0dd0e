#pragma once
// Whether the notification area holds icon 1 of a window: the shell accepts a change only for an
// icon it holds, so a change of the tooltip tells. Used in-process and from the end-to-end
// driver, which does not link shell32: the function is looked up at run time.
#include <windows.h>
#include <shellapi.h>

namespace testsupport {

inline bool ShellHasIcon(HWND owner) {
  using NotifyFn = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
  static const auto notify = reinterpret_cast<NotifyFn>(
      reinterpret_cast<void*>(::GetProcAddress(::LoadLibraryW(L"shell32.dll"), "Shell_NotifyIconW")));
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = 1;
  data.uFlags = NIF_TIP;
  wcscpy(data.szTip, L"Vantora");
  return notify && notify(NIM_MODIFY, &data) != FALSE;
}

}  // namespace testsupport
