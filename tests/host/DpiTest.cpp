#include <gtest/gtest.h>

#include "ui/portable/Dpi.h"

namespace {

using vantora::FontHeightForDpi;
using vantora::ScaleForDpi;

TEST(Dpi, PlacesScaleToTheNearestPixel) {
  EXPECT_EQ(ScaleForDpi(161, 144), 242);  // 241.5
  EXPECT_EQ(ScaleForDpi(27, 120), 34);    // 33.75
  EXPECT_EQ(ScaleForDpi(-11, 144), -17);  // halves go away from zero on both sides
  EXPECT_EQ(ScaleForDpi(100, 96), 100);
}

TEST(Dpi, FontsKeepTheirPointSizeAsTheSystemSizesIt) {
  // -11 pixels at 96 DPI is 8 points: 13, 16 and 21 pixels at 120, 144 and 192 DPI.
  EXPECT_EQ(FontHeightForDpi(-11, 96), -11);
  EXPECT_EQ(FontHeightForDpi(-11, 120), -13);
  EXPECT_EQ(FontHeightForDpi(-11, 144), -16);
  EXPECT_EQ(FontHeightForDpi(-11, 192), -21);
  // -13 pixels is 10 points, but no larger than -13 scaled: 16, 20 and 26 pixels.
  EXPECT_EQ(FontHeightForDpi(-13, 96), -13);
  EXPECT_EQ(FontHeightForDpi(-13, 120), -16);
  EXPECT_EQ(FontHeightForDpi(-13, 144), -20);
  EXPECT_EQ(FontHeightForDpi(-13, 192), -26);
  EXPECT_EQ(FontHeightForDpi(12, 144), 18);  // a cell height, positive, the same way
}

}  // namespace
