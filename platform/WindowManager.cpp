#include "platform/WindowManager.h"

#include "platform/SystemFunctions.h"

namespace platform {

bool ReadWindowManagerAttribute(HWND window, DWORD attribute, void* value, DWORD size) {
  using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
  static const auto getAttribute =
      SystemFunction<GetAttributeFn>(L"dwmapi.dll", "DwmGetWindowAttribute", LibraryUse::LoadIfMissing);
  return getAttribute && SUCCEEDED(getAttribute(window, attribute, value, size));
}

}  // namespace platform
