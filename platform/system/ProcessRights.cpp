#include "platform/system/ProcessRights.h"

#include <sddl.h>

#include <vector>

#include "platform/UniqueHandle.h"

namespace platform {

namespace {

std::vector<BYTE> TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
  DWORD size = 0;
  ::GetTokenInformation(token, kind, nullptr, 0, &size);
  std::vector<BYTE> data(size);
  if (size == 0 || !::GetTokenInformation(token, kind, data.data(), size, &size)) data.clear();
  return data;
}

class SystemRights final : public RightsReader {
 public:
  std::optional<ProcessRights> Of(DWORD processId) override {
    const UniqueKernelHandle process{::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)};
    HANDLE rawToken = nullptr;
    if (!process || !::OpenProcessToken(process.get(), TOKEN_QUERY, &rawToken)) return std::nullopt;
    const UniqueKernelHandle token{rawToken};
    ProcessRights rights;
    const std::vector<BYTE> user = TokenInformation(token.get(), TokenUser);
    wchar_t* sid = nullptr;
    if (user.empty() || !::ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid, &sid))
      return std::nullopt;
    rights.user = sid;
    ::LocalFree(sid);
    if (!::ProcessIdToSessionId(processId, &rights.session)) return std::nullopt;
    // A system without integrity levels (or Wine, which may not report one) counts as medium.
    rights.integrity = SECURITY_MANDATORY_MEDIUM_RID;
    const std::vector<BYTE> level = TokenInformation(token.get(), TokenIntegrityLevel);
    if (!level.empty()) {
      const PSID label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(level.data())->Label.Sid;
      rights.integrity = *::GetSidSubAuthority(label, *::GetSidSubAuthorityCount(label) - 1u);
    }
    TOKEN_ELEVATION elevation{};
    DWORD size = sizeof(elevation);
    rights.elevated =
        ::GetTokenInformation(token.get(), TokenElevation, &elevation, size, &size) && elevation.TokenIsElevated;
    return rights;
  }
};

SystemRights systemRights;
RightsReader* current = &systemRights;

}  // namespace

RightsReader& CurrentRightsReader() { return *current; }
void SetRightsReader(RightsReader* reader) { current = reader ? reader : &systemRights; }

}  // namespace platform
