#pragma once
// The change notices the shell hands out for one folder, as Explorer registers for them.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "Pump.h"

namespace testsupport {

class ShellNotices {
 public:
  explicit ShellNotices(const std::wstring& folder) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Receive;
    wc.lpszClassName = L"VantoraShellNotices";
    ::RegisterClassW(&wc);  // fails harmlessly when an earlier test registered it
    window_ = ::CreateWindowW(wc.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, this);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    folder_ = ::ILCreateFromPathW(folder.c_str());
    SHChangeNotifyEntry entry{folder_, TRUE};
    registration_ =
        ::SHChangeNotifyRegister(window_, SHCNRF_ShellLevel | SHCNRF_NewDelivery, SHCNE_ALLEVENTS, kNotice, 1, &entry);
  }
  ShellNotices(const ShellNotices&) = delete;
  ShellNotices& operator=(const ShellNotices&) = delete;
  ~ShellNotices() {
    ::SHChangeNotifyDeregister(registration_);
    ::ILFree(folder_);
    ::DestroyWindow(window_);
  }

  // Whether the shell said that this file was updated, within a few seconds.
  bool Told(const std::wstring& file) const {
    const auto told = [&] {
      for (const auto& updated : updated_)
        if (::lstrcmpiW(updated.c_str(), file.c_str()) == 0) return true;
      return false;
    };
    return PumpMessagesUntil(told, 3000);
  }

 private:
  static constexpr UINT kNotice = WM_APP + 31;

  static LRESULT CALLBACK Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kNotice) return ::DefWindowProcW(window, message, wParam, lParam);
    auto* self = reinterpret_cast<ShellNotices*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    PIDLIST_ABSOLUTE* items = nullptr;
    LONG event = 0;
    const HANDLE lock =
        ::SHChangeNotification_Lock(reinterpret_cast<HANDLE>(wParam), static_cast<DWORD>(lParam), &items, &event);
    wchar_t path[MAX_PATH] = {};
    if (self && event == SHCNE_UPDATEITEM && items && items[0] && ::SHGetPathFromIDListW(items[0], path))
      self->updated_.push_back(path);
    ::SHChangeNotification_Unlock(lock);
    return 0;
  }

  HWND window_ = nullptr;
  PIDLIST_ABSOLUTE folder_ = nullptr;
  ULONG registration_ = 0;
  std::vector<std::wstring> updated_;
};

}  // namespace testsupport
