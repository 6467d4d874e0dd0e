#include "platform/system/Clipboard.h"

namespace platform {
namespace {

// Closes the clipboard this thread opened.
struct OpenedClipboard {
  ~OpenedClipboard() { ::CloseClipboard(); }
};

}  // namespace

DWORD ClipboardSequence() { return ::GetClipboardSequenceNumber(); }

bool ReplaceClipboardWithEmptyText(HWND owner) {
  if (!::OpenClipboard(owner)) return false;
  const OpenedClipboard opened;
  if (!::EmptyClipboard()) return false;
  HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 1);
  if (!text) return false;
  if (auto* bytes = static_cast<char*>(::GlobalLock(text))) {
    bytes[0] = '\0';
    ::GlobalUnlock(text);
  }
  // The clipboard owns the block once it accepted it; until then it is still ours to free.
  if (!::SetClipboardData(CF_TEXT, text)) {
    ::GlobalFree(text);
    return false;
  }
  return true;
}

}  // namespace platform
