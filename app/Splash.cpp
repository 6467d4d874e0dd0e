#include "app/Splash.h"

#include <windows.h>

#include <chrono>
#include <exception>
#include <stdexcept>

#include "platform/Error.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Image.h"

namespace {

constexpr int kSplashWidth = 670;
constexpr int kSplashHeight = 402;
constexpr std::chrono::milliseconds kSplashTime{6000};

ui::FormStyle SplashStyle() {
  ui::FormStyle style;
  style.className = kSplashClassName;
  style.clientWidth = kSplashWidth;  // no border: the outer size is the client size
  style.clientHeight = kSplashHeight;
  style.border = ui::BorderStyle::None;
  style.systemMenu = false;
  style.minimizeBox = false;
  style.stayOnTop = true;
  style.ownedByApplication = false;
  return style;
}

class SplashForm : public ui::Form {
 public:
  explicit SplashForm(const ui::FormKey& key) : ui::Form(key, SplashStyle()) {}

  void Load(const std::wstring& path) {
    platform::UniqueBitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    if (!bitmap) throw std::runtime_error(platform::Narrow(path) + " is not a valid bitmap");
    picture.SetBitmap(std::move(bitmap));
  }

  // Natural size from the top-left corner: a larger picture is cut off, a smaller one leaves
  // the window's colour around it.
  ui::Image picture{*this, ui::Placement{"Image1", ui::ControlKind::Image, {0, 0, kSplashWidth, kSplashHeight}, L""}};
};

}  // namespace

void ShowSplash(const std::wstring& picturePath, ui::Form& mainWindow) {
  auto& app = ui::Application::Instance();
  std::exception_ptr failure;
  {
    ui::Owned<SplashForm> splash;
    try {
      splash.Load(picturePath);
      splash.Show();
      app.ProcessMessages();
    } catch (...) {
      failure = std::current_exception();
    }
    // Nothing else of the start-up happens while the picture is up, but the windows keep
    // painting and answering, so the system never takes the program for hung.
    app.WaitFor([] { return false; }, kSplashTime, ui::Application::Input::Drop);
    splash.Hide();
  }
  app.BringToFront();
  mainWindow.BringToFront();
  if (failure) std::rethrow_exception(failure);
}
