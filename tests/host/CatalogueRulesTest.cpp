#include <gtest/gtest.h>

#include "catalogue/portable/CatalogueRules.h"

using vantora::IsListedTitle;

TEST(CatalogueRules, TitlesOfTheShellAndEmptyTitlesAreNotListed) {
  EXPECT_FALSE(IsListedTitle(L""));
  EXPECT_TRUE(IsListedTitle(L"Start"));  // the start button is told by what it is
  EXPECT_FALSE(IsListedTitle(L"Program Manager"));
  EXPECT_TRUE(IsListedTitle(L"start"));
  EXPECT_TRUE(IsListedTitle(L"program manager"));
  EXPECT_TRUE(IsListedTitle(L"Start "));
  EXPECT_TRUE(IsListedTitle(L" "));
}
