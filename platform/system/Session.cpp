#include "platform/system/Session.h"

#include "platform/UniqueHandle.h"

namespace platform {
namespace {

Outcome EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return Outcome::LastError();
  const UniqueKernelHandle owned(token);
  TOKEN_PRIVILEGES privileges{};
  if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return Outcome::LastError();
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  // Succeeds even when the account does not hold the privilege: ERROR_NOT_ALL_ASSIGNED says so.
  if (!::AdjustTokenPrivileges(owned.get(), FALSE, &privileges, 0, nullptr, nullptr)) return Outcome::LastError();
  const DWORD code = ::GetLastError();
  return code == ERROR_SUCCESS ? Outcome::Success() : Outcome::Failure(code);
}

class Win32Session final : public Session {
 public:
  Outcome PowerOff(UINT flags, DWORD reason) override {
    if (Outcome privilege = EnableShutdownPrivilege(); !privilege) return privilege;
    return Outcome::Of([&] { return ::ExitWindowsEx(flags, reason) != FALSE; });
  }

  void TerminateOwnProcess(HWND applicationWindow, UINT exitCode) override {
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(applicationWindow, &processId) && processId) {
      const UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, processId));
      if (process) ::TerminateProcess(process.get(), exitCode);
    }
    // Still here: the window was gone or the process could not be opened.
    ::ExitProcess(exitCode);
  }
};

Win32Session g_win32Session;
Session* g_current = &g_win32Session;

}  // namespace

Session& CurrentSession() { return *g_current; }

void SetSession(Session* session) { g_current = session ? session : &g_win32Session; }

}  // namespace platform
