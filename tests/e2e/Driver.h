#pragma once
// Drives vantora.exe (or any other program) from outside, through what Windows lets a second
// process see and do: its top-level windows and their controls, texts, clicks, list views,
// message boxes, the exit code, and pictures of the screen.
//
// Typical use in a test:
//
//   e2e::Process vantora;                                   // starts VANTORA_EXE_DIR/vantora.exe
//   HWND main = vantora.WaitForMainWindow();
//   HWND exit = e2e::ChildAt(main, L"Button", {886, 545});  // exitButton, the exit glyph
//   e2e::Click(exit);                                        // does not wait for the handler
//   HWND box = vantora.WaitForMessageBox(L"Confirm");
//   EXPECT_EQ(e2e::MessageBoxText(box), L"Are You Sure You Want To Exit?");
//   e2e::AnswerMessageBox(box, L"&Yes");
//   EXPECT_EQ(vantora.WaitForExit(), 0u);
//
// Every wait is bounded; nothing here blocks on a hung or busy target. A Process ends the
// program it started when it goes out of scope, whatever the test did.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UniqueHandle.h"

namespace e2e {

using Duration = std::chrono::milliseconds;
using namespace std::chrono_literals;

inline constexpr wchar_t kMainWindowClass[] = L"TForm6";
inline constexpr wchar_t kMainWindowCaption[] = L"Vantora - Desktop Customization Suite";
inline constexpr wchar_t kApplicationTitle[] = L"Vantora";  // also the caption of the program's message boxes
inline constexpr wchar_t kConfirmCaption[] = L"Confirm";
inline constexpr wchar_t kMessageBoxClass[] = L"#32770";

// --- Paths -----------------------------------------------------------------------------------

// A path as Windows functions take it. The build passes its folders as Unix paths; under Wine
// they are converted to the drive Wine maps them to, elsewhere they are returned unchanged.
std::wstring WindowsPath(const std::string& path);
// vantora.exe and the helper programs of the build (tests/helpers/*_helper.cpp).
std::wstring VantoraExePath();
std::wstring HelperExePath(const std::wstring& helperName);  // e.g. L"driver_target_helper"

// True under Wine (ntdll exports wine_get_version).
bool RunningOnWine();

// --- A 64-bit system ---------------------------------------------------------------------------

// True on a 64-bit system, whatever this driver's own bitness.
bool On64BitSystem();
// `name` in the system folder as the user names it ("C:\windows\system32\notepad.exe"), the
// path through which this driver reaches that very file (Sysnative under WOW64), and the same
// name in the 32-bit system folder (SysWOW64) of a 64-bit system.
std::wstring SystemFolderPath(const std::wstring& name);
std::wstring NativeSystemFolderPath(const std::wstring& name);
std::wstring Wow64FolderPath(const std::wstring& name);

// Runs the command line, without a window, and returns what it wrote to its standard output
// once it ended; nothing when it could not start or still runs after the timeout.
std::optional<std::string> OutputOf(const std::wstring& commandLine, Duration timeout = 15s);

// --- Waiting -----------------------------------------------------------------------------------

// Polls the condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, Duration timeout, Duration step = 25ms);

// --- A program under test ----------------------------------------------------------------------

class Process {
 public:
  // Starts the program in its own folder (so relative paths such as .\Skins resolve there).
  // ADD_FAILURE()s and leaves Started() false when it cannot.
  explicit Process(const std::wstring& exePath = VantoraExePath(), const std::wstring& arguments = {});
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();  // Stop()

  bool Started() const noexcept { return static_cast<bool>(process_); }
  DWORD Id() const noexcept { return id_; }
  bool Running() const;

  // This process's top-level windows, front to back, visible or not; the input-method windows
  // Wine gives every GUI thread are left out.
  std::vector<HWND> TopLevelWindows() const;
  // A top-level window of this process by class and caption (nullptr: any), or null.
  HWND FindTopLevel(const wchar_t* className, const wchar_t* caption) const;
  HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, Duration timeout = 20s) const;
  // The main window TForm6, once it exists and is visible.
  HWND WaitForMainWindow(Duration timeout = 30s) const;
  // A message box of this process with the caption ("Vantora", "Confirm", ...), or null.
  HWND WaitForMessageBox(const wchar_t* caption, Duration timeout = 10s) const;

  // The exit code once the process has ended, or nothing if it still runs after the timeout.
  std::optional<DWORD> WaitForExit(Duration timeout = 15s) const;
  // Ends the program: WM_CLOSE to its main window (as the title-bar close button does; another
  // program: to each of its visible top-level windows), then TerminateProcess if it is still
  // running after the grace time. Returns the exit code; a
  // terminated process reports kTerminatedExitCode.
  DWORD Stop(Duration grace = 15s);
  static constexpr DWORD kTerminatedExitCode = 0xDEAD;

 private:
  platform::UniqueKernelHandle job_;
  platform::UniqueKernelHandle process_;
  DWORD id_ = 0;
};

// --- Windows and controls ----------------------------------------------------------------------

std::wstring ClassOf(HWND window);
// The window's text through WM_GETTEXT (bounded): what the user reads on the control. For a
// combo box this is the text of its edit field.
std::wstring TextOf(HWND window);
// WM_SETTEXT (bounded); true when the window accepted it.
bool SetText(HWND window, const std::wstring& text);

// The direct children of parent with this class and window text, in Z order (FindWindowExW;
// nullptr matches any). The text is the raw caption: "Options && Hotkeys", not "Options & Hotkeys".
std::vector<HWND> FindChildren(HWND parent, const wchar_t* className, const wchar_t* caption);
HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* caption);  // the first, or null
// How far a control may stand from its layout place: where the font draws a caption wider or
// taller than its place, the form moves or widens the controls of that row by a few pixels.
inline constexpr int kCaptionRoom = 12;
// Of the windows, the one whose top-left corner (parent's client coordinates) is nearest the
// point, no more than kCaptionRoom away on either axis; null when none is.
HWND NearestAt(const std::vector<HWND>& windows, POINT topLeft);
// The child of this class nearest the point, as NearestAt.
HWND ChildAt(HWND parent, const wchar_t* className, POINT topLeft);

// The window's rectangle in its parent's client coordinates (screen coordinates for a top-level).
RECT RectInParent(HWND window);
SIZE ClientSize(HWND window);

// Posts BM_CLICK: returns at once, so a message box or a modal loop that the click opens does not
// block the driver. Wait for its effect with WaitUntil or WaitForMessageBox.
bool Click(HWND button);
// BM_GETCHECK: BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE; -1 when the button did not answer.
int CheckState(HWND button);

// --- List views of another process --------------------------------------------------------------

int ListViewItemCount(HWND list);
std::wstring ListViewItemText(HWND list, int item, int subItem = 0);
std::vector<std::wstring> ListViewRows(HWND list);
// The row's image index (I_IMAGENONE, -2, for none); -1 when it cannot be read.
int ListViewItemImage(HWND list, int item);  // the text of the first column, row by row
int ListViewColumnCount(HWND list);
std::wstring ListViewColumnTitle(HWND list, int column);
int ListViewColumnWidth(HWND list, int column);
int ListViewSelectedIndex(HWND list);  // -1: none
// A left click in the middle of the row's label, as the mouse makes it (button down and up
// posted to the list): the list selects the row and tells its parent NM_CLICK.
bool ClickListViewItem(HWND list, int item);

// --- The mouse -------------------------------------------------------------------------------------

// Real mouse input (SendInput), as the user's hand makes it: moves the pointer to the screen
// point with the button flags (MOUSEEVENTF_LEFTDOWN, ...) if any, then gives the program under
// it a moment to handle the input. False when the system refused the input.
bool MouseAt(POINT screen, DWORD buttonFlags = 0);
// Presses the left button at `from`, moves in `steps` even steps to `to` and releases there.
bool Drag(POINT from, POINT to, int steps = 5);

// --- Message boxes -------------------------------------------------------------------------------

std::wstring MessageBoxText(HWND box);
// Clicks the box's button with this text ("&Yes", "&No", "OK"); false when it has none.
bool AnswerMessageBox(HWND box, const wchar_t* buttonText);

// --- Screenshots -------------------------------------------------------------------------------

// Copies the window's rectangle (frame included) from the screen into a 24-bit BMP file named
// fileName in VANTORA_SCREENSHOT_DIR, creating the folder. Returns the file's path, or an empty
// string on failure. The window is redrawn first, so the picture shows its current state.
std::wstring SaveScreenshot(HWND window, const std::wstring& fileName);

}  // namespace e2e
