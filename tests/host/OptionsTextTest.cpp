// What the options dialog shows for the period and in the skin box.
#include <gtest/gtest.h>

#include "options/portable/OptionsText.h"

using options::FillSkinBox;

TEST(OptionsText, PeriodReadsSecondsWithTheSingularForOne) {
  EXPECT_EQ(options::PeriodText(1), L"1 Second");
  EXPECT_EQ(options::PeriodText(2), L"2 Seconds");
  EXPECT_EQ(options::PeriodText(45), L"45 Seconds");
  EXPECT_EQ(options::PeriodText(300), L"300 Seconds");
  EXPECT_EQ(options::CurrentText(-35), L"Current: -35");
  EXPECT_EQ(options::CurrentText(0), L"Current: 0");
}

TEST(OptionsText, SkinBoxHighlightsTheEntryAfterTheActiveSkin) {
  const std::vector<std::wstring> names{L"Neutral4 (internal)", L"Ledenets (internal)", L"WMP11"};
  const auto middle = FillSkinBox(names, L"Neutral4 (internal)");
  EXPECT_EQ(middle.items, names);
  EXPECT_EQ(middle.highlighted, 1);
  EXPECT_TRUE(middle.showsActiveName);

  EXPECT_EQ(FillSkinBox(names, L"WMP11").highlighted, -1);  // the last one: nothing after it
  EXPECT_EQ(FillSkinBox(names, L"Typed").highlighted, 0);   // not listed: the first entry
  EXPECT_EQ(FillSkinBox(names, L"").highlighted, 0);
  EXPECT_EQ(FillSkinBox(names, L"wmp11").highlighted, 0);  // names compare exactly
}

TEST(OptionsText, NoSkinsGivesTheOneHighlightedPlaceholderEntry) {
  const auto empty = FillSkinBox({}, L"WMP11");
  EXPECT_EQ(empty.items, (std::vector<std::wstring>{L"No skins available"}));
  EXPECT_EQ(empty.highlighted, 0);
  EXPECT_FALSE(empty.showsActiveName);
}
