#include "ui/window_spread.h"

#include <gtest/gtest.h>

#include <string>

namespace tablora {
namespace {

/// "x,y" of every window.
std::string Corners(const std::vector<PixelRect>& rects) {
  std::string out;
  for (const PixelRect& r : rects) {
    if (!out.empty()) out += " ";
    out += std::to_string(r.x) + "," + std::to_string(r.y);
  }
  return out;
}

TEST(WindowSpreadTest, WindowsThatGrewPushThoseRightOfAndBelowThemKeepingTheGaps) {
  // Two rows of three cells 200 x 180: windows 180 x 150.
  std::vector<PixelRect> grid;
  for (int i = 0; i < 6; ++i) grid.push_back({200 * (i % 3), 180 * (i / 3), 180, 150});
  struct Case {
    const char* name;
    std::vector<PixelRect> before;
    std::vector<std::pair<int, PixelRect>> resized;  ///< window, new width and height
    const char* corners;
  };
  const auto sized = [](int w, int h) { return PixelRect{0, 0, w, h}; };
  const Case cases[] = {
      {"nothing grew",
       grid,
       {{0, sized(100, 150)}, {4, sized(180, 90)}},
       "0,0 200,0 400,0 0,180 200,180 400,180"},
      // The cell column widens: every window right of the grown one moves, in both rows.
      {"wider", grid, {{0, sized(300, 150)}}, "0,0 320,0 520,0 0,180 320,180 520,180"},
      {"widths add up along a row",
       grid,
       {{0, sized(230, 150)}, {4, sized(240, 150)}},
       "0,0 250,0 510,0 0,180 250,180 510,180"},
      {"taller", grid, {{1, sized(180, 200)}}, "0,0 200,0 400,0 0,230 200,230 400,230"},
      {"wider and taller", grid, {{0, sized(200, 170)}}, "0,0 220,0 420,0 0,200 220,200 420,200"},
      // Windows that overlapped (or touched nothing) keep their corners.
      {"overlapping",
       {{0, 0, 100, 100}, {50, 50, 100, 100}, {500, 500, 50, 50}},
       {{0, sized(200, 100)}},
       "0,0 50,50 600,500"},
      {"a gap wider than the growth stays as wide",
       {{0, 0, 100, 50}, {300, 0, 100, 50}},
       {{0, sized(150, 50)}},
       "0,0 350,0"},
  };
  for (const Case& c : cases) {
    std::vector<PixelRect> after = c.before;
    for (const auto& [window, size] : c.resized) {
      after[window].width = size.width;
      after[window].height = size.height;
    }
    const std::vector<PixelRect> spread = WindowSpread::Spread(c.before, after);
    EXPECT_EQ(Corners(spread), c.corners) << c.name;
    for (std::size_t i = 0; i < spread.size(); ++i) {
      EXPECT_EQ(spread[i].width, after[i].width) << c.name;
      EXPECT_EQ(spread[i].height, after[i].height) << c.name;
    }
  }
}

}  // namespace
}  // namespace tablora
