#include "app/about_scroller.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

using LineSet = AboutScroller::LineSet;

TEST(AboutScroller, StartsAHundredPixelsAboveTheBottomAndMovesUp) {
  AboutScroller scroller(300);
  EXPECT_EQ(scroller.offset(), 200);
  EXPECT_EQ(scroller.LineTop(0), 200);
  EXPECT_EQ(scroller.LineTop(2), 260);
  scroller.Tick();
  scroller.Tick();
  EXPECT_EQ(scroller.offset(), 198);
}

TEST(AboutScroller, WrapsWhenTheLastLineHasLeftTheTop) {
  AboutScroller scroller(300);
  const int lines = static_cast<int>(scroller.lines().size());
  ASSERT_EQ(lines, 9);
  int ticks = 0;
  int previous = scroller.offset();
  for (;;) {
    scroller.Tick();
    ++ticks;
    if (scroller.offset() > previous) break;
    previous = scroller.offset();
    ASSERT_LT(ticks, 10000);
  }
  // The last offset kept is -270, where the last line has just left the top edge;
  // the next tick wraps.
  EXPECT_EQ(previous, -270);
  EXPECT_EQ(ticks, 200 + 270 + 1);
  EXPECT_EQ(scroller.offset(), 250);
}

TEST(AboutScroller, LeftButtonPausesAndResumes) {
  AboutScroller scroller(300);
  scroller.TogglePause();
  scroller.Tick();
  EXPECT_EQ(scroller.offset(), 200);
  scroller.TogglePause();
  scroller.Tick();
  EXPECT_EQ(scroller.offset(), 199);
}

TEST(AboutScroller, RightButtonSwitchesLineSets) {
  AboutScroller scroller(300);
  EXPECT_EQ(scroller.lines().size(), 9u);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(scroller.lines()[0]), "Tablora");
  scroller.RightClick();
  EXPECT_EQ(scroller.lineSet(), LineSet::kSecond);
  EXPECT_EQ(scroller.lines().size(), 4u);
  scroller.RightClick();
  EXPECT_EQ(scroller.lineSet(), LineSet::kCredits);
}

TEST(AboutScroller, RightDoubleClickOverTheCreditsShowsOneLine) {
  AboutScroller scroller(300);
  // The platform reports down, up, double-click: the first click has switched already.
  scroller.RightClick();
  scroller.RightDoubleClick();
  EXPECT_EQ(scroller.lineSet(), LineSet::kSingle);
  EXPECT_EQ(scroller.lines().size(), 1u);
  // A double-click that started over the second set (first click went back to the
  // credits) changes nothing more.
  scroller.RightClick();
  EXPECT_EQ(scroller.lineSet(), LineSet::kCredits);
  scroller.RightDoubleClick();
  EXPECT_EQ(scroller.lineSet(), LineSet::kCredits);
}

TEST(AboutScroller, SingleLineWrapsSooner) {
  AboutScroller scroller(100);
  scroller.RightClick();
  scroller.RightDoubleClick();
  for (int i = 0; i < 30; ++i) scroller.Tick();
  EXPECT_EQ(scroller.offset(), -30);
  scroller.Tick();
  EXPECT_EQ(scroller.offset(), 50);
}

}  // namespace
}  // namespace tablora
