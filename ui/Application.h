#pragma once
// The application object: an invisible top-level window titled with the application title that
// owns every form and carries the program's taskbar entry, plus the message loop.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "ui/Look.h"

namespace ui {

class Form;

class Application {
 public:
  static Application& Instance();

  // Creates the application window; safe to call again (does nothing then).
  void Initialize(HINSTANCE instance, const std::wstring& title);
  HINSTANCE InstanceHandle() const noexcept { return instance_; }
  HWND Handle() const noexcept { return hwnd_; }
  const std::wstring& Title() const noexcept { return title_; }
  void SetTitle(const std::wstring& title);
  // The program's icon for a window class, at the system's size for `metric` (SM_CXICON or
  // SM_CXSMICON). Shared with the system: never destroyed.
  HICON ClassIcon(int metric) const;

  Form* MainForm() const noexcept { return mainForm_; }
  void SetMainForm(Form* form) noexcept { mainForm_ = form; }

  int Run();               // message loop until Terminate; returns the exit code
  void ProcessMessages();  // dispatches everything pending, then returns
  // What a wait does with keyboard and mouse input to the program: leaves it queued for after
  // the wait, or throws it away.
  enum class Input { Keep, Drop };
  // Waits until `done` answers true or `limit` has passed, and returns its last answer. Meanwhile
  // the program's windows keep painting and answering what the system and other programs send
  // them (activation, WM_NULL); input, timers and posted messages wait until it ends, so no
  // command of the program runs inside the wait. `done` is asked again at least every 10 ms.
  bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit, Input input = Input::Keep);
  // Waits for one message and dispatches it; false once the program is terminating.
  bool HandleMessage();
  // The wait of a modal form or dialog: runs the program's messages until `done` or the program
  // ends; false when it ended.
  bool RunUntil(const std::function<bool()>& done);
  void Terminate(int exitCode = 0);
  bool Terminated() const noexcept { return terminated_; }

  void Minimize();
  void Restore();
  // Makes the program's last active window the foreground window.
  void BringToFront();
  // Shows or hides the taskbar entry with the main form.
  void ShowTaskbarEntry(bool show);
  // What another program sends the application window with WM_COPYDATA (wParam, the data) goes
  // here; its answer is the message's result. Without a handler such data is refused (0).
  void SetCopyDataHandler(std::function<LRESULT(WPARAM, const COPYDATASTRUCT&)> handler) {
    copyDataHandler_ = std::move(handler);
  }

  // The look every form and control paints with; the native look until another is installed.
  Look& CurrentLook() const noexcept { return *look_; }
  // Installs a look (null: the native look) and repaints every open form of the program.
  void SetLook(std::shared_ptr<Look> look);
  // Repaints every open form once, after the current look changed its colours.
  void RefreshLook();

  // Reports the exception being handled in the standard error box; used by every dispatch.
  void HandleException() noexcept;

 private:
  Application() = default;
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  bool Dispatch(MSG& message);
  std::shared_ptr<Look> native_ = std::make_shared<NativeLook>();
  std::shared_ptr<Look> look_ = native_;

  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  std::wstring title_;
  std::function<LRESULT(WPARAM, const COPYDATASTRUCT&)> copyDataHandler_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
  int exitCode_ = 0;
};

}  // namespace ui
