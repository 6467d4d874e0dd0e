#include <gtest/gtest.h>

#include <vector>

#include "shell/portable/ArrangeGeometry.h"

using vantora::CascadeRects;
using vantora::Rect;
using vantora::TileDirection;
using vantora::TileRects;

namespace {
constexpr Rect kScreen{0, 0, 1280, 1024};
}

TEST(CascadeRects, StepsDownAndRightAndStartsAgainBeforeLeavingTheWorkArea) {
  const Rect work{0, 0, 1200, 900};
  const auto rects = CascadeRects(work, 14, 25);
  ASSERT_EQ(rects.size(), 14u);
  EXPECT_EQ(rects[0], (Rect{0, 0, 800, 600}));
  EXPECT_EQ(rects[1], (Rect{25, 25, 825, 625}));
  EXPECT_EQ(rects[2], (Rect{50, 50, 850, 650}));
  // (900 - 600) / 25 + 1 = 13 slots fit; the last touches the bottom edge, the next starts over.
  EXPECT_EQ(rects[12], (Rect{300, 300, 1100, 900}));
  EXPECT_EQ(rects[13], rects[0]);
  EXPECT_TRUE(CascadeRects(work, 0, 25).empty());
}

TEST(CascadeRects, FollowsAWorkAreaThatDoesNotStartAtTheOrigin) {
  const auto rects = CascadeRects({100, 40, 1300, 940}, 2, 30);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], (Rect{100, 40, 900, 640}));
  EXPECT_EQ(rects[1], (Rect{130, 70, 930, 670}));
}

TEST(TileRects, UpToThreeWindowsFormOneBand) {
  EXPECT_EQ(TileRects(kScreen, 1, TileDirection::Vertical), (std::vector<Rect>{kScreen}));
  EXPECT_EQ(TileRects(kScreen, 2, TileDirection::Vertical),
            (std::vector<Rect>{{0, 0, 640, 1024}, {640, 0, 1280, 1024}}));
  EXPECT_EQ(TileRects(kScreen, 3, TileDirection::Horizontal),
            (std::vector<Rect>{{0, 0, 1280, 341}, {0, 341, 1280, 682}, {0, 682, 1280, 1024}}));
  EXPECT_TRUE(TileRects(kScreen, 0, TileDirection::Horizontal).empty());
}

TEST(TileRects, FromFourWindowsAGridWithTheExtraWindowsInTheLastBands) {
  EXPECT_EQ(TileRects(kScreen, 4, TileDirection::Horizontal),
            (std::vector<Rect>{{0, 0, 640, 512}, {640, 0, 1280, 512}, {0, 512, 640, 1024}, {640, 512, 1280, 1024}}));
  // Five side by side: three columns holding 1, 2 and 2 windows.
  EXPECT_EQ(
      TileRects(kScreen, 5, TileDirection::Vertical),
      (std::vector<Rect>{
          {0, 0, 426, 1024}, {426, 0, 853, 512}, {426, 512, 853, 1024}, {853, 0, 1280, 512}, {853, 512, 1280, 1024}}));
}

TEST(TileRects, EveryCountCoversTheWorkAreaExactlyWithoutOverlap) {
  const Rect work{13, 7, 1013, 707};
  for (auto direction : {TileDirection::Horizontal, TileDirection::Vertical}) {
    for (int count = 1; count <= 40; ++count) {
      const auto rects = TileRects(work, count, direction);
      ASSERT_EQ(rects.size(), static_cast<size_t>(count));
      long long area = 0;
      for (size_t i = 0; i < rects.size(); ++i) {
        const Rect& r = rects[i];
        EXPECT_TRUE(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom)
            << count << " windows, slot " << i;
        EXPECT_GT(r.Width(), 0);
        EXPECT_GT(r.Height(), 0);
        area += static_cast<long long>(r.Width()) * r.Height();
        for (size_t j = 0; j < i; ++j) {
          const Rect& o = rects[j];
          const bool apart = r.right <= o.left || o.right <= r.left || r.bottom <= o.top || o.bottom <= r.top;
          EXPECT_TRUE(apart) << count << " windows, slots " << j << " and " << i;
        }
      }
      EXPECT_EQ(area, static_cast<long long>(work.Width()) * work.Height()) << count << " windows";
    }
  }
}
