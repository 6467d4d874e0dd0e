#pragma once
// Starts foreign_windows_helper.exe (windows of another process) with the given arguments,
// waits until its windows exist, and ends it when the test is done.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

class ForeignWindows {
 public:
  // `helper` names the program: foreign_windows_helper, or iconic_windows_helper, the same
  // program from a file that carries an icon.
  explicit ForeignWindows(const std::wstring& arguments, const wchar_t* helper = L"foreign_windows_helper") {
    static int serial = 0;
    const std::wstring readyName =
        L"VantoraHelperReady-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    ready_ = ::CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    std::wstring command = L"\"" + HelperPath(helper) + L"\" --ready " + readyName + L" " + arguments;
    STARTUPINFOW startup{sizeof(startup)};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
      ADD_FAILURE() << "cannot start the helper, error " << ::GetLastError();
      return;
    }
    if (!WaitUntilReady(20000)) ADD_FAILURE() << "the helper's windows did not appear";
  }
  ForeignWindows(const ForeignWindows&) = delete;
  ForeignWindows& operator=(const ForeignWindows&) = delete;

  ~ForeignWindows() {
    if (process_.hProcess) {
      ::TerminateProcess(process_.hProcess, 0);
      ::WaitForSingleObject(process_.hProcess, 10000);
      ::CloseHandle(process_.hThread);
      ::CloseHandle(process_.hProcess);
    }
    if (ready_) ::CloseHandle(ready_);
  }

  DWORD ProcessId() const { return process_.dwProcessId; }

  // The helper's top-level windows, front to back, without the input-method window that the
  // system gives every GUI thread.
  std::vector<HWND> Windows() const {
    struct Search {
      DWORD processId;
      std::vector<HWND> found;
    } search{process_.dwProcessId, {}};
    ::EnumWindows(
        [](HWND window, LPARAM context) WINAPI -> BOOL {
          auto* s = reinterpret_cast<Search*>(context);
          DWORD owner = 0;
          ::GetWindowThreadProcessId(window, &owner);
          wchar_t className[16] = {};
          ::GetClassNameW(window, className, 16);
          if (owner == s->processId && std::wstring(className) != L"IME") s->found.push_back(window);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  // The helper's top-level window with exactly this title, or null.
  HWND Find(const std::wstring& title) const {
    for (HWND window : Windows()) {
      wchar_t text[256] = {};
      ::GetWindowTextW(window, text, 256);
      if (title == text) return window;
    }
    return nullptr;
  }

  // The helpers are built beside win_tests.exe; its own path is already in Windows form.
  static std::wstring HelperPath(const wchar_t* helper = L"foreign_windows_helper") {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring dir = self;
    dir.resize(dir.find_last_of(L"\\/") + 1);
    return dir + helper + L".exe";
  }

 private:
  // Messages the helper sends to this thread's windows meanwhile are answered (a copy to the
  // clipboard tells its owner, which may be ours); posted ones wait for the test.
  bool WaitUntilReady(DWORD milliseconds) const {
    const HANDLE waits[] = {ready_, process_.hProcess};
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (;;) {
      const ULONGLONG now = ::GetTickCount64();
      if (now >= end) return false;
      const DWORD woke = ::MsgWaitForMultipleObjects(2, waits, FALSE, static_cast<DWORD>(end - now), QS_SENDMESSAGE);
      if (woke == WAIT_OBJECT_0) return true;
      if (woke != WAIT_OBJECT_0 + 2) return false;
      MSG message;
      ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }

  HANDLE ready_ = nullptr;
  PROCESS_INFORMATION process_{};
};

}  // namespace testsupport
