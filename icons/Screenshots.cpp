#include "icons/Screenshots.h"

#include <exception>

#include "icons/PictureFiles.h"
#include "platform/WindowArrangement.h"
#include "platform/WindowQueries.h"
#include "platform/ui/Application.h"

namespace icons {
namespace {

constexpr DWORD kWindowSettleMs = 500;
constexpr DWORD kScreenSettleMs = 300;

}  // namespace

void Screenshots::BringProgramBack() {
  ui::Application::Instance().BringToFront();
  platform::RaiseToTop(links_.mainForm.Handle());
}

void Screenshots::Button14Click() {
  if (!links_.SavePictureDialog1.Execute()) return;
  platform::CaptureBitmap picture;
  const HWND window = links_.selectedWindow();
  // The selected window belongs to another program, which may have stopped answering.
  if (::IsIconic(window)) platform::ShowWindowState(window, SW_RESTORE);
  platform::BringToForeground(window);
  ::Sleep(kWindowSettleMs);
  std::exception_ptr failure;
  try {
    // With no foreground window at all there is nothing to picture, and no file is written.
    if (platform::CaptureForegroundWindow(picture)) SavePicture(picture, links_.SavePictureDialog1.FileName());
  } catch (...) {
    failure = std::current_exception();  // reported once the program is back in front
  }
  BringProgramBack();
  if (failure) std::rethrow_exception(failure);
}

void Screenshots::Button20Click() {
  if (!links_.SavePictureDialog1.Execute()) return;
  platform::CaptureBitmap picture;
  auto& application = ui::Application::Instance();
  links_.fadeWindow(links_.mainForm.Handle(), 100, 0);
  application.Minimize();
  ::Sleep(kScreenSettleMs);
  MONITORINFO monitor{sizeof(monitor)};
  ::GetMonitorInfoW(::MonitorFromWindow(links_.mainForm.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& r = monitor.rcMonitor;
  std::exception_ptr failure;
  try {
    platform::CaptureScreenRect(r.left, r.top, r.right - r.left, r.bottom - r.top, picture);
    SavePicture(picture, links_.SavePictureDialog1.FileName());
  } catch (...) {
    failure = std::current_exception();  // reported once the main window is back
  }
  if (::IsIconic(application.Handle())) application.Restore();
  BringProgramBack();
  links_.fadeWindow(links_.mainForm.Handle(), 0, 100);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace icons
