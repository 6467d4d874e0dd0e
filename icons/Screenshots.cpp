#include "icons/Screenshots.h"

#include <chrono>
#include <exception>
#include <stdexcept>

#include "icons/Capture.h"
#include "icons/PictureFiles.h"
#include "platform/Error.h"
#include "platform/pictures/ScreenSettling.h"
#include "platform/windows/WindowArrangement.h"
#include "platform/windows/WindowQueries.h"
#include "platform/windows/WindowRoutines.h"
#include "ui/Application.h"
#include "ui/CommandReports.h"

namespace icons {
namespace {

// The longest the pictures wait for the screen to settle: a window that paints late (or has
// stopped answering) is taken as it is then.
constexpr std::chrono::milliseconds kWindowSettleWait{500};
constexpr std::chrono::milliseconds kScreenSettleWait{300};

[[noreturn]] void ThrowNotTaken(const std::wstring& why) {
  throw std::runtime_error(platform::Narrow(L"No ScreenShot Was Taken. " + why));
}

// Why the selected window could not be brought up for its picture, in the user's words where
// the system's would puzzle.
std::wstring WindowRefusal(const platform::Outcome& outcome) {
  if (const auto rights = ui::RightsRefusal(outcome)) return *rights;
  switch (outcome.code()) {
    case ERROR_TIMEOUT: return L"The Window Is Not Responding.";
    case ERROR_INVALID_WINDOW_HANDLE: return L"The Window Has Closed.";
    default: return L"The Window Could Not Be Brought To The Front. " + outcome.Reason();
  }
}

// Restores and raises the window, then takes its picture.
void CaptureSelectedWindow(HWND window, platform::CaptureBitmap& picture) {
  // The selected window belongs to another program, which may have stopped answering or closed.
  if (::IsIconic(window)) {
    if (const platform::Outcome restored = platform::ShowWindowState(window, SW_RESTORE); !restored)
      ThrowNotTaken(WindowRefusal(restored));
  }
  if (const platform::Outcome front = platform::BringToForeground(window); !front) ThrowNotTaken(WindowRefusal(front));
  ui::Application::Instance().WaitFor([window] { return platform::ShownInFront(window); }, kWindowSettleWait);
  platform::AwaitComposedFrame();
  if (const platform::Outcome taken = platform::CaptureWindow(window, picture); !taken)
    ThrowNotTaken(taken.code() == ERROR_INVALID_WINDOW_HANDLE ? WindowRefusal(taken) : taken.Reason());
}

}  // namespace

void SaveWindowScreenshot(HWND window, const std::wstring& path) {
  platform::CaptureBitmap picture;
  CaptureSelectedWindow(window, picture);
  SavePicture(picture, path);
}

void SaveScreenScreenshot(const RECT& r, const std::wstring& path) {
  platform::CaptureBitmap picture;
  if (const platform::Outcome taken =
          platform::CaptureScreenRect(r.left, r.top, r.right - r.left, r.bottom - r.top, picture);
      !taken)
    ThrowNotTaken(taken.Reason());
  SavePicture(picture, path);
}

void Screenshots::BringProgramBack() {
  ui::Application::Instance().BringToFront();
  platform::LogIfFailed(L"Raising the main window", platform::RaiseToTop(links_.mainForm.Handle()));
}

void Screenshots::ScreenshotWindowClick() {
  if (!links_.savePictureDialog.Execute()) return;
  std::exception_ptr failure;
  try {
    SaveWindowScreenshot(links_.selectedWindow(), links_.savePictureDialog.FileName());
  } catch (...) {
    failure = std::current_exception();  // reported once the program is back in front
  }
  BringProgramBack();
  if (failure) std::rethrow_exception(failure);
}

void Screenshots::ScreenshotScreenClick() {
  if (!links_.savePictureDialog.Execute()) return;
  auto& application = ui::Application::Instance();
  links_.fadeWindow(links_.mainForm.Handle(), 100, 0);
  application.Minimize();
  application.WaitFor([this] { return !links_.mainForm.Visible() && platform::DesktopPainted(); }, kScreenSettleWait);
  platform::AwaitComposedFrame();
  MONITORINFO monitor{sizeof(monitor)};
  ::GetMonitorInfoW(::MonitorFromWindow(links_.mainForm.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  std::exception_ptr failure;
  try {
    SaveScreenScreenshot(monitor.rcMonitor, links_.savePictureDialog.FileName());
  } catch (...) {
    failure = std::current_exception();  // reported once the main window is back
  }
  if (::IsIconic(application.Handle())) application.Restore();
  BringProgramBack();
  links_.fadeWindow(links_.mainForm.Handle(), 0, 100);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace icons
