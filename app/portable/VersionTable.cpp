#include "app/portable/VersionTable.h"

namespace vantora {

std::string_view VersionFromExports(const std::function<bool(std::string_view)>& hasExport) {
  for (const VersionProbe& probe : kVersionProbes)
    if (hasExport(probe.exportName)) return probe.versionName;
  return kOlderVersionName;
}

bool IsSupportedVersion(std::string_view versionName) {
  for (const VersionProbe& probe : kVersionProbes)
    if (probe.versionName == versionName) return probe.accepted;
  return false;
}

}  // namespace vantora
