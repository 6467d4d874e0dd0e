#include <gtest/gtest.h>

#include <vector>

#include "ui/portable/CaptionFit.h"

namespace {

using ui::Edges;
using ui::FitItem;

constexpr Edges kForm{0, 0, 400, 300};
constexpr int kGap = 2;

std::vector<Edges> Fit(const std::vector<FitItem>& items) { return ui::FitCaptions(items, kForm, kGap); }

FitItem Item(Edges place, int needWidth = 0, int needHeight = 0, int holder = -1) {
  return {place, needWidth, needHeight, holder, false};
}

TEST(CaptionFit, PlacesThatFitStayExactlyWhereTheLayoutPutThem) {
  const std::vector<FitItem> items{Item({10, 10, 100, 35}, 80), Item({103, 10, 200, 35}, 97),
                                   Item({10, 40, 60, 53}, 50, 13), Item({0, 0, 400, 5})};
  std::vector<Edges> places;
  for (const FitItem& item : items) places.push_back(item.place);
  EXPECT_EQ(Fit(items), places);
}

TEST(CaptionFit, GrowsIntoItsRowTakingSpareWidthBeforeMovingNeighbours) {
  // Two buttons 3 pixels apart: the second gives up its spare width and keeps its right edge.
  auto fitted = Fit({Item({10, 10, 100, 35}, 95), Item({103, 10, 200, 35}, 80)});
  EXPECT_EQ(fitted[0], (Edges{10, 10, 105, 35}));
  EXPECT_EQ(fitted[1], (Edges{107, 10, 200, 35}));

  // Without spare width the neighbour moves on, the least gap kept, and pushes the next one in
  // the row along as far as it must; a control of another row stays put.
  fitted = Fit({Item({10, 10, 100, 35}, 110), Item({103, 10, 200, 35}, 97), Item({250, 20, 300, 30}),
                Item({103, 40, 200, 60}, 97)});
  EXPECT_EQ(fitted[0], (Edges{10, 10, 120, 35}));
  EXPECT_EQ(fitted[1], (Edges{122, 10, 219, 35}));
  EXPECT_EQ(fitted[2], (Edges{250, 20, 300, 30})) << "still 31 pixels clear of the button";
  EXPECT_EQ(fitted[3], (Edges{103, 40, 200, 60}));

  // Labels sized to their texts: the second makes way so their texts do not touch.
  fitted = Fit({Item({6, 21, 6, 21}, 61, 13), Item({67, 21, 67, 21}, 58, 13), Item({128, 21, 128, 21}, 53, 13)});
  EXPECT_EQ(fitted[0], (Edges{6, 21, 67, 34}));
  EXPECT_EQ(fitted[1], (Edges{69, 21, 127, 34}));
  EXPECT_EQ(fitted[2], (Edges{129, 21, 182, 34}));
}

TEST(CaptionFit, StaysInsideWhatHoldsItAndNeverMovesAPanel) {
  // A label near a group box's right edge takes what is left there and the rest on its left.
  const FitItem group{{0, 0, 200, 100}, 0, 0, -1, true};
  auto fitted = Fit({group, Item({150, 20, 150, 20}, 60, 13, 0), Item({10, 20, 60, 33}, 0, 0, 0)});
  EXPECT_EQ(fitted[0], group.place);
  EXPECT_EQ(fitted[1], (Edges{138, 20, 198, 33}));
  EXPECT_EQ(fitted[2], (Edges{10, 20, 60, 33}));

  // A button beside a panel grows away from it; one between two panels can grow no further than
  // the room between them and keeps what it has.
  const FitItem panel{{200, 0, 300, 100}, 0, 0, -1, true};
  fitted = Fit({panel, Item({100, 10, 197, 30}, 120)});
  EXPECT_EQ(fitted[1], (Edges{78, 10, 198, 30}));
  fitted = Fit({panel, Item({302, 10, 320, 30}, 200), FitItem{{325, 0, 400, 100}, 0, 0, -1, true}});
  EXPECT_EQ(fitted[1], (Edges{302, 10, 323, 30}));
  EXPECT_EQ(fitted[2].left, 325);

  // A pair whose captions ask more than their column holds shares its width in proportion to
  // them, half the gap between the two, and ends where the column does.
  const FitItem column{{100, 0, 338, 200}, 0, 0, -1, true};
  fitted = Fit({column, Item({101, 10, 224, 36}, 130, 0, 0), Item({227, 10, 338, 36}, 119, 0, 0)});
  EXPECT_EQ(fitted[1], (Edges{101, 10, 224, 36}));
  EXPECT_EQ(fitted[2], (Edges{225, 10, 338, 36}));
  fitted = Fit({column, Item({101, 10, 224, 36}, 200, 0, 0), Item({227, 10, 338, 36}, 100, 0, 0)});
  EXPECT_EQ(fitted[1], (Edges{101, 10, 258, 36}));
  EXPECT_EQ(fitted[2], (Edges{259, 10, 338, 36}));
}

TEST(CaptionFit, TallerCaptionsGrowDownAndLayoutOverlapsAreKept) {
  // A glyph button a pixel short of its second line grows down into the free space below, but
  // never past the form's edge.
  auto fitted = Fit({Item({19, 200, 105, 263}, 0, 64), Item({120, 260, 200, 295}, 0, 50)});
  EXPECT_EQ(fitted[0], (Edges{19, 200, 105, 264}));
  EXPECT_EQ(fitted[1], (Edges{120, 248, 200, 298}));
  // A text overlapping the control under it pushes it down until they touch.
  fitted = Fit({Item({10, 10, 10, 10}, 40, 16), Item({10, 20, 80, 40})});
  EXPECT_EQ(fitted[0], (Edges{10, 10, 50, 26}));
  EXPECT_EQ(fitted[1], (Edges{10, 26, 80, 46}));
  // A line the layout drew over a radio button is pushed on by a label and stays over it.
  fitted = Fit({Item({128, 21, 128, 21}, 53, 13), Item({179, 6, 191, 97}), Item({186, 10, 203, 27})});
  EXPECT_EQ(fitted[1], (Edges{183, 6, 195, 97}));
  EXPECT_EQ(fitted[2], (Edges{190, 10, 207, 27}));
}

}  // namespace
