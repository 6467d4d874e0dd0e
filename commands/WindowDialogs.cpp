#include "commands/WindowDialogs.h"

#include <chrono>
#include <stdexcept>
#include <utility>

#include "platform/Error.h"
#include "platform/windows/Monitors.h"
#include "ui/Prompts.h"
#include "platform/pictures/ScreenCapture.h"
#include "platform/pictures/ScreenSettling.h"
#include "platform/windows/VisibleBounds.h"
#include "platform/windows/WindowManager.h"
#include "platform/windows/WindowQueries.h"
#include "ui/Application.h"

namespace commands {

namespace {
// The longest the frozen picture waits for the desktop to redraw where the main window was.
constexpr std::chrono::milliseconds kSettleWait{400};
}  // namespace

WindowDialogs::WindowDialogs(ui::Form& mainWindow, catalogue::Catalogue& catalogue, ui::ListView& list)
    : mainWindow_(mainWindow), catalogue_(catalogue), list_(list) {}

WindowDialogs::~WindowDialogs() {
  DestroyResizeScreen();
  DestroyInfoDialog();
}

// --- Resize screen ----------------------------------------------------------------------------

void WindowDialogs::ResizeSelected() {
  catalogue_.RefreshAndUpdate();
  if (list_.Count() == 0) return;
  if (!RunResizeScreen(catalogue_.SelectedWindow()))
    ui::CurrentPrompts().Information(L"Cannot Resize A Minimized Or Invisible Window.");
}

TForm7& WindowDialogs::CreateResizeScreen() {
  // The exit may have destroyed the window of a screen kept from a refused run.
  if (!resizeScreen_ || !resizeScreen_->Handle()) {
    DestroyResizeScreen();
    resizeScreen_ = std::make_unique<ui::Owned<TForm7>>(mainWindow_, [this] { return ApplyTarget(); });
  }
  return *resizeScreen_;
}

void WindowDialogs::DestroyResizeScreen() { resizeScreen_.reset(); }

HWND WindowDialogs::ApplyTarget() const {
  const int row = list_.ItemIndex();
  if (row < 0 || static_cast<size_t>(row) >= ResizeHandles.size()) return nullptr;
  return ResizeHandles[static_cast<size_t>(row)];
}

bool WindowDialogs::RunResizeScreen(HWND window) {
  TForm7& screen = CreateResizeScreen();
  const platform::WindowBounds bounds = platform::WindowBoundsOf(window).value_or(platform::WindowBounds{});
  const RECT& rect = bounds.window;
  if (::IsIconic(window)) return false;
  // A refused screen stays, hidden, for the next run.
  if (rect.top == rect.bottom || rect.left == rect.right) return false;
  platform::LogIfFailed(L"Bringing the window to resize to the front", platform::BringToForeground(window));
  // Gone at once, not fading away in the window manager's animation while the picture is taken.
  platform::SetWindowTransitions(mainWindow_.Handle(), false);
  mainWindow_.Hide();
  ui::Application::Instance().WaitFor([] { return platform::DesktopPainted(); }, kSettleWait);
  platform::AwaitComposedFrame();
  // Every monitor, those left of and above the primary one included.
  const RECT desktop = platform::VirtualScreen();
  platform::CaptureBitmap picture;
  const platform::Outcome taken = platform::CaptureScreenRect(desktop.left, desktop.top, desktop.right - desktop.left,
                                                              desktop.bottom - desktop.top, picture);
  platform::SetWindowTransitions(mainWindow_.Handle(), true);
  // Without the frozen picture the screen would stand on a black backdrop: said instead.
  if (!taken) {
    mainWindow_.Show();
    throw std::runtime_error(platform::Narrow(L"The Screen Could Not Be Captured For Resizing. " + taken.Reason()));
  }
  ResizeHandles = catalogue_.Windows();
  screen.Present(bounds, std::move(picture.bitmap), desktop);
  ui::Application::Instance().RunUntil(
      [this] { return !resizeScreen_ || !resizeScreen_->Handle() || resizeScreen_->Finished; });
  DestroyResizeScreen();
  return true;
}

// --- Information dialog ------------------------------------------------------------------------

void WindowDialogs::ShowSelectedInfo() {
  try {
    ShowWindowInfo(catalogue_.SelectedWindow());
  } catch (const platform::Win32Error& error) {
    throw std::runtime_error(
        platform::Narrow(L"The Window Information Could Not Be Shown. " + platform::SystemMessage(error.code())));
  }
}

void WindowDialogs::ShowWindowInfo(HWND window) {
  InfoTarget = window;
  if (!info_) {
    info_ = std::make_unique<ui::Owned<TForm13>>([this] { return InfoTarget; });  // fills itself
    ++infoSerial_;
  }
  const unsigned mine = infoSerial_;
  const auto ownStillOpen = [this, mine] { return info_ && infoSerial_ == mine; };
  try {
    info_->Show();
    ui::Application::Instance().RunUntil([&] { return !ownStillOpen() || info_->Finished || !info_->Handle(); });
  } catch (...) {
    if (ownStillOpen()) DestroyInfoDialog();
    throw;
  }
  // An earlier press waiting for the same dialog finds it gone and ends too.
  if (ownStillOpen()) DestroyInfoDialog();
}

void WindowDialogs::DestroyInfoDialog() {
  if (info_) info_->Hide();
  info_.reset();
}

}  // namespace commands
