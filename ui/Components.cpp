#include "ui/Components.h"

#include <stdexcept>
#include <utility>

#include "ui/Application.h"
#include "platform/windows/WindowIsolation.h"
#include "ui/Form.h"

namespace ui {

// --- Timer ----------------------------------------------------------------------------------

namespace {
UINT_PTR NextTimerId() {
  static UINT_PTR next = 0x100;
  return next++;
}
}  // namespace

Timer::Timer(Form& form, UINT intervalMs, bool enabled) : form_(form), id_(NextTimerId()), interval_(intervalMs) {
  token_ = form_.AddMessageHandler([this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != id_) return false;
    if (OnTimer) OnTimer();
    result = 0;
    return true;
  });
  SetEnabled(enabled);
}

Timer::~Timer() {
  if (form_.Handle()) ::KillTimer(form_.Handle(), id_);
  form_.RemoveMessageHandler(token_);
}

void Timer::Arm() {
  ::KillTimer(form_.Handle(), id_);
  if (enabled_ && interval_ > 0) ::SetTimer(form_.Handle(), id_, interval_, nullptr);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Arm();
}

void Timer::SetInterval(UINT intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Arm();
}

// --- PopupMenu ------------------------------------------------------------------------------

PopupMenu::PopupMenu(Form& form) : form_(form) {}

MenuItem& PopupMenu::Add(const std::wstring& name, const std::wstring& caption) {
  items_.push_back(std::make_unique<MenuItem>(MenuItem{name, caption, {}, false, true}));
  return *items_.back();
}

MenuItem& PopupMenu::Item(const std::wstring& name) {
  for (auto& item : items_)
    if (item->name == name) return *item;
  throw std::out_of_range("no menu item of that name");
}

void PopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup();
  platform::UniqueMenu menu(::CreatePopupMenu());
  for (size_t i = 0; i < items_.size(); ++i) {
    const MenuItem& item = *items_[i];
    if (item.separator())
      ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    else
      ::AppendMenuW(menu.get(),
                    MF_STRING | (item.checked ? MF_CHECKED : 0u) | (item.enabled ? 0u : static_cast<UINT>(MF_GRAYED)),
                    i + 1, item.caption.c_str());
  }
  const UINT chosen = static_cast<UINT>(
      ::TrackPopupMenuEx(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, form_.Handle(), nullptr));
  ::PostMessageW(form_.Handle(), WM_NULL, 0, 0);  // lets the menu close properly next time
  if (chosen >= 1 && chosen <= items_.size() && items_[chosen - 1]->OnClick) items_[chosen - 1]->OnClick();
}

// --- TrayIcon -------------------------------------------------------------------------------

UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

TrayIcon::TrayIcon(Form& form) : form_(form) {
  token_ = form_.AddMessageHandler([this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    return HandleMessage(message, wParam, lParam);
  });
}

TrayIcon::~TrayIcon() {
  platform::LogIfFailed(L"Removing the notification-area icon", SetVisible(false));
  form_.RemoveMessageHandler(token_);
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = form_.Handle();
  data.uID = 1;
  data.uFlags = flags;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  wcsncpy(data.szTip, hint_.c_str(), ARRAYSIZE(data.szTip) - 1);
  return data;
}

platform::Outcome TrayIcon::Add() {
  // Run as administrator, the program would hear neither the shell's restart nor the icon's clicks.
  for (const UINT shellMessage : {TaskbarCreatedMessage(), kCallbackMessage})
    platform::LogIfFailed(L"Letting the shell's messages through",
                          platform::AllowFromLowerRights(form_.Handle(), shellMessage));
  auto data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  platform::Outcome added = platform::Outcome::Of([&] { return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE; });
  // The shell takes a change only for an icon it holds: its answer is believed.
  if (!added && ::Shell_NotifyIconW(NIM_MODIFY, &data)) added = platform::Outcome::Success();
  visible_ = static_cast<bool>(added);
  return added;
}

platform::Outcome TrayIcon::SetVisible(bool visible) {
  wanted_ = visible;
  if (visible) return visible_ ? platform::Outcome::Success() : Add();
  auto data = Data(0);
  // Once asked to go, the icon is not ours to show whatever the shell answers. The shell may
  // hold an icon it refused at first: it is asked to drop it all the same, and an icon that was
  // not there is what was asked.
  const bool held = std::exchange(visible_, false);
  const platform::Outcome deleted =
      platform::Outcome::Of([&] { return ::Shell_NotifyIconW(NIM_DELETE, &data) != FALSE; });
  return held ? deleted : platform::Outcome::Success();
}

void TrayIcon::SetHint(const std::wstring& hint) {
  hint_ = hint;
  if (!visible_) return;
  auto data = Data(NIF_TIP);
  platform::LogIfFailed(L"Changing the notification-area icon's hint",
                        platform::Outcome::Of([&] { return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE; }));
}

void TrayIcon::SetIcon(HICON icon) {
  icon_ = icon;
  if (!visible_) return;
  auto data = Data(NIF_ICON);
  platform::LogIfFailed(L"Changing the notification-area icon's picture",
                        platform::Outcome::Of([&] { return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE; }));
}

void TrayIcon::ShowBalloon(const Balloon& balloon) {
  balloon_ = balloon;
  if (!visible_) return;  // nothing to show it at
  auto data = Data(NIF_INFO);
  wcsncpy(data.szInfoTitle, balloon.title.c_str(), ARRAYSIZE(data.szInfoTitle) - 1);
  wcsncpy(data.szInfo, balloon.text.c_str(), ARRAYSIZE(data.szInfo) - 1);
  data.dwInfoFlags = balloon.flags;
  data.uTimeout = balloon.timeoutMs;
  platform::LogIfFailed(L"Showing a balloon at the notification-area icon",
                        platform::Outcome::Of([&] { return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE; }));
}

bool TrayIcon::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
  if (message == TaskbarCreatedMessage()) {
    // The shell (re)started: it has forgotten an icon it had, and takes one it refused before.
    if (wanted_) platform::LogIfFailed(L"Adding the notification-area icon again", Add());
    return false;
  }
  if (message == WM_DESTROY) {
    // The shell finds an icon by its window: take it away while the window still exists.
    platform::LogIfFailed(L"Removing the notification-area icon", SetVisible(false));
    return false;
  }
  if (message != kCallbackMessage) return false;
  switch (LOWORD(lParam)) {
    case WM_LBUTTONDOWN: leftPressed_ = true; break;
    case WM_LBUTTONUP:
      if (leftPressed_ && OnClick) OnClick();
      leftPressed_ = false;
      break;
    case WM_RBUTTONUP:
      if (popupMenu) {
        if (OnBeforePopup)
          OnBeforePopup();
        else
          ::SetForegroundWindow(Application::Instance().Handle());
        POINT cursor{};
        ::GetCursorPos(&cursor);
        popupMenu->Popup(cursor.x, cursor.y);
      }
      break;
    default: break;
  }
  return true;
}

}  // namespace ui
