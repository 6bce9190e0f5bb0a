#include "ui/grid_model.h"

#include <gtest/gtest.h>

#include <map>

#include "base/text_codec.h"

namespace tablora {
namespace {

/// Fixed-pitch measurer: 7 pixels per byte (8 in bold), lines of 12 pixels; wrapped
/// text takes as many lines as its single-line width needs.
class FakeMeasurer : public TextMeasurer {
 public:
  std::map<int, Extent> images;

  Extent TextExtent(const std::string& text, bool bold) const override {
    return {static_cast<int>(text.size()) * (bold ? 8 : 7), 12};
  }
  int WrappedHeight(const std::string& text, int width, bool bold) const override {
    const int single = TextExtent(text, bold).width;
    if (width <= 0) return 1000;  // wrapping into no room would be a fault
    return 12 * std::max(1, (single + width - 1) / width);
  }
  Extent ImageExtent(int index) const override {
    auto it = images.find(index);
    return it == images.end() ? Extent{} : it->second;
  }
};

GridModel MakeGrid(int rows, int columns) {
  GridModel grid;
  grid.SetRowCount(rows);
  grid.SetColumnCount(columns);
  return grid;
}

TEST(GridModelCounts, GrowAndShrinkKeepCellsAndDefaults) {
  GridModel grid(20, 30);
  grid.SetRowCount(3);
  grid.SetColumnCount(2);
  grid.SetCellText(2, 1, "x");
  grid.SetColumnCount(4);
  EXPECT_EQ(grid.GetCellText(2, 1), "x");
  EXPECT_EQ(grid.GetColumnWidth(3), 30);
  EXPECT_EQ(grid.GetRowHeight(2), 20);
  EXPECT_EQ(grid.ContentWidth(), 120);
  EXPECT_EQ(grid.ContentHeight(), 60);
  grid.SetRowCount(2);
  EXPECT_EQ(grid.GetRowCount(), 2);
  EXPECT_EQ(grid.GetCellText(2, 1), "");
  grid.SetRowCount(3);
  EXPECT_EQ(grid.GetCellText(2, 1), "") << "a row that came back is new";
}

TEST(GridModelCounts, FixedCountsGrowTheGridAndShrinkWithIt) {
  GridModel grid;
  grid.SetFixedRowCount(2);
  grid.SetFixedColumnCount(1);
  EXPECT_EQ(grid.GetRowCount(), 2);
  EXPECT_EQ(grid.GetColumnCount(), 1);
  EXPECT_TRUE(grid.IsFixed(1, 0));
  grid.SetRowCount(1);
  EXPECT_EQ(grid.GetFixedRowCount(), 1);
  grid.SetRowCount(5);
  grid.SetColumnCount(3);
  grid.SetRowHeight(0, 25);
  grid.SetColumnWidth(0, 40);
  EXPECT_EQ(grid.FixedRowsHeight(), 25);
  EXPECT_EQ(grid.FixedColumnsWidth(), 40);
  EXPECT_FALSE(grid.IsFixed(1, 1));
}

TEST(GridModelCells, SetCellFollowsTheMaskAndIgnoresPositionsOutside) {
  GridModel grid = MakeGrid(2, 2);
  const unsigned initialFormat = grid.Cell(0, 0)->format;
  EXPECT_TRUE(grid.SetCell(0, 0, kMaskText, "t", kFormatCenter));
  EXPECT_EQ(grid.GetCellText(0, 0), "t");
  EXPECT_EQ(grid.Cell(0, 0)->format, initialFormat);
  EXPECT_TRUE(grid.SetCell(0, 0, kMaskFormat, "ignored", kFormatCenter | kFormatWordBreak));
  EXPECT_EQ(grid.GetCellText(0, 0), "t");
  EXPECT_EQ(grid.Cell(0, 0)->format, unsigned{kFormatCenter | kFormatWordBreak});
  EXPECT_TRUE(grid.SetCell(1, 1, kMaskText | kMaskFormat, "both", kFormatRight));
  EXPECT_EQ(grid.GetCellText(1, 1), "both");
  EXPECT_EQ(grid.Cell(1, 1)->format, unsigned{kFormatRight});

  EXPECT_FALSE(grid.SetCell(2, 0, kMaskText, "x", 0));
  EXPECT_FALSE(grid.SetCell(0, -1, kMaskText, "x", 0));
  grid.SetCellText(5, 5, "x");
  EXPECT_EQ(grid.GetCellText(5, 5), "");
  EXPECT_EQ(grid.Cell(-1, 0), nullptr);
  grid.SetRowHeight(9, 50);
  EXPECT_EQ(grid.GetRowHeight(9), 0);
}

TEST(GridModelMerge, OwnerAndCoveredCellsGetTheirFields) {
  GridModel grid = MakeGrid(4, 4);
  ASSERT_TRUE(grid.MergeBlock(1, 1, 1, 2, 7));
  const GridCell& owner = *grid.Cell(1, 1);
  EXPECT_FALSE(owner.covered);
  EXPECT_TRUE(owner.extendsDown);
  EXPECT_TRUE(owner.extendsRight);
  EXPECT_EQ(owner.rowSpan, 1);
  EXPECT_EQ(owner.columnSpan, 2);
  EXPECT_EQ(owner.mergeValue, 7);

  const GridCell& middle = *grid.Cell(1, 2);
  EXPECT_TRUE(middle.covered);
  EXPECT_EQ(middle.ownerRow, 1);
  EXPECT_EQ(middle.ownerColumn, 1);
  EXPECT_EQ(middle.mergeValue, 7);
  EXPECT_TRUE(middle.extendsRight);
  EXPECT_TRUE(middle.extendsDown);
  const GridCell& corner = *grid.Cell(2, 3);
  EXPECT_TRUE(corner.covered);
  EXPECT_FALSE(corner.extendsRight) << "last column of the block";
  EXPECT_FALSE(corner.extendsDown) << "last row of the block";

  EXPECT_EQ(grid.OwnerOf(2, 3), (CellId{1, 1}));
  EXPECT_EQ(grid.OwnerOf(3, 3), (CellId{3, 3}));
  EXPECT_EQ(grid.BlockOf(2, 2), (CellRange{1, 1, 2, 3}));
  EXPECT_EQ(grid.BlockOf(0, 0), (CellRange{0, 0, 0, 0}));
  EXPECT_FALSE(grid.Cell(0, 1)->covered);
  EXPECT_FALSE(grid.Cell(3, 1)->covered);
}

TEST(GridModelMerge, NegativeExtentsCountByTheirSize) {
  GridModel grid = MakeGrid(3, 3);
  ASSERT_TRUE(grid.MergeBlock(0, 0, 0, -2, 1));
  EXPECT_EQ(grid.BlockOf(0, 2), (CellRange{0, 0, 0, 2}));
  EXPECT_FALSE(grid.Cell(0, 0)->extendsDown);
  EXPECT_EQ(grid.Cell(0, 0)->rowSpan, 0);
}

TEST(GridModelMerge, OverlapOrOutsideChangesNothing) {
  GridModel grid = MakeGrid(4, 4);
  ASSERT_TRUE(grid.MergeBlock(1, 1, 1, 1, 3));
  const GridModel before = grid;
  auto unchanged = [&] {
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) {
        const GridCell& a = *before.Cell(r, c);
        const GridCell& b = *grid.Cell(r, c);
        if (a.covered != b.covered || a.mergeValue != b.mergeValue || a.rowSpan != b.rowSpan ||
            a.columnSpan != b.columnSpan || a.ownerRow != b.ownerRow)
          return false;
      }
    }
    return true;
  };
  EXPECT_FALSE(grid.MergeBlock(0, 0, 1, 1, 9)) << "bottom-right corner owns a block";
  EXPECT_TRUE(unchanged());
  EXPECT_FALSE(grid.MergeBlock(2, 2, 1, 1, 9)) << "top-left corner is covered";
  EXPECT_TRUE(unchanged());
  EXPECT_FALSE(grid.MergeBlock(0, 1, 1, 0, 9)) << "lower cell owns a span";
  EXPECT_TRUE(unchanged());
  EXPECT_FALSE(grid.MergeBlock(3, 3, 1, 0, 9)) << "past the last row";
  EXPECT_TRUE(unchanged());
  EXPECT_FALSE(grid.MergeBlock(-1, 0, 1, 0, 9)) << "before the first row";
  EXPECT_TRUE(unchanged());
  EXPECT_FALSE(grid.MergeBlock(0, 2, 0, 2, 9)) << "past the last column";
  EXPECT_TRUE(unchanged());
  EXPECT_TRUE(grid.MergeBlock(3, 0, 0, 3, 9)) << "a free row still merges";
}

TEST(GridModelFit, CellExtentUsesBoldForFixedCellsAndWrapsColumnZero) {
  FakeMeasurer measurer;
  GridModel grid = MakeGrid(3, 2);
  grid.SetFixedRowCount(1);
  grid.SetColumnWidth(0, 20);
  grid.SetColumnWidth(1, 100);
  grid.SetCellText(0, 1, "abcd");
  grid.SetCellText(1, 1, "abcd");
  EXPECT_EQ(grid.CellExtent(0, 1, measurer).width, 32);
  EXPECT_EQ(grid.CellExtent(1, 1, measurer).width, 28);
  EXPECT_EQ(grid.CellExtent(1, 1, measurer).height, 12);

  // Column 0 of a body row wraps within column 0's width: 28 px of text in 20 px.
  grid.SetCellText(1, 0, "abcd");
  EXPECT_EQ(grid.CellExtent(1, 0, measurer).height, 24);
  // Row 0 wraps within the whole grid width (120 px), bold: 20 bytes = 160 px.
  grid.SetCellText(0, 0, std::string(20, 'x'));
  EXPECT_EQ(grid.CellExtent(0, 0, measurer).height, 24);

  grid.SetCellMargin(2);
  EXPECT_EQ(grid.CellExtent(1, 1, measurer).width, 28 + 8);
  EXPECT_EQ(grid.CellExtent(1, 1, measurer).height, 12 + 4);
  // Column 0 with margins wraps within 20 - 4 = 16 px: two lines.
  EXPECT_EQ(grid.CellExtent(1, 0, measurer).height, 24 + 4);

  EXPECT_EQ(grid.CellExtent(5, 0, measurer).width, 0);
}

TEST(GridModelFit, ImagesWidenAndRaiseTheExtent) {
  FakeMeasurer measurer;
  measurer.images[0] = {16, 30};
  GridModel grid = MakeGrid(1, 2);
  grid.SetCellText(0, 1, "ab");
  grid.Cell(0, 1)->image = 0;
  EXPECT_EQ(grid.CellExtent(0, 1, measurer).width, 14 + 16);
  EXPECT_EQ(grid.CellExtent(0, 1, measurer).height, 30);
}

TEST(GridModelFit, FitRowHeightsTakesTheTallestCellOfEachRow) {
  FakeMeasurer measurer;
  GridModel grid = MakeGrid(3, 2);
  grid.SetColumnWidth(0, 14);
  grid.SetCellText(0, 1, "x");
  grid.SetCellText(1, 0, "abcdef");  // 42 px in 14: three lines
  grid.SetCellText(2, 1, "");
  grid.FitRowHeights(measurer);
  EXPECT_EQ(grid.GetRowHeight(0), 12);
  EXPECT_EQ(grid.GetRowHeight(1), 36);
  EXPECT_EQ(grid.GetRowHeight(2), 12);
  EXPECT_EQ(grid.GetColumnWidth(0), 14) << "widths stay";
}

TEST(GridModelFit, FitAllSetsWidestColumnsAndTallestRowsPlusFifteen) {
  FakeMeasurer measurer;
  GridModel grid = MakeGrid(2, 2);
  grid.SetCellText(0, 0, "title");
  grid.SetCellText(1, 0, "ab");
  grid.SetCellText(0, 1, "abcdefgh");
  grid.FitAll(measurer);  // column 0 is measured while every width is still 0
  EXPECT_EQ(grid.GetColumnWidth(0), 35);
  EXPECT_EQ(grid.GetColumnWidth(1), 56);
  EXPECT_EQ(grid.GetRowHeight(0), 12 + 15);
  EXPECT_EQ(grid.GetRowHeight(1), 12 + 15);
  EXPECT_EQ(grid.ContentWidth(), 91);
  EXPECT_EQ(grid.ContentHeight(), 54);
}

TEST(GridModelFit, FitAllAddsFifteenOnlyWhenACellIsTallerThanTheRowSoFar) {
  FakeMeasurer measurer;
  GridModel grid = MakeGrid(1, 3);
  grid.SetCellText(0, 0, "a");
  grid.SetCellText(0, 1, "b");
  // Column 2's cell is 12 high, less than the 27 the row reached: the row stays 27.
  grid.SetCellText(0, 2, "c");
  grid.FitAll(measurer);
  EXPECT_EQ(grid.GetRowHeight(0), 27);
}

TEST(GridModelRows, InsertRowPlacesTextInColumnZeroAndShiftsCells) {
  GridModel grid = MakeGrid(3, 2);
  grid.SetCellText(1, 1, "one");
  grid.SetCellText(2, 1, "two");
  grid.SetRowHeight(1, 44);
  EXPECT_EQ(grid.InsertRow("new", 1), 1);
  ASSERT_EQ(grid.GetRowCount(), 4);
  EXPECT_EQ(grid.GetCellText(1, 0), "new");
  EXPECT_EQ(grid.GetCellText(1, 1), "");
  EXPECT_EQ(grid.GetCellText(2, 1), "one");
  EXPECT_EQ(grid.GetCellText(3, 1), "two");
  EXPECT_EQ(grid.GetRowHeight(1), 20);
  EXPECT_EQ(grid.GetRowHeight(2), 44);
  EXPECT_EQ(grid.InsertRow("end"), 4);
  EXPECT_EQ(grid.GetCellText(4, 0), "end");
  EXPECT_EQ(grid.InsertRow("x", -5), -1);
  EXPECT_EQ(grid.GetRowCount(), 5);
}

TEST(GridModelRows, DeleteRowShiftsCellsHeightsAndFocus) {
  GridModel grid = MakeGrid(4, 2);
  grid.SetCellText(1, 1, "one");
  grid.SetCellText(2, 1, "two");
  grid.SetCellText(3, 1, "three");
  grid.SetRowHeight(2, 33);
  grid.SetFocusCellField({3, 1});
  EXPECT_TRUE(grid.DeleteRow(1));
  EXPECT_EQ(grid.GetRowCount(), 3);
  EXPECT_EQ(grid.GetCellText(1, 1), "two");
  EXPECT_EQ(grid.GetCellText(2, 1), "three");
  EXPECT_EQ(grid.GetRowHeight(1), 33);
  EXPECT_EQ(grid.FocusCell(), (CellId{2, 1})) << "focus follows its row";
  EXPECT_TRUE(grid.DeleteRow(2));
  EXPECT_FALSE(grid.FocusCell().IsValid()) << "the focus row is gone";
  EXPECT_FALSE(grid.DeleteRow(2));
  EXPECT_FALSE(grid.DeleteRow(-1));
}

TEST(GridModelRows, RowChangesMoveMergedBlocksAndDissolveSplitOnes) {
  GridModel grid = MakeGrid(6, 3);
  ASSERT_TRUE(grid.MergeBlock(0, 0, 0, 2, 1));  // title row
  ASSERT_TRUE(grid.MergeBlock(3, 0, 1, 0, 2));  // rows 3..4 of column 0
  grid.InsertRow("", 2);
  EXPECT_EQ(grid.BlockOf(0, 2), (CellRange{0, 0, 0, 2}));
  EXPECT_EQ(grid.BlockOf(5, 0), (CellRange{4, 0, 5, 0}));
  EXPECT_FALSE(grid.Cell(3, 0)->covered);
  EXPECT_EQ(grid.Cell(3, 0)->mergeValue, 0);

  grid.InsertRow("", 5);  // inside the two-row block: it dissolves
  EXPECT_EQ(grid.BlockOf(4, 0), (CellRange{4, 0, 4, 0}));
  EXPECT_FALSE(grid.Cell(6, 0)->covered);
  EXPECT_EQ(grid.Cell(4, 0)->mergeValue, 0);

  EXPECT_TRUE(grid.DeleteRow(1));
  EXPECT_EQ(grid.BlockOf(0, 1), (CellRange{0, 0, 0, 2}));
  EXPECT_TRUE(grid.DeleteRow(0));
  EXPECT_FALSE(grid.Cell(0, 1)->covered) << "the title block went with its row";
}

TEST(GridModelRows, RowChangesClearTheSelection) {
  GridModel grid = MakeGrid(3, 2);
  grid.Cell(1, 1)->state |= kCellSelected;
  grid.SetSelectedRangeField({1, 1, 1, 1});
  grid.InsertRow("", 0);
  EXPECT_FALSE(grid.SelectedRange().IsValid());
  EXPECT_EQ(grid.Cell(2, 1)->state & kCellSelected, 0u);

  // Shrinking the grid past the selected range drops the range and every selected flag.
  grid.Cell(1, 0)->state |= kCellSelected;
  grid.Cell(3, 1)->state |= kCellSelected;
  grid.SetSelectedRangeField({1, 0, 3, 1});
  grid.SetRowCount(3);
  EXPECT_FALSE(grid.SelectedRange().IsValid());
  EXPECT_EQ(grid.Cell(1, 0)->state & kCellSelected, 0u);
}

TEST(GridModelClear, RemovesEverythingIncludingSelectionAndFocus) {
  GridModel grid = MakeGrid(3, 3);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  grid.SetSelectedRangeField({1, 1, 2, 2});
  grid.SetFocusCellField({1, 1});
  grid.Clear();
  EXPECT_EQ(grid.GetRowCount(), 0);
  EXPECT_EQ(grid.GetColumnCount(), 0);
  EXPECT_EQ(grid.GetFixedRowCount(), 0);
  EXPECT_EQ(grid.GetFixedColumnCount(), 0);
  EXPECT_EQ(grid.ContentWidth(), 0);
  EXPECT_EQ(grid.ContentHeight(), 0);
  EXPECT_FALSE(grid.SelectedRange().IsValid());
  EXPECT_FALSE(grid.FocusCell().IsValid());
  grid.SetRowCount(1);
  grid.SetColumnCount(1);
  EXPECT_EQ(grid.GetCellText(0, 0), "");
}

TEST(GridModelCells, ChineseTextIsStoredAsGivenBytes) {
  GridModel grid = MakeGrid(1, 1);
  const std::string name = Cp936(u8"用户编号");
  grid.SetCellText(0, 0, name);
  EXPECT_EQ(grid.GetCellText(0, 0), name);
  EXPECT_EQ(grid.GetCellText(0, 0).size(), 8u);
}

}  // namespace
}  // namespace tablora
