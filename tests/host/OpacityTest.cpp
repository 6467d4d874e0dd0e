#include <gtest/gtest.h>

#include "platform/windows/portable/Opacity.h"

TEST(OpacityAlpha, TruncatesPercentTimes255Over100) {
  const int percents[] = {0, 1, 50, 99, 100};
  const int alphas[] = {0, 2, 127, 252, 255};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(vantora::OpacityAlpha(percents[i]), alphas[i]) << percents[i];
}

TEST(OpacityPercent, EveryPercentageReadsBackAsItselfAndOtherAlphasRound) {
  for (int percent = 0; percent <= 100; ++percent)
    EXPECT_EQ(vantora::OpacityPercent(vantora::OpacityAlpha(percent)), percent) << percent;
  // Alphas another program may have set, between the ones a percentage gives.
  EXPECT_EQ(vantora::OpacityPercent(1), 0);
  EXPECT_EQ(vantora::OpacityPercent(128), 50);
  EXPECT_EQ(vantora::OpacityPercent(254), 100);
}
