#include "ui/grid_clipboard.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "ui/grid_selection.h"

namespace tablora {
namespace {

using Rows = std::vector<std::vector<std::string>>;

/// A 4 x 4 grid with one fixed row and column, like a small table editor grid.
class GridClipboardTest : public ::testing::Test {
 protected:
  GridClipboardTest() : selection(grid) {
    grid.SetRowCount(4);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
  }

  std::vector<std::string> log;
  GridEditCallbacks Recorder() {
    return {[this](int r, int c) {
              log.push_back("begin " + std::to_string(r) + "," + std::to_string(c));
            },
            [this](int r, int c, const std::string& text) {
              log.push_back("end " + std::to_string(r) + "," + std::to_string(c) + "=" + text);
            }};
  }

  GridModel grid;
  GridSelection selection;
};

TEST_F(GridClipboardTest, CopyGivesTabsBlanksAndLineFeeds) {
  grid.SetCellText(1, 1, "a");
  grid.SetCellText(2, 1, "c");
  grid.SetCellText(2, 2, "d");
  selection.SelectCell({1, 1});
  selection.ExtendTo({2, 2});
  EXPECT_EQ(GridClipboard::CopyText(grid), "a\t \nc\td");
}

TEST_F(GridClipboardTest, CopyLeavesUnselectedCellsEmptyButKeepsColumns) {
  for (int r = 1; r < 4; ++r)
    for (int c = 1; c < 4; ++c) grid.SetCellText(r, c, std::to_string(r * 10 + c));
  selection.SelectCell({1, 1});
  selection.ExtendTo({2, 3});
  selection.ToggleCell({1, 2});  // unselect the middle of the first row
  EXPECT_EQ(GridClipboard::CopyText(grid), "11\t\t13\n21\t22\t23");
  selection.Clear();
  EXPECT_EQ(GridClipboard::CopyText(grid), "");
}

TEST_F(GridClipboardTest, CopyOfOneCellHasNoSeparators) {
  grid.SetCellText(3, 3, Cp936(u8"编号"));
  selection.SelectCell({3, 3});
  EXPECT_EQ(GridClipboard::CopyText(grid), Cp936(u8"编号"));
}

TEST(GridClipboardSplit, CutsLinesAndPiecesAndTrims) {
  const struct {
    std::string text;
    Rows rows;
  } cases[] = {
      {"1,2", {{"1", "2"}}},
      {" a , b ,c\nd", {{"a", "b", "c"}, {"d"}}},
      {"a\r\nb\r\n", {{"a"}, {"b"}}},
      {"a\n\nb", {{"a"}, {""}, {"b"}}},
      {"a,,", {{"a", "", ""}}},
      {"", {}},
      // Text with tabs (a copied range) splits at tabs only: commas are cell text.
      {" a \t b ,c\nd", {{"a", "b ,c"}, {"d"}}},
      {"dbo.f(1,2)\t" + Cp936(u8"主键") + "\t" + Cp936(u8"是"),
       {{"dbo.f(1,2)", Cp936(u8"主键"), Cp936(u8"是")}}},
      {"x,y\nu\tv", {{"x,y"}, {"u", "v"}}},
      {"a\t\t", {{"a", "", ""}}},
  };
  for (const auto& c : cases) EXPECT_EQ(GridClipboard::SplitPasteText(c.text), c.rows) << c.text;
}

TEST(GridClipboardSplit, DoubleByteTextIsNeverCut) {
  const std::string text = Cp936(u8"名称,类型\n表");
  EXPECT_EQ(GridClipboard::SplitPasteText(text),
            (Rows{{Cp936(u8"名称"), Cp936(u8"类型")}, {Cp936(u8"表")}}));
}

TEST_F(GridClipboardTest, PasteFillsFromTheFocusCellAndAnnouncesEachCell) {
  grid.SetFocusCellField({1, 1});
  EXPECT_EQ(GridClipboard::Paste(grid, "1,2", Recorder()), 2);
  EXPECT_EQ(grid.GetCellText(1, 1), "1");
  EXPECT_EQ(grid.GetCellText(1, 2), "2");
  EXPECT_EQ(grid.GetCellText(1, 3), "");
  EXPECT_EQ(log, (std::vector<std::string>{"begin 1,1", "end 1,1=1", "begin 1,2", "end 1,2=2"}));
  EXPECT_TRUE(grid.Cell(1, 1)->state & kCellModified);
  EXPECT_FALSE(grid.Cell(1, 3)->state & kCellModified);
}

TEST_F(GridClipboardTest, PasteSkipsCellsOutsideTheGrid) {
  grid.SetFocusCellField({2, 2});
  EXPECT_EQ(GridClipboard::Paste(grid, "a\tb\tc\nd\te\tf\ng\th", Recorder()), 4);
  EXPECT_EQ(grid.GetCellText(2, 2), "a");
  EXPECT_EQ(grid.GetCellText(2, 3), "b");
  EXPECT_EQ(grid.GetCellText(3, 2), "d");
  EXPECT_EQ(grid.GetCellText(3, 3), "e");
  EXPECT_EQ(grid.GetRowCount(), 4);
  EXPECT_EQ(grid.GetColumnCount(), 4);
}

TEST_F(GridClipboardTest, PasteSkipsMergedAndReadOnlyCellsWithoutShiftingOthers) {
  ASSERT_TRUE(grid.MergeBlock(1, 2, 0, 0, 5));  // a one-cell block with a merge value
  grid.Cell(2, 2)->state |= kCellReadOnly;
  grid.SetCellText(1, 2, "keep");
  grid.SetCellText(2, 2, "locked");
  grid.SetFocusCellField({1, 1});
  EXPECT_EQ(GridClipboard::Paste(grid, "a,b,c\nd,e,f"), 4);
  EXPECT_EQ(grid.GetCellText(1, 1), "a");
  EXPECT_EQ(grid.GetCellText(1, 2), "keep");
  EXPECT_EQ(grid.GetCellText(1, 3), "c");
  EXPECT_EQ(grid.GetCellText(2, 1), "d");
  EXPECT_EQ(grid.GetCellText(2, 2), "locked");
  EXPECT_EQ(grid.GetCellText(2, 3), "f");
}

TEST_F(GridClipboardTest, PasteUnselectsWrittenCellsAndEmptyLinesClearTheFirstCell) {
  grid.SetCellText(2, 1, "old");
  grid.SetCellText(2, 2, "stays");
  selection.SelectCell({2, 2});
  selection.ExtendTo({1, 1});  // the focus cell, where pasting starts
  EXPECT_EQ(GridClipboard::Paste(grid, "x\n\n", Recorder()), 2);
  EXPECT_EQ(grid.GetCellText(1, 1), "x");
  EXPECT_EQ(grid.GetCellText(2, 1), "");
  EXPECT_EQ(grid.GetCellText(2, 2), "stays");
  EXPECT_FALSE(grid.Cell(1, 1)->state & kCellSelected);
  EXPECT_FALSE(grid.Cell(2, 1)->state & kCellSelected);
  EXPECT_TRUE(grid.Cell(1, 2)->state & kCellSelected);
}

TEST_F(GridClipboardTest, PasteWithoutFocusCellWritesNothing) {
  EXPECT_EQ(GridClipboard::Paste(grid, "a,b", Recorder()), 0);
  EXPECT_TRUE(log.empty());
}

TEST_F(GridClipboardTest, CopyThenPasteElsewhereRoundTrips) {
  grid.SetCellText(1, 1, "a");
  grid.SetCellText(1, 2, "b");
  selection.SelectCell({1, 1});
  selection.ExtendTo({1, 2});
  const std::string copied = GridClipboard::CopyText(grid);
  selection.SelectCell({3, 2});
  GridClipboard::Paste(grid, copied);
  EXPECT_EQ(grid.GetCellText(3, 2), "a");
  EXPECT_EQ(grid.GetCellText(3, 3), "b");
}

TEST_F(GridClipboardTest, ClearSelectedEmptiesOnlySelectedWritableCells) {
  grid.SetCellText(1, 1, "a");
  grid.SetCellText(1, 2, "b");
  grid.SetCellText(1, 3, "c");
  grid.Cell(1, 2)->state |= kCellReadOnly;
  selection.SelectCell({1, 1});
  selection.ExtendTo({1, 3});
  EXPECT_EQ(GridClipboard::ClearSelected(grid, Recorder()), 2);
  EXPECT_EQ(grid.GetCellText(1, 1), "");
  EXPECT_EQ(grid.GetCellText(1, 2), "b");
  EXPECT_EQ(grid.GetCellText(1, 3), "");
  EXPECT_EQ(log, (std::vector<std::string>{"begin 1,1", "end 1,1=", "begin 1,3", "end 1,3="}));
}

}  // namespace
}  // namespace tablora
