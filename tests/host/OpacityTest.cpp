#include <gtest/gtest.h>

#include "platform/portable/Opacity.h"

TEST(OpacityAlpha, TruncatesPercentTimes255Over100) {
  const int percents[] = {0, 1, 50, 99, 100};
  const int alphas[] = {0, 2, 127, 252, 255};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(vantora::OpacityAlpha(percents[i]), alphas[i]) << percents[i];
}
