#include "ui/zoom_levels.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(ZoomLevelsTest, StepsStayWithinTheLimitsAndFitTakesTheSmallerRatio) {
  const struct {
    int from;
    int larger;
    int smaller;
  } steps[] = {{100, 110, 90}, {25, 33, 25}, {200, 200, 175},
               {60, 67, 50},   {10, 25, 25}, {500, 200, 200}};
  for (const auto& s : steps) {
    EXPECT_EQ(ZoomLevels::Larger(s.from), s.larger) << s.from;
    EXPECT_EQ(ZoomLevels::Smaller(s.from), s.smaller) << s.from;
  }
  const struct {
    int contentWidth;
    int contentHeight;
    int clientWidth;
    int clientHeight;
    int fit;
  } fits[] = {
      {2000, 1000, 1000, 800, 50},    // the width limits
      {1000, 3000, 1000, 900, 30},    // the height limits
      {300, 200, 1000, 800, 200},     // small designs grow to the largest scale
      {50000, 90000, 1000, 800, 25},  // huge ones stop at the smallest
      {0, 0, 1000, 800, 100},         // nothing to fit
  };
  for (const auto& f : fits) {
    EXPECT_EQ(ZoomLevels::Fit(f.contentWidth, f.contentHeight, f.clientWidth, f.clientHeight),
              f.fit)
        << f.contentWidth << "x" << f.contentHeight;
  }
}

}  // namespace
}  // namespace tablora
