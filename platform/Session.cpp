#include "platform/Session.h"

#include "platform/UniqueHandle.h"

namespace platform {
namespace {

void EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  const UniqueKernelHandle owned(token);
  TOKEN_PRIVILEGES privileges{};
  if (!::LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return;
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  ::AdjustTokenPrivileges(owned.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

class Win32Session final : public Session {
 public:
  bool PowerOff(UINT flags, DWORD reason) override {
    EnableShutdownPrivilege();
    return ::ExitWindowsEx(flags, reason) != FALSE;
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
