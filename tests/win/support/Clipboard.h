#pragma once
// The clipboard's text as another program reads it, with the plain Win32 calls.
#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

// Waits up to two seconds for the clipboard (another program may hold it open); nullopt when it
// stays taken or holds no text.
inline std::optional<std::wstring> ClipboardText() {
  bool open = false;
  for (int attempt = 0; attempt < 200 && !(open = ::OpenClipboard(nullptr) != FALSE); ++attempt) ::Sleep(10);
  if (!open) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

}  // namespace testsupport
