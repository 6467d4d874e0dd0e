#pragma once
// Whether what has just been done to windows has reached the screen, so that a picture taken now
// shows it: the waits before a screenshot and before the resize screen's frozen picture ask
// these between the messages they let run (ui::Application::WaitFor), with a time limit, since
// another program may paint late or never, then wait for the compositor.
#include <windows.h>

namespace platform {

// The window is the foreground window, shown, not minimized, and has nothing left to paint.
bool ShownInFront(HWND window);

// No shown top-level window has anything left to paint, ours or another program's; windows the
// system reports hung are not waited for.
bool DesktopPainted();

// Where the window manager composes the screen (always from Windows 8 on), what windows paint
// reaches the screen only with a later composed frame, and hiding a window repaints nothing below
// it, so the questions above are answered before the screen changes: this waits until the frames
// under way are shown (DwmFlush). Returns at once where nothing composes (Wine, Windows 7 with
// composition off, XP).
void AwaitComposedFrame();

}  // namespace platform
