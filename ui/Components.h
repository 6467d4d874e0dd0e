#pragma once
// Non-visual components of a form: timers, pop-up menus and the notification-area icon.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/UniqueHandle.h"

namespace ui {

class Form;

class Timer {
 public:
  Timer(Form& form, UINT intervalMs, bool enabled);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const noexcept { return interval_; }
  void SetInterval(UINT intervalMs);
  std::function<void()> OnTimer;

 private:
  void Arm();
  Form& form_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_ = false;
  int token_;
};

struct MenuItem {
  std::wstring name;
  std::wstring caption;  // "-" is a separator
  std::function<void()> OnClick;
  bool checked = false;
  bool enabled = true;
  bool separator() const { return caption == L"-"; }
};

class PopupMenu {
 public:
  explicit PopupMenu(Form& form);
  MenuItem& Add(const std::wstring& name, const std::wstring& caption);
  MenuItem& Item(const std::wstring& name);
  const std::vector<std::unique_ptr<MenuItem>>& Items() const noexcept { return items_; }
  // Raises OnPopup, shows the menu at the screen point and runs the chosen item.
  void Popup(int x, int y);
  std::function<void()> OnPopup;

 private:
  Form& form_;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

// The message the shell broadcasts to every top-level window when it (re)starts
// ("TaskbarCreated"): its windows and notification area are new.
UINT TaskbarCreatedMessage();

struct Balloon {
  std::wstring title, text;
  DWORD flags = 0;  // NIIF_*
  UINT timeoutMs = 0;
};

class TrayIcon {
 public:
  // The message the shell sends to the form about mouse events on the icon (lParam: WM_*BUTTON*).
  static constexpr UINT kCallbackMessage = WM_APP + 0x100;

  explicit TrayIcon(Form& form);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Whether the icon is in the notification area: the shell took it, and has not restarted
  // since without taking it back.
  bool Visible() const noexcept { return visible_; }
  // Adds or removes the icon; the outcome is the shell's. An add the shell refuses is followed
  // by asking whether it holds the icon all the same (a shell slow at logon takes it after its
  // wait, and an icon of this window may be there already). An icon the shell does not hold
  // stays wanted: it is added again when the shell announces itself ("TaskbarCreated").
  // Removing always asks the shell, whatever it answered before.
  [[nodiscard]] platform::Outcome SetVisible(bool visible);
  void SetHint(const std::wstring& hint);
  void SetIcon(HICON icon);  // borrowed: the icon stays with its owner
  HICON Icon() const noexcept { return icon_; }
  void ShowBalloon(const Balloon& balloon);
  const Balloon& LastBalloon() const noexcept { return balloon_; }

  PopupMenu* popupMenu = nullptr;
  std::function<void()> OnClick;
  // Runs before the menu opens; the default makes the application window the foreground window.
  std::function<void()> OnBeforePopup;

 private:
  NOTIFYICONDATAW Data(UINT flags) const;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  platform::Outcome Add();
  Form& form_;
  bool wanted_ = false;   // asked for by the program
  bool visible_ = false;  // taken by the shell
  bool leftPressed_ = false;
  std::wstring hint_;
  HICON icon_ = nullptr;
  Balloon balloon_;
  int token_;
};

}  // namespace ui
