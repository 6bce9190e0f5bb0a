#include "ui/arrange_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "base/text_codec.h"

namespace tablora {
namespace {

/// "x,y wxh" of every placed window in placing order, "*" marking whole-box windows.
std::string Layout(const Arrangement& a) {
  std::string out;
  for (const ArrangedWindow& w : a.windows) {
    if (!out.empty()) out += " ";
    out += std::to_string(w.table) + "@" + std::to_string(w.rect.x) + "," +
           std::to_string(w.rect.y) + " " + std::to_string(w.rect.width) + "x" +
           std::to_string(w.rect.height) + (w.wholeBox ? "*" : "");
  }
  return out;
}

const ArrangeMetrics kMetrics{150, 10, 20, 1000};

TEST(ArrangeLayoutTest, ListOrderPlacesWindowsSlotBySlot) {
  const std::vector<ArrangeLayout::Content> tall(4, {100, 300});
  std::vector<ArrangeLayout::Content> mixed = {{100, 300}, {100, 50}, {200, 100}, {100, 40}};
  struct Case {
    const char* name;
    bool whole;
    bool align;
    int width;
    std::vector<ArrangeLayout::Content> content;
    const char* layout;
    bool contentWidth = false;
  } cases[] = {
      // Three windows of 100 x 300 cut at the height, with room for their vertical scroll
      // bars; the fourth goes to slot 0 below.
      {"cut", false, false, 150, tall,
       "0@0,0 117x150 1@127,0 117x150 2@254,0 117x150 3@0,170 117x150"},
      {"whole", true, false, 150, tall,
       "0@0,0 105x305* 1@115,0 105x305* 2@230,0 105x305* 3@0,325 105x305*"},
      // Short windows let the next row start higher in their slot...
      {"columns", false, false, 150, mixed,
       "0@0,0 117x150 1@127,0 105x55 2@242,0 150x117 3@0,170 105x45"},
      // ...unless rows are aligned below the tallest window of the row.
      {"aligned", false, true, 150, mixed,
       "0@0,0 117x150 1@127,0 105x55 2@242,0 150x117 3@0,170 105x45"},
      // A window as wide as the width or wider gets the width; cut narrower than its
      // content, it grows by its horizontal scroll bar unless it is cut at the height.
      {"narrow", false, false, 105, mixed,
       "0@0,0 105x150 1@115,0 105x55 2@230,0 105x117 3@0,170 105x45"},
      {"cut both ways", false, false, 100, tall,
       "0@0,0 100x150 1@110,0 100x150 2@220,0 100x150 3@0,170 100x150"},
      // With the columns fitted to their texts no window is cut at the width.
      {"content width", false, false, 105, mixed,
       "0@0,0 117x150 1@127,0 105x55 2@242,0 205x105 3@0,170 105x45", true},
  };
  for (const Case& c : cases) {
    ArrangeOptions options;
    options.wholeDisplay = c.whole;
    options.alignRows = c.align;
    options.tablesPerRow = 3;
    options.width = c.width;
    ArrangeMetrics metrics = kMetrics;
    metrics.contentWidth = c.contentWidth;
    const Arrangement a =
        ArrangeLayout::Compute(options, metrics, ArrangeLayout::ListRun(4), c.content);
    EXPECT_EQ(Layout(a), c.layout) << c.name;
  }
}

TEST(ArrangeLayoutTest, AlignedRowsStartBelowTheTallestWindowOfTheRowAbove) {
  // Slot 1 is short: without aligning, table 4 goes right under it.
  const std::vector<ArrangeLayout::Content> content = {
      {100, 300}, {100, 50}, {100, 40}, {100, 40}, {100, 40}};
  ArrangeOptions options;
  options.tablesPerRow = 3;
  EXPECT_EQ(Layout(ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::ListRun(5), content)),
            "0@0,0 117x150 1@127,0 105x55 2@242,0 105x45 3@0,170 105x45 4@115,75 105x45");
  options.alignRows = true;
  EXPECT_EQ(Layout(ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::ListRun(5), content)),
            "0@0,0 117x150 1@127,0 105x55 2@242,0 105x45 3@0,170 105x45 4@115,170 105x45");
}

TEST(ArrangeLayoutTest, ByGroupEachGroupStartsARowAndEveryTableIsPlaced) {
  const std::vector<ArrangeLayout::Content> content(7, {100, 300});
  ArrangeOptions options;
  options.order = 2;
  options.tablesPerRow = 3;
  struct Case {
    const char* name;
    std::vector<std::vector<int>> groups;
    const char* layout;
  } cases[] = {
      {"two and two",
       {{0, 1}, {2, 3}},
       "0@0,0 117x150 1@127,0 117x150 2@0,170 117x150 3@127,170 117x150 "
       "4@0,340 117x150 5@127,340 117x150 6@254,340 117x150"},
      // An empty group in the middle is skipped; tables no group holds come last.
      {"empty middle",
       {{3}, {}, {1, 5}, {}},
       "3@0,0 117x150 1@0,170 117x150 5@127,170 117x150 "
       "0@0,340 117x150 2@127,340 117x150 4@254,340 117x150 6@0,510 117x150"},
      // A table listed by two groups is placed once.
      {"twice", {{0, 1, 2, 3, 4, 5, 6}, {6}}, ""},
  };
  for (const Case& c : cases) {
    const Arrangement a =
        ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::GroupRuns(c.groups, 7), content);
    if (std::string(c.name) == "twice") {
      EXPECT_EQ(a.windows.size(), 7u);
      continue;
    }
    EXPECT_EQ(Layout(a), c.layout) << c.name;
  }
}

TEST(ArrangeLayoutTest, TablesPerRowIsClampedAndBelowOneArrangesNothing) {
  const std::vector<ArrangeLayout::Content> content = {{100, 300}, {60, 20}, {300, 90}};
  ArrangeOptions options;
  options.tablesPerRow = 3;
  const Arrangement exact =
      ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::ListRun(3), content);
  options.tablesPerRow = INT_MAX;
  const Arrangement huge =
      ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::ListRun(3), content);
  EXPECT_EQ(Layout(huge), Layout(exact));
  EXPECT_EQ(huge.tablesPerRow, 3);
  options.order = 2;  // by group, a huge count also starts each group on a row of its own
  EXPECT_EQ(Layout(ArrangeLayout::Compute(options, kMetrics,
                                          ArrangeLayout::GroupRuns({{0}, {1}, {2}}, 3), content)),
            "0@0,0 117x150 1@0,170 65x25 2@0,215 150x107");
  for (int perRow : {0, -5}) {
    options.tablesPerRow = perRow;
    EXPECT_TRUE(ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::ListRun(3), content)
                    .windows.empty());
  }
}

TEST(ArrangeLayoutTest, TheScrollAreaGrowsToHoldTheLowestAndTheRightmostWindow) {
  ArrangeOptions options;
  options.wholeDisplay = true;
  options.tablesPerRow = 2;
  // Two wide windows side by side reach x = 12000; a column of tall ones reaches far down.
  const std::vector<ArrangeLayout::Content> content = {{6000, 100}, {5990, 100}, {100, 900}};
  const Arrangement a =
      ArrangeLayout::Compute(options, kMetrics, ArrangeLayout::ListRun(3), content);
  EXPECT_EQ(Layout(a), "0@0,0 6005x105* 1@6015,0 5995x105* 2@0,125 105x905*");
  EXPECT_EQ(a.scrollWidth, 12010);
  // The last window ends slot 0 at y = 125 + 925 = 1050 > 1000 - 10.
  EXPECT_EQ(a.scrollHeight, 1050 + 800);
  const Arrangement small =
      ArrangeLayout::Compute(ArrangeOptions{}, kMetrics, ArrangeLayout::ListRun(1), {{50, 50}});
  EXPECT_EQ(small.scrollWidth, 10000);
  EXPECT_EQ(small.scrollHeight, 1000);
}

}  // namespace
}  // namespace tablora

namespace tablora {
namespace {

TEST(ArrangeLayoutTest, TheDialogEntriesMustBeIntegersAndTheWidthAtLeastOne) {
  struct Case {
    const char* perRow;
    const char* width;
    const char* message;  ///< UTF-8; empty when taken
    int takenPerRow;
    int takenWidth;
  } cases[] = {
      {"4", "120", "", 4, 120},
      {" 2147483647 ", "+80", "", 2147483647, 80},
      {"0", "150", "", 0, 150},  // closes the dialog; arranging then does nothing
      {"3", "0", u8"宽度不正确!要大于1", 3, 150},
      {"3", "-20", u8"宽度不正确!要大于1", 3, 150},
      {"3x", "150", u8"请键入一个整数。", 3, 150},
      {"", "150", u8"请键入一个整数。", 3, 150},
      {"3", "99999999999", u8"请键入一个整数。", 3, 150},
  };
  for (const Case& c : cases) {
    ArrangeOptions options;
    const std::string message = ArrangeLayout::ReadEntries(c.perRow, c.width, options);
    EXPECT_EQ(TextCodec::Cp936ToUtf8(message), c.message) << c.perRow << " " << c.width;
    EXPECT_EQ(options.tablesPerRow, c.takenPerRow) << c.perRow;
    EXPECT_EQ(options.width, c.takenWidth) << c.width;
  }
}

}  // namespace
}  // namespace tablora
