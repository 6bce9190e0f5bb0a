#include "ui/tile_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tablora {
namespace {

/// The panes' left edges and widths, "x+w" each.
std::string Describe(const TileLayout& tiles, int width) {
  std::string text;
  for (const PixelRect& pane : tiles.Panes(width, 50)) {
    text += (text.empty() ? "" : " ") + std::to_string(pane.x) + "+" + std::to_string(pane.width);
  }
  return text;
}

TEST(TileLayout, PanesSashesDragsAndEvening) {
  struct Step {
    const char* what;
    void (*change)(TileLayout&);
    const char* panes;  ///< in an area 1012 wide: 1000 for panes with two sashes
    bool uneven;
  };
  const Step steps[] = {
      {"three even panes fill the width", [](TileLayout& t) { t.Reset(3); },
       "0+333 339+334 679+333", false},
      {"a sash dragged right widens its left pane", [](TileLayout& t) { t.DragSash(0, 500, 1012); },
       "0+500 506+167 679+333", true},
      {"past its neighbour's far edge it stops there",
       [](TileLayout& t) { t.DragSash(1, 2000, 1012); }, "0+500 506+500 1012+0", true},
      {"past the near edge too", [](TileLayout& t) { t.DragSash(0, -40, 1012); },
       "0+0 6+1000 1012+0", true},
      {"evening out brings every pane back", [](TileLayout& t) { t.EvenOut(); },
       "0+333 339+334 679+333", false},
      {"a removed pane's width goes to the rest in proportion",
       [](TileLayout& t) {
         t.DragSash(0, 200, 1012);
         t.Remove(0);
       },
       "0+587 593+419", true},
      {"an added pane evens every pane", [](TileLayout& t) { t.Add(); }, "0+333 339+334 679+333",
       false},
      {"a sash index out of range changes nothing", [](TileLayout& t) { t.DragSash(2, 10, 1012); },
       "0+333 339+334 679+333", false},
      {"the last pane removed leaves none",
       [](TileLayout& t) {
         t.Remove(2);
         t.Remove(1);
         t.Remove(0);
       },
       "", false},
  };
  TileLayout tiles;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.change(tiles);
    EXPECT_EQ(step.panes, Describe(tiles, 1012));
    EXPECT_EQ(step.uneven, tiles.Uneven(1012));
  }
}

TEST(TileLayout, SashesAreFoundOnlyBetweenPanes) {
  TileLayout tiles;
  tiles.Reset(2);  // 0+503, sash 503..508, 509+503 in 1012
  const std::vector<std::pair<int, int>> hits = {{0, -1},  {502, -1}, {503, 0},
                                                 {508, 0}, {509, -1}, {1011, -1}};
  for (const auto& [x, sash] : hits) EXPECT_EQ(sash, tiles.SashAt(x, 1012)) << x;
  tiles.Reset(1);
  EXPECT_EQ(-1, tiles.SashAt(500, 1012));
  EXPECT_EQ("0+1012", Describe(tiles, 1012));
}

}  // namespace
}  // namespace tablora
