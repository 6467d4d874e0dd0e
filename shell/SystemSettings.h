#pragma once
// Settings of the logged-on user: the wallpaper, the browser's title-bar text, the mouse
// buttons, the clipboard blocker, starting with Windows and shutting down. All registry access
// is under HKEY_CURRENT_USER; keys are created when missing, and one that can be neither
// opened nor created leaves its command without effect on the registry, silently.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/Error.h"
#include "ui/Components.h"
#include "ui/Controls.h"
#include "ui/FileDialog.h"

namespace shell {

// Writes the wallpaper's registry values (the picture, not tiled, stretched, origin 0,0) and
// has the system show it and keep it, all five values or none. Throws std::runtime_error,
// before anything is written, when the path names no file or a file that is no picture the
// system shows as a wallpaper (one whose header is cut short or declares an absurd size, an
// icon, a metafile), and when the system refuses to show it, with the system's reason, once
// the five values are back as they were.
void SetWallpaper(const std::wstring& picture);

// Enables the shutdown privilege and asks the system to end the session with these
// ExitWindowsEx flags and a planned shutdown reason. Success when the system accepted.
[[nodiscard]] platform::Outcome ShutdownComputer(UINT flags);

class SystemSettings {
 public:
  struct Controls {
    ui::Edit& wallpaperPath;     // read-only, filled by the browse button
    ui::Button& applyWallpaper;  // enabled once a picture was chosen
    ui::FileDialog& wallpaperDialog;
    ui::Edit& browserTitle;
    ui::Button& clipboardButton;   // "Disable Clipboard" / "Enable Clipboard"
    ui::Label& clipboardStatus;    // "Status: Clipboard Enabled" / "Status: Clipboard Disabled"
    ui::Timer& clipboardTimer;     // empties the clipboard on every tick while enabled
    ui::Button& startWithWindows;  // "Start on Windows Startup" / "Do Not Start on Windows Startup"
  };
  explicit SystemSettings(const Controls& controls) : controls_(controls) {}

  // Wallpaper: choose a picture, then apply it.
  void BrowseWallpaper();
  void ApplyWallpaper();

  // The browser's title-bar text, between the registry and its edit box. A value of another
  // type than a string is reported as RegistryTypeError and leaves the box as it was.
  void ReadBrowserTitle();
  void WriteBrowserTitle();

  // Throws std::runtime_error with the system's reason when it refuses.
  static void SwapMouseButtons(bool swapped);

  void ToggleClipboardBlocker();
  bool ClipboardBlocked() const noexcept { return controls_.clipboardTimer.Enabled(); }
  void ClipboardTick();

  // Once at start-up, and after each toggle: the button names the opposite of what Windows will
  // do at logon: start the program when the Run key holds it and Task Manager or Settings have
  // not switched it off (StartupApproved). Starting writes the Run value and switches such an
  // entry back on; not starting deletes the Run value. A toggle the registry refuses is
  // reported with the system's reason.
  void ShowStartWithWindowsState();
  void ToggleStartWithWindows();
  // Writes or removes the Run value; throws std::runtime_error with the user's sentence when the
  // registry refuses.
  static void SetStartWithWindows(bool start);

  // Both shutdown commands: asks, and powers off on Yes; a refusal is shown with its reason.
  static void ShutdownPC();

 private:
  Controls controls_;
  // The clipboard's sequence number right after our last wipe: while it has not moved, nothing
  // new was copied and the clipboard is left alone.
  std::optional<DWORD> wipedSequence_;
};

}  // namespace shell
