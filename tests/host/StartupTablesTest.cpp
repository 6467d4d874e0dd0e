// The version gate's decision over kernel32 exports, and the default hotkey table.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "options/portable/HotKeyTable.h"
#include "app/portable/VersionTable.h"

using namespace vantora;

namespace {

// A kernel32 that exports exactly these names.
std::string_view VersionOf(std::set<std::string> exports) {
  return VersionFromExports([&exports](std::string_view name) { return exports.count(std::string(name)) > 0; });
}

}  // namespace

TEST(VersionGate, TheNewestExportFoundDecidesInTableOrder) {
  // Vista and later export everything of the older systems too.
  EXPECT_EQ(VersionOf({"GetLocaleInfoEx", "GetLargePageMinimum", "GetNativeSystemInfo", "ReplaceFile", "OpenThread",
                       "GetThreadPriorityBoost"}),
            "wvWinVista");
  EXPECT_EQ(
      VersionOf({"GetLargePageMinimum", "GetNativeSystemInfo", "ReplaceFile", "OpenThread", "GetThreadPriorityBoost"}),
      "wvWinServer2003");
  EXPECT_EQ(VersionOf({"GetNativeSystemInfo", "ReplaceFile", "OpenThread", "GetThreadPriorityBoost"}), "wvWinXP");
  EXPECT_EQ(VersionOf({"ReplaceFile", "OpenThread", "GetThreadPriorityBoost"}), "wvWin2000");
  EXPECT_EQ(VersionOf({"OpenThread"}), "wvWinME");
  EXPECT_EQ(VersionOf({"GetThreadPriorityBoost"}), "wvWinNT4");
  EXPECT_EQ(VersionOf({"CreateFileW", "GetVersionExW"}), kOlderVersionName);
  // Only the order matters, not which older names are present as well.
  EXPECT_EQ(VersionOf({"GetLocaleInfoEx"}), "wvWinVista");
  EXPECT_EQ(VersionOf({"GetThreadPriorityBoost", "OpenThread"}), "wvWinME");
}

TEST(VersionGate, AcceptsNt4To2000XpAndVistaButRefusesServer2003MeAndOlder) {
  for (const char* accepted : {"wvWinNT4", "wvWin2000", "wvWinXP", "wvWinVista"})
    EXPECT_TRUE(IsSupportedVersion(accepted)) << accepted;
  for (const char* refused : {"wvWinServer2003", "wvWinME", "wvWin95", "", "wvWin7"})
    EXPECT_FALSE(IsSupportedVersion(refused)) << refused;
  // A Server 2003 kernel (large pages, no locale names) is refused.
  EXPECT_FALSE(IsSupportedVersion(VersionOf({"GetLargePageMinimum", "GetNativeSystemInfo"})));
  EXPECT_TRUE(IsSupportedVersion(VersionOf({"GetLocaleInfoEx", "GetLargePageMinimum"})));
  EXPECT_FALSE(IsSupportedVersion(VersionOf({})));
}

TEST(DefaultHotKeys, IdsOneToSixWithCtrlAltLettersMatchingTheirShortcutValues) {
  const unsigned letters[] = {'C', 'M', 'X', 'R', 'H', 'F'};
  for (size_t i = 0; i < kHotKeys.size(); ++i) {
    const HotKeyDefinition& key = kHotKeys[i];
    EXPECT_EQ(key.id, static_cast<int>(i) + 1);
    EXPECT_EQ(key.virtualKey, letters[i]);
    EXPECT_EQ(key.modifiers, 3u);
    // What the options dialog registers from the shortcut is what start-up registers.
    EXPECT_EQ(ui::ShortCutToHotKey(key.ShortCut()), (ui::HotKeyCombination{key.virtualKey, key.modifiers})) << key.id;
    EXPECT_FALSE(key.optionsLabel.empty());
    EXPECT_EQ(key.optionsLabel.back(), L':');
  }
}
