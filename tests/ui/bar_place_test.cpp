#include "ui/bar_place.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

constexpr BarDock L = BarDock::kLeft;
constexpr BarDock R = BarDock::kRight;
constexpr BarDock T = BarDock::kTop;
constexpr BarDock B = BarDock::kBottom;

/// The owner's client area: 800 x 600 at (100, 50) on the screen.
const PixelRect kArea{100, 50, 800, 600};

BarPlace DockedAt(BarDock dock) {
  BarPlace place;
  place.dock = dock;
  return place;
}

BarPlace Floating() {
  BarPlace place;
  place.floating = true;
  place.floatRect = PixelRect{400, 300, 200, 250};
  place.floatPlaced = true;
  return place;
}

TEST(BarPlaceTest, DropPointDecidesTheEdgeAndThePreview) {
  struct Case {
    const char* what;
    BarPlace place;
    int x, y;
    BarDrop drop;
    PixelRect preview;  // pointer grabbed 10, 5 inside the gripper
  };
  const PixelRect left{100, 50, 230, 600};
  const PixelRect right{670, 50, 230, 600};
  const PixelRect top{100, 50, 800, 260};
  const PixelRect bottom{100, 390, 800, 260};
  const Case cases[] = {
      {"inside its own strip it stays", DockedAt(L), 120, 60, {false, L}, left},
      {"the top edge beside a left bar", DockedAt(L), 500, 60, {false, T}, top},
      {"the right edge from inside", DockedAt(L), 880, 300, {false, R}, right},
      {"just outside the right edge", DockedAt(L), 925, 300, {false, R}, right},
      {"past the dock zone outside", DockedAt(L), 940, 300, {true, L}, {930, 295, 230, 260}},
      {"the bottom edge", DockedAt(R), 400, 640, {false, B}, bottom},
      {"the middle floats", DockedAt(B), 500, 300, {true, B}, {490, 295, 230, 260}},
      {"a corner takes the nearer edge", DockedAt(L), 895, 630, {false, R}, right},
      {"a floating bar docks at the left", Floating(), 101, 300, {false, L}, left},
      {"a floating bar moves", Floating(), 300, 200, {true, L}, {290, 195, 200, 250}},
  };
  for (const Case& c : cases) {
    const PixelRect docked =
        c.place.floating ? PixelRect{} : bar_place::DockedRect(c.place, c.place.dock, kArea);
    const BarDrop drop = bar_place::DropAt(c.place, kArea, docked, c.x, c.y);
    EXPECT_EQ(drop, c.drop) << c.what;
    EXPECT_EQ(bar_place::PreviewRect(c.place, drop, kArea, c.x, c.y, 10, 5), c.preview) << c.what;
  }
}

TEST(BarPlaceTest, DockedBarLeavesTheRestOfTheAreaToTheDocuments) {
  struct Case {
    BarPlace place;
    bool shown;
    PixelRect area, rest;
  };
  BarPlace wide = DockedAt(R);
  wide.sideWidth = 900;
  const Case cases[] = {
      {DockedAt(L), true, kArea, {330, 50, 570, 600}},
      {DockedAt(R), true, kArea, {100, 50, 570, 600}},
      {DockedAt(T), true, kArea, {100, 310, 800, 340}},
      {DockedAt(B), true, kArea, {100, 50, 800, 340}},
      {DockedAt(L), false, kArea, kArea},
      {Floating(), true, kArea, kArea},
      {wide, true, kArea, {100, 50, 60, 600}},
      {DockedAt(T), true, {0, 0, 300, 100}, {0, 40, 300, 60}},
      {DockedAt(L), true, {0, 0, 50, 100}, {0, 0, 50, 100}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bar_place::RestOf(c.place, c.area, c.shown), c.rest) << bar_place::Format(c.place);
  }
}

TEST(BarPlaceTest, DroppingAndKeepingTheFloatingWindowOnScreen) {
  BarPlace place = bar_place::Dropped(DockedAt(T), {true, T}, {5, 6, 200, 250});
  EXPECT_TRUE(place.floating);
  EXPECT_TRUE(place.floatPlaced);
  EXPECT_EQ(place.floatRect, (PixelRect{5, 6, 200, 250}));
  place = bar_place::Dropped(place, {false, B}, {});
  EXPECT_FALSE(place.floating);
  EXPECT_EQ(place.dock, B);
  EXPECT_EQ(place.floatRect, (PixelRect{5, 6, 200, 250}));  // kept for the next float

  // The floating window is held by its gripper whatever gripper the drag started on.
  const struct {
    BarPlace place;
    int grabX, grabY, x, y;
  } grabs[] = {{DockedAt(L), 40, 7, 40, 8},
               {DockedAt(B), 7, 90, 90, 8},
               {DockedAt(T), 7, 900, 212, 8},
               {Floating(), 150, 3, 150, 8}};
  for (const auto& g : grabs) {
    int x = 0;
    int y = 0;
    bar_place::FloatingGrab(g.place, g.grabX, g.grabY, &x, &y);
    EXPECT_EQ(x, g.x) << g.grabX << "," << g.grabY;
    EXPECT_EQ(y, g.y) << g.grabX << "," << g.grabY;
  }

  const PixelRect screen{0, 0, 1280, 1024};
  EXPECT_EQ(bar_place::KeepOnScreen({3000, -40, 200, 250}, screen), (PixelRect{1080, 0, 200, 250}));
  EXPECT_EQ(bar_place::KeepOnScreen({-500, 2000, 10, 10}, screen), (PixelRect{0, 964, 60, 60}));
  EXPECT_EQ(bar_place::KeepOnScreen({10, 10, 2000, 300}, screen), (PixelRect{0, 10, 2000, 300}));
}

TEST(BarPlaceTest, SettingsTextReadsBackAndBadValuesFallBack) {
  struct Case {
    const char* text;
    const char* readsAs;  // Format of what Parse made of it
  };
  const Case cases[] = {
      {"right,300,200,,,230,260", "right,300,200,,,230,260"},
      {" Bottom , 250 , 180 , -20 , 40 , 210 , 400 ", "bottom,250,180,-20,40,210,400"},
      {"float,230,260,640,480,220,300", "float,230,260,640,480,220,300"},
      {"", "left,230,260,,,230,260"},
      {"middle,300,200", "left,300,200,,,230,260"},
      {"top,abc,20,5", "top,230,260,,,230,260"},
      {"left,99999,-3,1,,0,70", "left,230,260,,,230,70"},
      {"right,3x0,200,1,2,300,", "right,230,200,1,2,300,260"},
      {"top,,,,,,,,extra", "top,230,260,,,230,260"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bar_place::Format(bar_place::Parse(c.text)), c.readsAs) << c.text;
  }
  const BarPlace floating = Floating();
  EXPECT_EQ(bar_place::Parse(bar_place::Format(floating)), floating);
}

}  // namespace
}  // namespace tablora
