#include "ui/Application.h"

#include <algorithm>

#include "platform/CallbackExceptions.h"
#include "platform/Error.h"
#include "ui/Prompts.h"
#include "ui/Form.h"

namespace ui {

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::Initialize(HINSTANCE instance, const std::wstring& title) {
  if (hwnd_) return;
  instance_ = instance;
  title_ = title;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &Application::WindowProc;
  wc.hInstance = instance;
  wc.hIcon = ClassIcon(SM_CXICON);
  wc.hIconSm = ClassIcon(SM_CXSMICON);
  wc.lpszClassName = L"TApplication";
  ::RegisterClassExW(&wc);
  // Zero-sized and shown with the main form: it carries the taskbar entry and owns every form.
  hwnd_ = platform::Checked("CreateWindowEx(application)", [&] {
    return ::CreateWindowExW(0, wc.lpszClassName, title.c_str(),
                             WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                             ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                             nullptr, instance, nullptr);
  });
  ui::SetPromptsOwner(hwnd_);
  ui::SetApplicationTitle(title_);
}

// Both sizes are loaded from the resource: a class registered without its small icon has one
// scaled from the large icon's resource at every registration (under Wine 2 ms each).
HICON Application::ClassIcon(int metric) const {
  const int edge = ::GetSystemMetrics(metric);
  return static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, edge, edge, LR_SHARED));
}

void Application::SetTitle(const std::wstring& title) {
  title_ = title;
  ::SetWindowTextW(hwnd_, title.c_str());
  ui::SetApplicationTitle(title_);
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto& app = Instance();
  switch (message) {
    case WM_CLOSE:
      if (app.mainForm_) app.mainForm_->Close();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_RESTORE) {
        app.Restore();
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // Activating the application activates its main form, as a click on the taskbar entry should.
      if (LOWORD(wParam) != WA_INACTIVE && !::IsIconic(window) && app.mainForm_ && app.mainForm_->Visible()) {
        ::SetFocus(app.mainForm_->Handle());
        return 0;
      }
      break;
    case WM_COPYDATA:
      return app.copyDataHandler_ ? app.copyDataHandler_(wParam, *reinterpret_cast<const COPYDATASTRUCT*>(lParam)) : 0;
    default: break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool Application::Dispatch(MSG& message) {
  if (message.message == WM_QUIT) {
    terminated_ = true;
    exitCode_ = static_cast<int>(message.wParam);
    return false;
  }
  // Tab and arrow navigation between controls, as in a dialog.
  HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && root != hwnd_ && ::GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT &&
      ::IsDialogMessageW(root, &message)) {
    return true;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
  return true;
}

int Application::Run() {
  while (HandleMessage()) {
  }
  return exitCode_;
}

bool Application::HandleMessage() {
  if (terminated_) return false;
  MSG message;
  const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
  if (got < 0) return false;
  return Dispatch(message) && !terminated_;
}

bool Application::RunUntil(const std::function<bool()>& done) {
  while (!done())
    if (!HandleMessage()) return false;
  return true;
}

void Application::ProcessMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!Dispatch(message)) {
      ::PostQuitMessage(exitCode_);  // leave it for the main loop
      return;
    }
  }
}

bool Application::WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit, Input input) {
  using Clock = std::chrono::steady_clock;
  constexpr std::chrono::milliseconds kAskAgain{10};
  const Clock::time_point deadline = Clock::now() + limit;
  const DWORD wake = QS_PAINT | QS_SENDMESSAGE | (input == Input::Drop ? QS_INPUT : 0);
  for (;;) {
    MSG message;
    if (input == Input::Drop)
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) {
      }
    // Sent messages are handled inside PeekMessage itself; only painting comes back to dispatch.
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE))
      ::DispatchMessageW(&message);
    if (done()) return true;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::min(left, kAskAgain).count()), wake, 0);
  }
}

void Application::Terminate(int exitCode) {
  terminated_ = true;
  exitCode_ = exitCode;
  ::PostQuitMessage(exitCode);
}

void Application::Minimize() { ::ShowWindow(hwnd_, SW_MINIMIZE); }

void Application::Restore() {
  ::ShowWindow(hwnd_, SW_RESTORE);
  if (mainForm_ && mainForm_->Visible()) ::SetForegroundWindow(mainForm_->Handle());
}

void Application::BringToFront() {
  HWND popup = ::GetLastActivePopup(hwnd_);
  if (popup && popup != hwnd_ && ::IsWindowVisible(popup) && ::IsWindowEnabled(popup)) ::SetForegroundWindow(popup);
}

void Application::ShowTaskbarEntry(bool show) { ::ShowWindow(hwnd_, show ? SW_SHOWNOACTIVATE : SW_HIDE); }

void Application::SetLook(std::shared_ptr<Look> look) {
  look_ = look ? std::move(look) : native_;
  RefreshLook();
}

void Application::RefreshLook() {
  platform::CallbackExceptions failure;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM context) WINAPI -> BOOL {
        return reinterpret_cast<platform::CallbackExceptions*>(context)->Guard(FALSE, [window] {
          if (Form* form = Form::FromHandle(window)) form->LookChanged();
          return TRUE;
        });
      },
      reinterpret_cast<LPARAM>(&failure));
  failure.RethrowIfCaught();
}

void Application::HandleException() noexcept {
  std::wstring text;
  try {
    throw;
  } catch (const std::exception& e) {
    text = platform::Widen(e.what());
  } catch (...) {
    text = L"Unknown error";
  }
  ui::CurrentPrompts().Error(text);
}

}  // namespace ui
