#include "ui/picture_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/picture_pages.h"

namespace tablora {
namespace {

/// "x,y wxh" of every window, then "= W x H" for the picture.
std::string Placed(const PictureLayout& layout) {
  std::string out;
  for (const PictureRect& r : layout.rects()) {
    out += std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height) + " ";
  }
  return out + "= " + std::to_string(layout.width()) + "x" + std::to_string(layout.height());
}

PictureLayout::Window W(int x, int y, int w, int h, int wholeW, int wholeH) {
  return {{x, y, w, h}, wholeW, wholeH};
}

TEST(PictureLayoutTest, WholeWindowsPushTheWindowsTheyWouldCoverDownOrRight) {
  const struct Case {
    const char* name;
    std::vector<PictureLayout::Window> windows;
    const char* placed;
  } cases[] = {
      {"nothing grows: every window stays",
       {W(0, 0, 100, 150, 100, 150), W(120, 0, 100, 150, 88, 90)},
       "0,0 100x150 120,0 88x90 = 218x160"},
      // Two columns of two: each column stacks by its own growth, the gap (30) kept.
      {"columns",
       {W(0, 0, 100, 150, 88, 400), W(120, 0, 100, 150, 88, 200), W(0, 180, 100, 150, 88, 100),
        W(120, 180, 100, 150, 88, 150)},
       "0,0 88x400 120,0 88x200 0,430 88x100 120,230 88x150 = 218x540"},
      // A window that grows wider pushes its row's neighbour right, the gap (20) kept; the
      // window below the pushed one follows it down only where they share columns.
      {"across then down",
       {W(0, 0, 100, 150, 300, 150), W(120, 0, 100, 150, 100, 300), W(120, 200, 100, 50, 100, 50)},
       "0,0 300x150 320,0 100x300 120,200 100x50 = 430x310"},
      {"below a pushed window that now covers it",
       {W(0, 0, 100, 150, 200, 150), W(120, 0, 100, 150, 100, 300), W(150, 200, 100, 50, 100, 50)},
       "0,0 200x150 220,0 100x300 150,350 100x50 = 330x410"},
      // Windows the user laid over each other keep their offset.
      {"overlapping on the surface",
       {W(0, 0, 100, 150, 100, 400), W(50, 40, 100, 150, 100, 150)},
       "0,0 100x400 50,40 100x150 = 160x410"},
      {"no windows", {}, "= 10x10"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Placed(PictureLayout::Lay(c.windows)), c.placed) << c.name;
  }
}

TEST(PictureLayoutTest, WindowsApartOnTheSurfaceStayApartInAnyGrowth) {
  // A grid of windows at the placement of a new design, every one growing by its own
  // amount in both directions.
  std::vector<PictureLayout::Window> windows;
  unsigned seed = 7;
  const auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % range);
  };
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 6; ++column) {
      windows.push_back(W(column * 200, row * 180, 180, 150, 100 + next(250), 40 + next(600)));
    }
  }
  const PictureLayout layout = PictureLayout::Lay(windows);
  for (size_t a = 0; a < windows.size(); ++a) {
    const PictureRect& ra = layout.rects()[a];
    EXPECT_GE(ra.x, windows[a].surface.x);
    EXPECT_GE(ra.y, windows[a].surface.y);
    for (size_t b = a + 1; b < windows.size(); ++b) {
      EXPECT_FALSE(ra.Overlaps(layout.rects()[b].x, layout.rects()[b].y, layout.rects()[b].width,
                               layout.rects()[b].height))
          << a << " and " << b;
    }
  }
}

TEST(PicturePagesTest, FullSizeKeepsWindowsWholeWhereItCanAndLeavesOutEmptyPages) {
  const auto pages = [](const PicturePages& cut) {
    std::string out;
    for (const PicturePages::Page& p : cut.pages()) {
      out += std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.width) + "x" +
             std::to_string(p.height) + " @" + std::to_string(p.scale).substr(0, 4) + "; ";
    }
    return out;
  };
  const struct Case {
    const char* name;
    std::vector<PictureLayout::Window> windows;
    double pageWidth;
    double pageHeight;
    bool fit;
    const char* pages;
  } cases[] = {
      // A picture of 1010 x 660 with windows at the top left and the bottom right: the cut
      // at x 800 moves back to 700; the window at y 450..650 is higher than half a page
      // below the cut at 300, so the cut at 600 stays; the middle strip shows nothing.
      {"corners",
       {W(0, 0, 300, 200, 300, 200), W(700, 450, 300, 200, 300, 200)},
       400.5,
       300,
       false,
       "0,0 400x300 @1.00; 700,300 310x300 @1.00; 700,600 310x60 @1.00; "},
      // A column of windows 170 apart: each page ends where the next window begins.
      {"column",
       {W(0, 0, 200, 150, 200, 150), W(0, 170, 200, 150, 200, 150), W(0, 340, 200, 150, 200, 150),
        W(0, 510, 200, 150, 200, 150)},
       400,
       400,
       false,
       "0,0 210x340 @1.00; 0,340 210x330 @1.00; "},
      {"fit smaller",
       {W(0, 0, 300, 200, 300, 200), W(700, 450, 300, 200, 300, 200)},
       400,
       300,
       true,
       "0,0 1010x660 @0.39; "},
      {"fit never larger", {W(0, 0, 300, 200, 300, 200)}, 4000, 3000, true, "0,0 310x210 @1.00; "},
      {"no windows", {}, 400, 300, false, "0,0 400x300 @1.00; "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        pages(PicturePages::Cut(PictureLayout::Lay(c.windows), c.pageWidth, c.pageHeight, c.fit)),
        c.pages)
        << c.name;
  }
}

}  // namespace
}  // namespace tablora
