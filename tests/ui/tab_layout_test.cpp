#include "ui/tab_layout.h"

#include <gtest/gtest.h>

#include "base/gbk_text.h"
#include "base/text_codec.h"

namespace tablora {
namespace {

using tab_layout::LayoutTabContent;
using tab_layout::PageArea;
using tab_layout::ShortenTitle;
using tab_layout::TabRects;
using tab_layout::TabStrip;

/// Every byte is 6 pixels wide (a double-byte character 12); with `dotless`, dots take
/// no room, so that each shortening step shows in the result.
class FixedWidthMeasure : public TextMeasurer {
 public:
  explicit FixedWidthMeasure(bool dotless = false) : dotless_(dotless) {}
  Extent TextExtent(const std::string& text, bool) const override {
    int width = 0;
    for (char c : text) width += dotless_ && c == '.' ? 0 : 6;
    return {width, 12};
  }
  int WrappedHeight(const std::string&, int, bool) const override { return 12; }
  Extent ImageExtent(int) const override { return {}; }
  int TextWidth(std::string_view text) const { return TextExtent(std::string(text), false).width; }

 private:
  bool dotless_;
};

std::string Sorted() { return Cp936(u8"表设计(排序)"); }
std::string Grouped() { return Cp936(u8"表设计(分组)"); }

TEST(TabLayoutAreaTest, StyleBitsPageAreaAndStrip) {
  EXPECT_EQ(1, tab_layout::NormalizeStyle(0));
  EXPECT_EQ(1, tab_layout::NormalizeStyle(0x10));  // only the low four bits count
  EXPECT_EQ(2, tab_layout::NormalizeStyle(0x12));
  EXPECT_TRUE(tab_layout::TabsAtBottom(2 | 4 | 8));
  EXPECT_FALSE(tab_layout::TabsAtBottom(0));
  EXPECT_FALSE(tab_layout::TabsAtBottom(1 | 2));
  EXPECT_FALSE(tab_layout::TabsAtBottom(4));

  const PixelRect client{0, 0, 230, 200};
  // Tabs at the bottom: 2 in left and right, 2 below the top, 23 above the bottom,
  // then the border style + 1 on every side.
  EXPECT_EQ((PixelRect{2, 2, 226, 175}), tab_layout::PageFrame(client, 2));
  EXPECT_EQ((PixelRect{4, 4, 222, 171}), PageArea(client, 2, 1));
  EXPECT_EQ((PixelRect{5, 5, 220, 169}), PageArea(client, 2, 2));
  // Tabs at the top: 23 below the top, 2 above the bottom; style 0 is top.
  EXPECT_EQ((PixelRect{4, 25, 222, 171}), PageArea(client, 1, 1));
  EXPECT_EQ(PageArea(client, 1, 1), PageArea(client, 0, 1));
  EXPECT_EQ((PixelRect{14, 24, 222, 171}), PageArea(PixelRect{10, 20, 230, 200}, 2, 1));

  // The bottom strip is 6 in on each side and ends 1 above the bottom, overlapping
  // the frame's last row so that the active tab joins the page.
  EXPECT_EQ((PixelRect{6, 176, 218, 23}), TabStrip(client, 2));
  EXPECT_EQ(tab_layout::PageFrame(client, 2).bottom() - 1, TabStrip(client, 2).y);
  EXPECT_EQ((PixelRect{2, 0, 222, 23}), TabStrip(client, 1));
  EXPECT_EQ((PixelRect{12, 20, 222, 23}), TabStrip(PixelRect{10, 20, 230, 200}, 1));

  // Too small for the margins: empty, never negative.
  EXPECT_EQ(0, PageArea(PixelRect{0, 0, 10, 10}, 2, 2).width);
  EXPECT_EQ(0, PageArea(PixelRect{0, 0, 10, 10}, 2, 2).height);
  EXPECT_EQ(0, TabStrip(PixelRect{0, 0, 8, 10}, 2).width);
}

TEST(TabLayoutWidthsTest, NaturalEqualAndCutWidths) {
  FixedWidthMeasure measure;
  const PixelRect strip{6, 176, 218, 23};
  // Natural: title + 9, or + 27 with an icon, side by side.
  auto tabs = TabRects(strip, 2, {"ab", "abcd", "x"}, {false, true}, measure);
  ASSERT_EQ(3u, tabs.size());
  EXPECT_EQ((PixelRect{6, 176, 21, 23}), tabs[0]);
  EXPECT_EQ((PixelRect{27, 176, 51, 23}), tabs[1]);
  EXPECT_EQ((PixelRect{78, 176, 15, 23}), tabs[2]);
  EXPECT_TRUE(TabRects(strip, 2, {}, {}, measure).empty());

  // Bit 4: an equal share whatever the titles.
  tabs = TabRects(strip, 2 | 4, {"a", "a much longer title", "b"}, {}, measure);
  ASSERT_EQ(3u, tabs.size());
  EXPECT_EQ((PixelRect{6, 176, 72, 23}), tabs[0]);
  EXPECT_EQ((PixelRect{150, 176, 72, 23}), tabs[2]);

  // Too wide together (15 + 129 > 100): only the tab wider than the share of 50 is
  // cut, and one pixel separates the tabs.
  tabs = TabRects(PixelRect{0, 0, 100, 23}, 2, {"a", "abcdefghijklmnopqrst"}, {}, measure);
  ASSERT_EQ(2u, tabs.size());
  EXPECT_EQ((PixelRect{0, 0, 15, 23}), tabs[0]);
  EXPECT_EQ((PixelRect{16, 0, 50, 23}), tabs[1]);
}

TEST(TabLayoutWidthsTest, WorkBoxNarrowerThanBothCaptions) {
  FixedWidthMeasure measure;
  // A work box 132 wide: strip 120, each caption 12 bytes = 72 + 9 = 81 > 60.
  const PixelRect strip = TabStrip(PixelRect{0, 0, 132, 200}, 2);
  const auto tabs = TabRects(strip, 2, {Sorted(), Grouped()}, {}, measure);
  ASSERT_EQ(2u, tabs.size());
  EXPECT_EQ((PixelRect{6, 176, 60, 23}), tabs[0]);
  EXPECT_EQ((PixelRect{67, 176, 60, 23}), tabs[1]);
  // 51 pixels for the text: ")" then 序, 排, "(" and 计 go, leaving 表设 and "...".
  EXPECT_EQ(Cp936(u8"表设..."), LayoutTabContent(60, false, Sorted(), measure).shownTitle);
  EXPECT_EQ(Cp936(u8"表设..."), LayoutTabContent(60, false, Grouped(), measure).shownTitle);
}

TEST(TabLayoutTitleTest, EachStepDropsOneDoubleByteOrTwoSingleByteCharacters) {
  FixedWidthMeasure dotless(true);
  EXPECT_EQ(Sorted(), ShortenTitle(Sorted(), 72, dotless));
  EXPECT_EQ("abcdefgh...", ShortenTitle("abcdefghij", 48, dotless));
  EXPECT_EQ("abcd...", ShortenTitle("abcdefghij", 30, dotless));
  EXPECT_EQ(Cp936(u8"表设..."), ShortenTitle(Cp936(u8"表设计"), 24, dotless));
  EXPECT_EQ(Cp936(u8"表..."), ShortenTitle(Cp936(u8"表设计"), 23, dotless));
  // A single byte after a double-byte character goes alone: never half of 序.
  EXPECT_EQ(Cp936(u8"表设计(排序..."), ShortenTitle(Sorted(), 66, dotless));
  EXPECT_EQ(Cp936(u8"a表..."), ShortenTitle(Cp936(u8"a表bc"), 24, dotless));
  // A cut-off lead byte at the end is a character of its own.
  EXPECT_EQ("a...", ShortenTitle("ab\xB1", 6, dotless));
}

TEST(TabLayoutTitleTest, EllipsisCountsAndStepsAreLimitedToTen) {
  FixedWidthMeasure measure;
  EXPECT_EQ("ab...", ShortenTitle("abcdefghij", 30, measure));
  EXPECT_EQ("...", ShortenTitle("abcdefghij", 29, measure));  // ran out of text
  EXPECT_EQ("...", ShortenTitle(Cp936(u8"表"), 5, measure));
  // After ten steps the title gets its "..." even though it is still too wide.
  EXPECT_EQ(std::string(20, 'x') + "...", ShortenTitle(std::string(40, 'x'), 10, measure));
  EXPECT_EQ(Cp936(u8"一二..."), ShortenTitle(Cp936(u8"一二三四五六七八九十壹贰"), 0, measure));
}

TEST(TabLayoutTitleTest, NeverEndsInsideADoubleByteCharacter) {
  FixedWidthMeasure measure;
  const std::string title = Cp936(u8"表a设计(排序)b分组xy");
  for (int available = 0; available <= 130; ++available) {
    const std::string shown = ShortenTitle(title, available, measure);
    if (shown == title) continue;
    ASSERT_EQ("...", shown.substr(shown.size() - 3));
    const std::string kept = shown.substr(0, shown.size() - 3);
    ASSERT_EQ(0u, title.compare(0, kept.size(), kept)) << available;
    EXPECT_EQ(kept, gbk::CutToBytes(title, kept.size())) << "split a character at " << available;
    // Still too wide only when the title ran out or ten steps (ten bytes at least) went.
    if (measure.TextWidth(shown) > available) {
      EXPECT_TRUE(kept.empty() || title.size() - kept.size() >= 10) << available;
    }
  }
}

TEST(TabLayoutContentTest, IconAndTitlePlaces) {
  FixedWidthMeasure measure;
  // The icon needs more than 16 pixels after its 5 pixel margin.
  const TabContent wide = LayoutTabContent(22, true, "", measure);
  EXPECT_TRUE(wide.drawIcon);
  EXPECT_EQ(5, wide.iconX);
  EXPECT_EQ(3, wide.iconY);
  EXPECT_EQ(23, wide.textX);
  EXPECT_EQ(5, wide.textY);
  EXPECT_FALSE(LayoutTabContent(21, true, "", measure).drawIcon);
  EXPECT_EQ(5, LayoutTabContent(21, true, "", measure).textX);
  // A tab of natural width holds its whole title, one pixel less does not.
  EXPECT_EQ("ab", LayoutTabContent(21, false, "ab", measure).shownTitle);
  EXPECT_EQ("...", LayoutTabContent(20, false, "ab", measure).shownTitle);
  EXPECT_EQ("ab", LayoutTabContent(39, true, "ab", measure).shownTitle);
  EXPECT_EQ("...", LayoutTabContent(38, true, "ab", measure).shownTitle);
  EXPECT_EQ("a  b", LayoutTabContent(100, false, "a\r\nb", measure).shownTitle);
}

TEST(TabLayoutMotionTest, TabHitTestAndSlideSteps) {
  const std::vector<PixelRect> tabs{{0, 0, 15, 23}, {16, 0, 50, 23}};
  EXPECT_EQ(0, tab_layout::TabAt(tabs, 0, 0));
  EXPECT_EQ(0, tab_layout::TabAt(tabs, 14, 22));
  EXPECT_EQ(-1, tab_layout::TabAt(tabs, 15, 10));  // the pixel between the tabs
  EXPECT_EQ(1, tab_layout::TabAt(tabs, 16, 10));
  EXPECT_EQ(-1, tab_layout::TabAt(tabs, 20, 23));

  // Ten steps of a tenth of the width, the last one in place.
  const std::vector<int> offsets = tab_layout::SlideOffsets(225);
  ASSERT_EQ(10u, offsets.size());
  EXPECT_EQ(-203, offsets.front());
  EXPECT_EQ(0, offsets.back());
  int previous = -225;
  for (int offset : offsets) {
    EXPECT_GE(offset - previous, 22);
    EXPECT_LE(offset - previous, 23);
    previous = offset;
  }
  EXPECT_EQ(std::vector<int>(10, 0), tab_layout::SlideOffsets(-5));
}

TEST(BarLayoutTest, GripperCloseButtonSashAndClientPerDockingSide) {
  BarLayout left = bar_layout::Compute(230, 260, BarDock::kLeft);
  EXPECT_TRUE(left.linesHorizontal);
  EXPECT_EQ((PixelRect{225, 0, 5, 260}), left.sash);
  EXPECT_EQ((PixelRect{2, 2, 221, 12}), left.gripper);
  EXPECT_EQ((PixelRect{210, 1, 13, 13}), left.close);
  EXPECT_EQ((PixelRect{2, 2, 206, 12}), left.lines);
  EXPECT_EQ((PixelRect{2, 16, 221, 242}), left.client);

  const BarLayout right = bar_layout::Compute(230, 260, BarDock::kRight);
  EXPECT_EQ((PixelRect{0, 0, 5, 260}), right.sash);
  EXPECT_EQ((PixelRect{215, 1, 13, 13}), right.close);
  EXPECT_EQ((PixelRect{7, 16, 221, 242}), right.client);

  const BarLayout top = bar_layout::Compute(400, 100, BarDock::kTop);
  EXPECT_FALSE(top.linesHorizontal);
  EXPECT_EQ((PixelRect{0, 95, 400, 5}), top.sash);
  EXPECT_EQ((PixelRect{2, 2, 12, 91}), top.gripper);
  EXPECT_EQ((PixelRect{1, 2, 13, 13}), top.close);
  EXPECT_EQ((PixelRect{2, 17, 12, 76}), top.lines);
  EXPECT_EQ((PixelRect{16, 2, 382, 91}), top.client);
  EXPECT_EQ((PixelRect{0, 0, 400, 5}), bar_layout::Compute(400, 100, BarDock::kBottom).sash);

  // Floating (whatever edge it last docked to): gripper on top, sashes right and below.
  const BarLayout floating = bar_layout::Compute(230, 260, BarDock::kBottom, true);
  EXPECT_TRUE(floating.linesHorizontal);
  EXPECT_EQ((PixelRect{225, 0, 5, 255}), floating.sash);
  EXPECT_EQ((PixelRect{0, 255, 225, 5}), floating.lowerSash);
  EXPECT_EQ((PixelRect{2, 16, 221, 237}), floating.client);
  EXPECT_EQ(BarHit::kLowerSash, bar_layout::HitTest(floating, 100, 257));
  EXPECT_EQ(BarHit::kSash, bar_layout::HitTest(floating, 227, 100));
  EXPECT_TRUE(left.lowerSash.width == 0 && left.lowerSash.height == 0);

  const BarLayout tiny = bar_layout::Compute(8, 8, BarDock::kLeft);
  EXPECT_EQ(0, tiny.lines.width);
  EXPECT_EQ(0, tiny.client.width);
  EXPECT_EQ(0, tiny.close.x);
}

TEST(BarLayoutTest, HitTestAndSashDrag) {
  const BarLayout layout = bar_layout::Compute(230, 260, BarDock::kLeft);
  EXPECT_EQ(BarHit::kClose, bar_layout::HitTest(layout, 210, 1));
  EXPECT_EQ(BarHit::kClose, bar_layout::HitTest(layout, 222, 13));
  EXPECT_EQ(BarHit::kGripper, bar_layout::HitTest(layout, 209, 7));
  EXPECT_EQ(BarHit::kSash, bar_layout::HitTest(layout, 227, 100));
  EXPECT_EQ(BarHit::kClient, bar_layout::HitTest(layout, 100, 100));
  EXPECT_EQ(BarHit::kNowhere, bar_layout::HitTest(layout, 0, 100));
  EXPECT_EQ(BarHit::kNowhere, bar_layout::HitTest(layout, 100, 259));

  // The sash follows the inner edge, within the limits.
  using bar_layout::DraggedExtent;
  EXPECT_EQ(270, DraggedExtent(BarDock::kLeft, 230, 40, 99, 60, 800));
  EXPECT_EQ(190, DraggedExtent(BarDock::kRight, 230, 40, 99, 60, 800));
  EXPECT_EQ(140, DraggedExtent(BarDock::kTop, 100, 99, 40, 60, 800));
  EXPECT_EQ(60, DraggedExtent(BarDock::kBottom, 100, 99, 40, 60, 800));
  EXPECT_EQ(800, DraggedExtent(BarDock::kLeft, 230, 5000, 0, 60, 800));
  EXPECT_EQ(60, DraggedExtent(BarDock::kLeft, 230, 50, 0, 60, 40));  // owner too small
}

}  // namespace
}  // namespace tablora
