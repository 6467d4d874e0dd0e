#include "skin/ButtonFades.h"

#include <algorithm>

#include "platform/Error.h"
#include "skin/portable/Fade.h"

namespace skin {
namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kFrameMilliseconds = 15;
constexpr const wchar_t* kClassName = L"VantoraButtonFades";
}  // namespace

ButtonFades::ButtonFades() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &ButtonFades::WindowProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  ::RegisterClassExW(&wc);  // fails harmlessly when the class exists
  timerWindow_.reset(platform::Checked("CreateWindowEx(button fades)", [&] {
    return ::CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }));
  ::SetWindowLongPtrW(timerWindow_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ButtonFades::~ButtonFades() {
  if (timing_) ::KillTimer(timerWindow_.get(), kTimerId);
  ::SetWindowLongPtrW(timerWindow_.get(), GWLP_USERDATA, 0);
}

void ButtonFades::Start(HWND button, Rgb from) {
  fades_[button] = Fade{from, ::GetTickCount64()};
  if (!timing_) timing_ = ::SetTimer(timerWindow_.get(), kTimerId, kFrameMilliseconds, nullptr) != 0;
}

void ButtonFades::Stop(HWND button) { fades_.erase(button); }

Rgb ButtonFades::Face(HWND button, Rgb target) const {
  const auto found = fades_.find(button);
  if (found == fades_.end()) return target;
  const ULONGLONG elapsed = ::GetTickCount64() - found->second.start;
  return Mix(found->second.from, target,
             FadeAmount(static_cast<unsigned>(std::min<ULONGLONG>(elapsed, kFadeMilliseconds))));
}

// Each frame repaints the fading buttons; a fade that has reached its end gets its last frame
// and is dropped, and the timer stops with the last one.
void ButtonFades::Tick() {
  const ULONGLONG now = ::GetTickCount64();
  for (auto it = fades_.begin(); it != fades_.end();) {
    if (::IsWindow(it->first)) ::InvalidateRect(it->first, nullptr, FALSE);
    if (!::IsWindow(it->first) || now - it->second.start >= kFadeMilliseconds)
      it = fades_.erase(it);
    else
      ++it;
  }
  if (fades_.empty() && timing_) {
    ::KillTimer(timerWindow_.get(), kTimerId);
    timing_ = false;
  }
}

LRESULT CALLBACK ButtonFades::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    if (auto* fades = reinterpret_cast<ButtonFades*>(::GetWindowLongPtrW(window, GWLP_USERDATA))) fades->Tick();
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace skin
