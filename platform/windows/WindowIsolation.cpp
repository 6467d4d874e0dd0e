#include "platform/windows/WindowIsolation.h"

#include <dwmapi.h>

#include <optional>
#include <vector>

#include "platform/system/Processes.h"
#include "platform/system/SystemFunctions.h"
#include "platform/UniqueHandle.h"
#include "platform/windows/WindowManager.h"

namespace platform {
namespace {

// The mandatory integrity level of the process's token (SECURITY_MANDATORY_*_RID); nullopt before
// Vista, which has none, and where the token cannot be read.
std::optional<DWORD> IntegrityLevel(HANDLE process) {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  const UniqueKernelHandle owned(token);
  DWORD size = 0;
  ::GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;
  std::vector<BYTE> buffer(size);
  if (!::GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size)) return std::nullopt;
  const PSID label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  const UCHAR count = *::GetSidSubAuthorityCount(label);
  if (count == 0) return std::nullopt;
  return *::GetSidSubAuthority(label, count - 1u);
}

SystemIsolation g_systemIsolation;
WindowIsolation* g_current = &g_systemIsolation;

}  // namespace

std::optional<DWORD> ProcessIntegrity(DWORD processId) {
  // Limited queries are granted on an elevated process of the same account.
  const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return std::nullopt;
  return IntegrityLevel(process.get());
}

bool SystemIsolation::Cloaked(HWND window) {
  return WindowManagerAttribute<DWORD>(window, DWMWA_CLOAKED).value_or(0) != 0;
}

bool SystemIsolation::RunsWithHigherRights(HWND window) {
  const DWORD processId = WindowProcessId(window);
  if (processId == 0 || processId == ::GetCurrentProcessId()) return false;
  const std::optional<DWORD> ours = integrity_(::GetCurrentProcessId());
  if (!ours) return false;
  const std::optional<DWORD> theirs = integrity_(processId);
  return theirs ? *theirs > *ours : *ours < SECURITY_MANDATORY_HIGH_RID;
}

WindowIsolation& CurrentWindowIsolation() { return *g_current; }

void SetWindowIsolation(WindowIsolation* isolation) { g_current = isolation ? isolation : &g_systemIsolation; }

Outcome ChangeAllowed(HWND window) {
  return g_current->RunsWithHigherRights(window) ? Outcome::Failure(ERROR_ACCESS_DENIED) : Outcome::Success();
}

Outcome AllowFromLowerRights(HWND window, UINT message) {
  using FilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
  static const auto filter = SystemFunction<FilterFn>(L"user32.dll", "ChangeWindowMessageFilterEx");
  const std::optional<DWORD> ours = ProcessIntegrity(::GetCurrentProcessId());
  if (!filter || !ours || *ours <= SECURITY_MANDATORY_MEDIUM_RID) return Outcome::Success();
  return Outcome::Of([&] { return filter(window, message, MSGFLT_ALLOW, nullptr); });
}

}  // namespace platform
