#include <gtest/gtest.h>

#include "catalogue/portable/CatalogueRules.h"

using vantora::IsListed;
using vantora::IsListedTitle;
using vantora::WindowFacts;

TEST(CatalogueRules, TitlesOfTheShellAndEmptyTitlesAreNotListed) {
  EXPECT_FALSE(IsListedTitle(L""));
  EXPECT_FALSE(IsListedTitle(L"Start"));
  EXPECT_FALSE(IsListedTitle(L"Program Manager"));
  EXPECT_TRUE(IsListedTitle(L"start"));
  EXPECT_TRUE(IsListedTitle(L"program manager"));
  EXPECT_TRUE(IsListedTitle(L"Start "));
  EXPECT_TRUE(IsListedTitle(L" "));
}

TEST(CatalogueRules, EveryRuleCanRejectAWindowWithAGoodTitle) {
  const WindowFacts good{true, false, true, L"Editor"};
  EXPECT_TRUE(IsListed(good));
  WindowFacts gone = good, own = good, hidden = good;
  gone.exists = false;
  own.ownWindow = true;
  hidden.visible = false;
  EXPECT_FALSE(IsListed(gone));
  EXPECT_FALSE(IsListed(own));
  EXPECT_FALSE(IsListed(hidden));
}
