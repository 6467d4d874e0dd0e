#include <gtest/gtest.h>

#include <vector>

#include "ui/portable/ReadingOrder.h"

namespace {

using ui::Bounds;

std::vector<std::size_t> Order(std::vector<Bounds> places) { return ui::ReadingOrder(places); }

TEST(ReadingOrder, RowsTopToBottomAndEachRowLeftToRight) {
  // Two columns of buttons declared column by column are read row by row.
  EXPECT_EQ(Order({{35, 242, 272, 25}, {35, 269, 272, 25}, {328, 242, 272, 25}, {328, 269, 272, 25}}),
            (std::vector<std::size_t>{0, 2, 1, 3}));
  // A button a few pixels higher than the box beside it is still read after the box on its left.
  EXPECT_EQ(Order({{116, 215, 484, 21}, {35, 211, 75, 25}}), (std::vector<std::size_t>{1, 0}));
  // Overlaps chain a row: a slider beside two stacked buttons reaching into both.
  EXPECT_EQ(Order({{215, 478, 145, 22}, {215, 504, 145, 23}, {29, 490, 180, 26}}), (std::vector<std::size_t>{2, 0, 1}));
  // Touching is not overlapping: a control starting where another ends is on the next row.
  EXPECT_EQ(Order({{200, 10, 50, 20}, {0, 30, 50, 20}}), (std::vector<std::size_t>{0, 1}));
}

TEST(ReadingOrder, KeepsTheGivenOrderOfTiesAndCopesWithNothing) {
  EXPECT_EQ(Order({{10, 10, 20, 20}, {10, 10, 20, 20}, {10, 10, 20, 20}}), (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_TRUE(Order({}).empty());
}

}  // namespace
