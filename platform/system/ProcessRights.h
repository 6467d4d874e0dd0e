#pragma once
// Who a process runs as and with how much right: its user, its session and the integrity level
// and elevation of its token. The command line is served only for a caller of the same user and
// session whose rights are not below the running program's.
#include <windows.h>

#include <optional>
#include <string>

namespace platform {

struct ProcessRights {
  std::wstring user;  // the user's SID as text
  DWORD session = 0;
  DWORD integrity = 0;  // the mandatory level's RID (SECURITY_MANDATORY_MEDIUM_RID, ...)
  bool elevated = false;
};

// True when `a` holds rights that `b` lacks: a higher integrity level, or elevation.
inline bool MoreRights(const ProcessRights& a, const ProcessRights& b) {
  return a.integrity > b.integrity || (a.elevated && !b.elevated);
}

class RightsReader {
 public:
  virtual ~RightsReader() = default;
  // Nothing when the process has gone or its token cannot be read.
  virtual std::optional<ProcessRights> Of(DWORD processId) = 0;
};

RightsReader& CurrentRightsReader();
// Installs `reader` for the whole program; nullptr brings back the one that asks the system.
void SetRightsReader(RightsReader* reader);

}  // namespace platform
