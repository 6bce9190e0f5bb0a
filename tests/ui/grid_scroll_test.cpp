#include "ui/grid_scroll.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(GridScrollAxis, PageIsTheClientLessTheFixedCells) {
  EXPECT_EQ(GridScroll::Axis(200, 20, 1000).page, 180);
  EXPECT_EQ(GridScroll::Axis(10, 20, 1000).page, 0) << "fixed cells taller than the window";
}

TEST(GridScrollAxis, RangeExistsOnlyWhenTheBodyIsLargerThanThePage) {
  // Body of 980 pixels in a page of 180: range 0..979, last position 800.
  const ScrollAxis tall = GridScroll::Axis(200, 20, 1000);
  EXPECT_EQ(tall.range, 979);
  EXPECT_TRUE(tall.Visible());
  EXPECT_EQ(tall.MaxPosition(), 800);
  // Body exactly one page: nothing to scroll.
  const ScrollAxis exact = GridScroll::Axis(200, 20, 200);
  EXPECT_EQ(exact, (ScrollAxis{180, 0}));
  EXPECT_FALSE(exact.Visible());
  EXPECT_EQ(exact.MaxPosition(), 0);
  // One pixel more than the page scrolls by one pixel.
  const ScrollAxis onePixel = GridScroll::Axis(200, 20, 201);
  EXPECT_EQ(onePixel, (ScrollAxis{180, 180}));
  EXPECT_EQ(onePixel.MaxPosition(), 1);
  EXPECT_EQ(GridScroll::Axis(200, 0, 0), (ScrollAxis{200, 0}));
}

TEST(GridScrollWheel, PageModeScrollsAPagePerNotch) {
  EXPECT_EQ(GridScroll::Wheel(-120, GridScroll::kWheelPage), (WheelScroll{true, 1}));
  EXPECT_EQ(GridScroll::Wheel(240, GridScroll::kWheelPage), (WheelScroll{true, -2}));
  EXPECT_EQ(GridScroll::Wheel(60, GridScroll::kWheelPage), (WheelScroll{true, 0}));
}

TEST(GridScrollWheel, LineModeScalesTheDeltaByTheWheelLines) {
  EXPECT_EQ(GridScroll::Wheel(-120, 3), (WheelScroll{false, 3}));
  EXPECT_EQ(GridScroll::Wheel(120, 3), (WheelScroll{false, -3}));
  EXPECT_EQ(GridScroll::Wheel(-40, 3), (WheelScroll{false, 1})) << "a fine-grained wheel";
  EXPECT_EQ(GridScroll::Wheel(-240, 5), (WheelScroll{false, 10}));
  EXPECT_EQ(GridScroll::Wheel(-120, 0), (WheelScroll{false, 0}));
}

}  // namespace
}  // namespace tablora
