#include <gtest/gtest.h>

#include <algorithm>

#include "commands/portable/ResizeLayout.h"

namespace {

using commands::ResizeModel;
using ui::Bounds;

int Right(const Bounds& b) { return b.left + b.width; }
int Bottom(const Bounds& b) { return b.top + b.height; }

// A pointer on the screen over a control that moves with the model: the events report its
// position relative to the pressed control, as a control holding the mouse capture sees it.
struct Pointer {
  int x, y;
};

TEST(ResizeModel, MoveDragKeepsThePressedPointUnderThePointer) {
  ResizeModel model;
  model.Start({100, 80, 640, 480});
  // Pressed 30, 40 inside the label, which sits 1 pixel below the panel's top.
  const int labelTop = 1;
  Pointer p{100 + 30, 80 + labelTop + 40};
  const auto local = [&] { return Pointer{p.x - model.shape.left, p.y - model.shape.top - labelTop}; };
  model.ShapeDown(local().x, local().y);
  for (int step = 0; step < 10; ++step) {  // 50 right and 20 down in uneven steps
    p.x += step % 2 ? 7 : 3;
    p.y += step % 2 ? 1 : 3;
    EXPECT_TRUE(model.ShapeMove(local().x, local().y));
    EXPECT_EQ(local().x, 30);
    EXPECT_EQ(local().y, 40);
  }
  model.ShapeUp();
  EXPECT_EQ(model.shape, (Bounds{150, 100, 640, 480}));
  EXPECT_EQ(Right(model.handle), 790);  // the handle follows a move at once
  EXPECT_EQ(Bottom(model.handle), 580);
  EXPECT_FALSE(model.ShapeMove(500, 500));  // released: moves change nothing
  EXPECT_EQ(model.shape, (Bounds{150, 100, 640, 480}));
}

TEST(ResizeModel, CornerDragAddsThePressOffsetAndTheHandleJumpsOnRelease) {
  ResizeModel model;
  model.Start({100, 80, 640, 480});
  const Bounds handleBefore = model.handle;

  // Pressed at its top-left pixel and released without moving: nothing changes.
  model.HandleDown();
  model.HandleUp();
  EXPECT_EQ(model.shape, (Bounds{100, 80, 640, 480}));

  // Pressed at 13, 11, then one pixel right and down.
  model.HandleDown();
  EXPECT_TRUE(model.HandleMove(14, 12));
  EXPECT_EQ(model.shape, (Bounds{100, 80, 654, 492}));
  EXPECT_EQ(model.handle, handleBefore);  // still where the drag began
  // Far outside the handle, up and to the left: the size may shrink below zero.
  EXPECT_TRUE(model.HandleMove(-700, -30));
  EXPECT_EQ(model.shape, (Bounds{100, 80, -60, 450}));
  EXPECT_TRUE(model.HandleMove(20, 20));
  model.HandleUp();
  EXPECT_EQ(model.shape, (Bounds{100, 80, 660, 500}));
  EXPECT_EQ(Right(model.handle), 760);
  EXPECT_EQ(Bottom(model.handle), 580);

  // The next drag starts from the new size.
  model.HandleDown();
  EXPECT_TRUE(model.HandleMove(5, 0));
  EXPECT_EQ(model.shape.width, 665);
  EXPECT_EQ(model.shape.height, 500);
  model.HandleUp();
  EXPECT_FALSE(model.HandleMove(100, 100));
  EXPECT_EQ(model.shape.width, 665);
}

constexpr commands::ScreenFacts kScreen{{0, 0, 1280, 1024}, 96};

TEST(ResizeLayout, CancelEndsOnThePanelsCentreLineAndApplyFollows) {
  struct Case {
    Bounds shape;
    int centre;  // the panel's vertical centre line, relative to its left edge
  };
  for (const Case& c : {Case{{280, 94, 303, 315}, 151}, Case{{0, 0, 640, 480}, 320}, Case{{300, 10, 1, 5}, 0},
                        Case{{310, 10, -7, 40}, -3}, Case{{500, 300, 200, 120}, 100}}) {
    const auto contents = commands::LayOutContents(c.shape, kScreen);
    EXPECT_EQ(Right(contents.cancel) - c.shape.left, c.centre) << c.shape.width;
    EXPECT_EQ(contents.apply.left, Right(contents.cancel) + 10);
    EXPECT_EQ(contents.cancel.top, contents.apply.top);
    EXPECT_EQ(contents.cancel.width, 91);
    EXPECT_EQ(contents.apply.width, 84);
    EXPECT_EQ(contents.label.left, c.shape.left);
    EXPECT_EQ(contents.label.width, c.shape.width);
  }
}

TEST(ResizeLayout, ButtonsStayInsideAPanelThatHoldsThemAndGoOutsideOneThatDoesNot) {
  // Room for both, clear of the handle: the designed place.
  for (const Bounds shape : {Bounds{280, 94, 303, 315}, Bounds{0, 0, 640, 480}, Bounds{100, 100, 250, 205}}) {
    const auto contents = commands::LayOutContents(shape, kScreen);
    EXPECT_EQ(contents.cancel.top, shape.top + 154) << shape.width << " x " << shape.height;
    EXPECT_EQ(contents.label.height, std::min(230, shape.height - 1));
  }
  // Too low, too narrow, or where "Apply" would cover the handle: just below the panel.
  for (const Bounds shape : {Bounds{500, 300, 200, 120}, Bounds{500, 300, 120, 400}, Bounds{500, 300, 220, 195}}) {
    const auto contents = commands::LayOutContents(shape, kScreen);
    EXPECT_EQ(contents.cancel.top, Bottom(shape) + 4) << shape.width << " x " << shape.height;
    EXPECT_EQ(contents.apply.top, Bottom(shape) + 4);
  }
  // Near the screen's bottom edge: above the panel.
  const auto low = commands::LayOutContents({500, 980, 60, 40}, kScreen);
  EXPECT_EQ(Bottom(low.cancel), 980 - 4);
  // Near a side, both buttons stay on the screen with their gap.
  const auto left = commands::LayOutContents({0, 300, 60, 40}, kScreen);
  EXPECT_EQ(left.cancel.left, 0);
  EXPECT_EQ(left.apply.left, 101);
  const auto right = commands::LayOutContents({1250, 300, 30, 40}, kScreen);
  EXPECT_EQ(Right(right.apply), 1280);
  EXPECT_EQ(right.apply.left - Right(right.cancel), 10);
  // On a monitor left of the primary, by that monitor's edges; a panel that holds the buttons
  // below the monitor's bottom has them above it.
  constexpr commands::ScreenFacts kLeftMonitor{{-1024, 0, 1024, 768}, 96};
  EXPECT_EQ(commands::LayOutContents({-1024, 300, 60, 40}, kLeftMonitor).cancel.left, -1024);
  EXPECT_EQ(Right(commands::LayOutContents({-40, 300, 30, 40}, kLeftMonitor).apply), 0);
  EXPECT_EQ(Bottom(commands::LayOutContents({-900, 700, 640, 480}, kLeftMonitor).cancel), 700 - 4);
}

TEST(ResizeLayout, TheLabelNeverReachesBelowThePanel) {
  for (const Bounds shape : {Bounds{500, 300, 200, 120}, Bounds{500, 300, 120, 60}, Bounds{500, 300, 60, 40},
                             Bounds{500, 300, 60, 1}, Bounds{500, 300, 60, -20}}) {
    const auto contents = commands::LayOutContents(shape, kScreen);
    EXPECT_GE(contents.label.height, 0);
    EXPECT_LE(Bottom(contents.label), std::max(Bottom(shape), contents.label.top)) << shape.height;
  }
}

TEST(ResizeLayout, SizesFollowTheScreensDpi) {
  const auto at144 = commands::LayOutContents({0, 0, 640, 480}, {{0, 0, 1920, 1200}, 144});
  EXPECT_EQ(at144.cancel.width, 137);  // 91 * 1.5, rounded
  EXPECT_EQ(at144.apply.width, 126);
  EXPECT_EQ(at144.cancel.height, 38);
  EXPECT_EQ(Right(at144.cancel), 320);
  EXPECT_EQ(at144.apply.left, 335);
  EXPECT_EQ(at144.cancel.top, 231);
  EXPECT_EQ(commands::HandleSize(192).width, 54);
  EXPECT_EQ(commands::HandleSize(192).height, 46);

  // The handle is of the DPI's size; the corner drag's arithmetic is the same.
  ResizeModel model;
  model.Start({100, 80, 640, 480}, 192);
  EXPECT_EQ(model.handle, (Bounds{686, 514, 54, 46}));
  model.HandleDown();
  EXPECT_TRUE(model.HandleMove(14, 12));
  model.HandleUp();
  EXPECT_EQ(model.shape, (Bounds{100, 80, 654, 492}));
  EXPECT_EQ(model.handle, (Bounds{700, 526, 54, 46}));
}

}  // namespace
