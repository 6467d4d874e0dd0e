#pragma once
// Which Windows we run on, told by the newest function that kernel32 exports. Each row names a
// function that first appeared in that version; the first export found decides.
#include <array>
#include <functional>
#include <string_view>

namespace vantora {

struct VersionProbe {
  std::string_view exportName;   // looked up in kernel32
  std::string_view versionName;  // the result when it is the first export found
  bool accepted;                 // whether the program runs on that version
};

inline constexpr std::array<VersionProbe, 6> kVersionProbes{{
    {"GetLocaleInfoEx", "wvWinVista", true},  // and every later Windows
    {"GetLargePageMinimum", "wvWinServer2003", false},
    {"GetNativeSystemInfo", "wvWinXP", true},
    {"ReplaceFile", "wvWin2000", true},
    {"OpenThread", "wvWinME", false},
    {"GetThreadPriorityBoost", "wvWinNT4", true},
}};

// The result when kernel32 exports none of the probed functions.
inline constexpr std::string_view kOlderVersionName = "wvWin95";

// The version name for a kernel32 that exports exactly the names `hasExport` accepts.
std::string_view VersionFromExports(const std::function<bool(std::string_view)>& hasExport);

// True for the versions the program accepts (NT 4, 2000, XP, Vista and later).
bool IsSupportedVersion(std::string_view versionName);

}  // namespace vantora
