#pragma once
// The clipboard shared by every program of the desktop.
#include <windows.h>

namespace platform {

// The system's change counter of the clipboard (GetClipboardSequenceNumber): it moves on
// every change, by any program.
DWORD ClipboardSequence();

// Replaces whatever the clipboard holds by an empty text: opens it for `owner`, empties it
// (every format goes) and leaves one CF_TEXT block holding just the terminating zero. False
// when a step failed, typically because another program holds the clipboard open.
bool ReplaceClipboardWithEmptyText(HWND owner);

}  // namespace platform
