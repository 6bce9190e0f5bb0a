#include "ui/relation_router.h"

#include <gtest/gtest.h>

#include "support/route_checks.h"

namespace tablora {
namespace {

using testing::Bends;
using testing::LineFaults;
using testing::LongestOverlap;

RouteRequest Line(int from, int fromRow, int to, int toRow) {
  return {{from, fromRow, fromRow + 14}, {to, toRow, toRow + 14}};
}

TEST(RelationRouterTest, LinesGoAroundWindowsWithFewBends) {
  const PixelRect a{0, 0, 100, 80};
  struct Case {
    const char* name;
    std::vector<PixelRect> windows;
    std::vector<RouteRequest> requests;
    int maxBends;
    bool clear;
    bool sameSide;  ///< both ends on one side of the window
  } cases[] = {
      {"facing", {a, {150, 0, 100, 80}}, {Line(0, 20, 1, 40)}, 2, true, false},
      // The window between them is passed below or above.
      {"around", {a, {130, 0, 100, 80}, {260, 0, 100, 80}}, {Line(0, 30, 2, 30)}, 4, true, false},
      {"stacked", {a, {0, 120, 100, 80}}, {Line(1, 140, 0, 10)}, 2, true, true},
      {"self", {{40, 40, 100, 120}}, {Line(0, 60, 0, 120)}, 2, true, true},
      // A key that refers to its own row: the two ends stay apart.
      {"self on one row", {{40, 40, 100, 120}}, {Line(0, 60, 0, 60)}, 2, true, true},
      // Windows on every side leave no way out: straight across them.
      {"walled in",
       {{100, 100, 100, 80}, {0, 100, 100, 80}, {200, 100, 100, 80}, {100, 20, 100, 80},
        {100, 180, 100, 80}, {500, 100, 100, 80}},
       {Line(0, 120, 5, 120)},
       4,
       false,
       false},
  };
  for (const Case& c : cases) {
    const std::vector<RoutedLine> lines = RelationRouter::Route(c.windows, c.requests);
    ASSERT_EQ(lines.size(), c.requests.size()) << c.name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const RoutePath& path = lines[i].path;
      EXPECT_EQ(LineFaults(c.windows, c.requests[i], lines[i]), "") << c.name;
      EXPECT_EQ(lines[i].clear, c.clear) << c.name;
      EXPECT_LE(Bends(path), c.maxBends) << c.name;
      if (path.size() >= 2) {
        EXPECT_EQ(path.front().x == path.back().x, c.sameSide) << c.name;
        EXPECT_NE(path.front(), path.back()) << c.name;
      }
    }
  }
}

// Lines between two columns of windows share the gap between them side by side, in an
// order that does not make them cross where they need not.
TEST(RelationRouterTest, LinesInOneGapRunSideBySide) {
  std::vector<PixelRect> windows;
  std::vector<RouteRequest> requests;
  for (int i = 0; i < 4; ++i) {
    windows.push_back({0, i * 100, 120, 80});
    windows.push_back({160, i * 100, 120, 80});
  }
  // Every left window to the right window three rows down or up, and each to its neighbour.
  for (int i = 0; i < 4; ++i) {
    requests.push_back(Line(2 * i, i * 100 + 20, 2 * (3 - i) + 1, (3 - i) * 100 + 40));
    requests.push_back(Line(2 * i, i * 100 + 50, 2 * i + 1, i * 100 + 10));
  }
  const std::vector<RoutedLine> lines = RelationRouter::Route(windows, requests);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(LineFaults(windows, requests[i], lines[i]), "") << i;
    EXPECT_TRUE(lines[i].clear) << i;
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      EXPECT_LE(LongestOverlap(lines[i].path, lines[j].path), 3) << i << " and " << j;
    }
  }
}

}  // namespace
}  // namespace tablora
