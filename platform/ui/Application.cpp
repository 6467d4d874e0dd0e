#include "platform/ui/Application.h"

#include "platform/Error.h"
#include "platform/Prompts.h"
#include "platform/ui/Form.h"

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
  wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.lpszClassName = L"TApplication";
  ::RegisterClassExW(&wc);
  // Zero-sized and shown with the main form: it carries the taskbar entry and owns every form.
  hwnd_ = platform::Checked("CreateWindowEx(application)", [&] {
    return ::CreateWindowExW(0, wc.lpszClassName, title.c_str(),
                             WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                             ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                             nullptr, instance, nullptr);
  });
  platform::SetPromptsOwner(hwnd_);
  platform::SetApplicationTitle(title_);
}

void Application::SetTitle(const std::wstring& title) {
  title_ = title;
  ::SetWindowTextW(hwnd_, title.c_str());
  platform::SetApplicationTitle(title_);
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
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM) WINAPI -> BOOL {
        if (Form* form = Form::FromHandle(window)) form->LookChanged();
        return TRUE;
      },
      0);
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
  platform::CurrentPrompts().Error(text);
}

}  // namespace ui
