#include "ui/grid_selection.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

/// 6 rows x 5 columns, row 0 and column 0 fixed.
class GridSelectionTest : public ::testing::Test {
 protected:
  GridSelectionTest() : selection(grid) {
    grid.SetRowCount(6);
    grid.SetColumnCount(5);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
  }
  int SelectedCount() const {
    int n = 0;
    for (int r = 0; r < grid.GetRowCount(); ++r)
      for (int c = 0; c < grid.GetColumnCount(); ++c)
        if (grid.Cell(r, c)->state & kCellSelected) ++n;
    return n;
  }
  GridModel grid;
  GridSelection selection;
};

TEST_F(GridSelectionTest, ClickAndExtendSelectRectanglesOfNonFixedCells) {
  selection.SelectCell({2, 2});
  EXPECT_EQ(grid.SelectedRange(), (CellRange{2, 2, 2, 2}));
  EXPECT_EQ(grid.FocusCell(), (CellId{2, 2}));
  selection.ExtendTo({4, 1});
  EXPECT_EQ(grid.SelectedRange(), (CellRange{2, 1, 4, 2}));
  EXPECT_EQ(grid.FocusCell(), (CellId{4, 1}));
  EXPECT_EQ(SelectedCount(), 6);
  selection.SelectCell({0, 2});  // fixed cells are not selectable
  EXPECT_EQ(grid.SelectedRange(), (CellRange{2, 1, 4, 2}));
  selection.SelectAll();
  EXPECT_EQ(grid.SelectedRange(), (CellRange{1, 1, 5, 4}));
  EXPECT_EQ(SelectedCount(), 20);
  selection.Clear();
  EXPECT_EQ(SelectedCount(), 0);
  EXPECT_FALSE(grid.SelectedRange().IsValid());
}

TEST_F(GridSelectionTest, RowsAndColumnsLeaveOutFixedCells) {
  selection.SelectRows(3, 2);
  EXPECT_EQ(grid.SelectedRange(), (CellRange{2, 1, 3, 4}));
  EXPECT_EQ(grid.FocusCell(), (CellId{2, 1}));
  selection.SelectColumns(4, 4);
  EXPECT_EQ(grid.SelectedRange(), (CellRange{1, 4, 5, 4}));
  EXPECT_EQ(SelectedCount(), 5);
}

TEST_F(GridSelectionTest, MergedBlocksAreSelectedWhole) {
  ASSERT_TRUE(grid.MergeBlock(2, 2, 1, 1, 0));
  selection.SelectCell({3, 3});
  EXPECT_EQ(grid.FocusCell(), (CellId{2, 2}));
  EXPECT_EQ(grid.SelectedRange(), (CellRange{2, 2, 3, 3}));
  selection.SelectCell({1, 1});
  selection.ExtendTo({3, 2});
  EXPECT_EQ(grid.SelectedRange(), (CellRange{1, 1, 3, 3}));
}

TEST_F(GridSelectionTest, ToggleAddsAndRemovesCells) {
  selection.SelectCell({1, 1});
  selection.ToggleCell({3, 3});
  EXPECT_EQ(grid.SelectedRange(), (CellRange{1, 1, 3, 3}));
  EXPECT_EQ(SelectedCount(), 2);
  selection.ToggleCell({1, 1});
  EXPECT_EQ(SelectedCount(), 1);
  EXPECT_FALSE(grid.Cell(1, 1)->state & kCellSelected);
}

TEST_F(GridSelectionTest, StepsStayInTheBodyAndJumpOverBlocks) {
  EXPECT_EQ(selection.Step({-1, -1}, 1, 0), (CellId{1, 1}));
  EXPECT_EQ(selection.Step({1, 1}, -1, 0), (CellId{1, 1})) << "no step into the fixed row";
  EXPECT_EQ(selection.Step({1, 1}, 0, -1), (CellId{1, 1}));
  EXPECT_EQ(selection.Step({5, 4}, 1, 1), (CellId{5, 4}));
  EXPECT_EQ(selection.Step({2, 2}, 2, 1), (CellId{4, 3}));
  EXPECT_EQ(selection.Step({1, 2}, 100, 0), (CellId{5, 2})) << "a page past the end stops";
  ASSERT_TRUE(grid.MergeBlock(2, 2, 1, 1, 0));
  EXPECT_EQ(selection.Step({2, 1}, 0, 1), (CellId{2, 2})) << "into a block: its owner";
  EXPECT_EQ(selection.Step({2, 2}, 0, 1), (CellId{2, 4})) << "out of a block: past its edge";
  EXPECT_EQ(selection.Step({2, 2}, 1, 0), (CellId{4, 2}));
  EXPECT_EQ(selection.Step({4, 3}, -1, 0), (CellId{2, 2}));
}

TEST_F(GridSelectionTest, RowMenuNeedsASelectionStartingInColumnZeroOrOne) {
  EXPECT_EQ(selection.RowMenuRow(), -1) << "nothing selected";
  selection.SelectCell({3, 2});
  EXPECT_EQ(selection.RowMenuRow(), -1) << "starts right of column 1";
  selection.SelectCell({3, 1});
  EXPECT_EQ(selection.RowMenuRow(), 3);
  selection.ExtendTo({5, 3});
  EXPECT_EQ(selection.RowMenuRow(), 3);
  selection.SelectRows(4, 5);
  EXPECT_EQ(selection.RowMenuRow(), 4);
}

TEST_F(GridSelectionTest, RowMenuNeedsASelectedCellInColumnZeroOrOne) {
  selection.SelectCell({2, 1});
  selection.ExtendTo({4, 3});
  for (int r = 2; r <= 4; ++r) selection.ToggleCell({r, 1});
  // The range still starts in column 1 but none of its column-1 cells is selected.
  EXPECT_EQ(grid.SelectedRange().minColumn, 1);
  EXPECT_EQ(selection.RowMenuRow(), -1);
  selection.ToggleCell({4, 1});
  EXPECT_EQ(selection.RowMenuRow(), 2) << "the first row holding any selected cell";
}

}  // namespace
}  // namespace tablora
