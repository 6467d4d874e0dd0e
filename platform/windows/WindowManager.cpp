#include "platform/windows/WindowManager.h"

#include <dwmapi.h>

#include "platform/system/SystemFunctions.h"

namespace platform {

bool ReadWindowManagerAttribute(HWND window, DWORD attribute, void* value, DWORD size) {
  using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
  static const auto getAttribute =
      SystemFunction<GetAttributeFn>(L"dwmapi.dll", "DwmGetWindowAttribute", LibraryUse::LoadIfMissing);
  return getAttribute && SUCCEEDED(getAttribute(window, attribute, value, size));
}

bool SetWindowTransitions(HWND window, bool animated) {
  using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD);
  static const auto setAttribute =
      SystemFunction<SetAttributeFn>(L"dwmapi.dll", "DwmSetWindowAttribute", LibraryUse::LoadIfMissing);
  const BOOL disabled = animated ? FALSE : TRUE;
  return setAttribute && SUCCEEDED(setAttribute(window, DWMWA_TRANSITIONS_FORCEDISABLED, &disabled, sizeof disabled));
}

}  // namespace platform
