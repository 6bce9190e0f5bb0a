#include "ui/grid_layout.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

/// 5 rows of 20 pixels (row 0 fixed), 4 columns of 30 pixels (column 0 fixed, 40 wide).
GridModel MakeGrid() {
  GridModel grid(20, 30);
  grid.SetRowCount(5);
  grid.SetColumnCount(4);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  grid.SetColumnWidth(0, 40);
  return grid;
}

TEST(GridLayoutRects, FixedCellsStayAndTheBodyScrolls) {
  const GridModel grid = MakeGrid();
  const GridLayout still(grid, 0, 0);
  EXPECT_EQ(still.CellRect(0, 0), (PixelRect{0, 0, 40, 20}));
  EXPECT_EQ(still.CellRect(2, 2), (PixelRect{70, 40, 30, 20}));
  const GridLayout scrolled(grid, 30, 20);
  EXPECT_EQ(scrolled.CellRect(0, 0), (PixelRect{0, 0, 40, 20}));
  EXPECT_EQ(scrolled.CellRect(0, 2), (PixelRect{40, 0, 30, 20}));
  EXPECT_EQ(scrolled.CellRect(2, 0), (PixelRect{0, 20, 40, 20}));
  EXPECT_EQ(scrolled.CellRect(2, 2), (PixelRect{40, 20, 30, 20}));
}

TEST(GridLayoutRects, BlocksSpanTheirRowsAndColumns) {
  GridModel grid = MakeGrid();
  grid.SetRowHeight(3, 35);
  ASSERT_TRUE(grid.MergeBlock(2, 1, 1, 2, 0));
  const GridLayout layout(grid, 0, 0);
  EXPECT_EQ(layout.BlockRect(3, 3), (PixelRect{40, 40, 90, 55}));
  EXPECT_EQ(layout.BlockRect(1, 1), (PixelRect{40, 20, 30, 20}));
}

TEST(GridLayoutHit, FindsCellsOwnersAndNothingOutside) {
  GridModel grid = MakeGrid();
  ASSERT_TRUE(grid.MergeBlock(2, 1, 1, 1, 0));
  const GridLayout layout(grid, 0, 0);
  EXPECT_EQ(layout.HitTest(5, 5), (CellId{0, 0}));
  EXPECT_EQ(layout.HitTest(39, 19), (CellId{0, 0}));
  EXPECT_EQ(layout.HitTest(40, 20), (CellId{1, 1}));
  EXPECT_EQ(layout.HitTest(95, 75), (CellId{2, 1})) << "covered cell gives its owner";
  EXPECT_EQ(layout.HitTest(130, 10), (CellId{})) << "right of the last column";
  EXPECT_EQ(layout.HitTest(10, 100), (CellId{})) << "below the last row";
  EXPECT_EQ(layout.HitTest(-1, 5), (CellId{}));
}

TEST(GridLayoutHit, ScrolledRowsUnderTheFixedRowCannotBeHit) {
  const GridModel grid = MakeGrid();
  const GridLayout layout(grid, 0, 25);
  // Row 1 now spans y -5..15, hidden under the fixed row 0.
  EXPECT_EQ(layout.RowAt(10), 0);
  EXPECT_EQ(layout.RowAt(20), 2) << "row 2 spans 15..35 but 15..19 is hidden";
  EXPECT_EQ(layout.RowAt(36), 3);
  const GridLayout sideways(grid, 35, 0);
  EXPECT_EQ(sideways.ColumnAt(39), 0);
  EXPECT_EQ(sideways.ColumnAt(40), 2) << "column 1 is hidden under column 0";
}

TEST(GridLayoutEdges, FindTheEdgeNearThePointerIncludingZeroSizedColumns) {
  GridModel grid = MakeGrid();
  const GridLayout layout(grid, 0, 0);
  // Column edges at 40, 70, 100, 130; row edges at 20, 40, 60, 80, 100.
  EXPECT_EQ(layout.ColumnEdgeAt(41, 3), 0);
  EXPECT_EQ(layout.ColumnEdgeAt(67, 3), 1);
  EXPECT_EQ(layout.ColumnEdgeAt(55, 3), -1);
  EXPECT_EQ(layout.RowEdgeAt(58, 2), 2);
  EXPECT_EQ(layout.RowEdgeAt(50, 2), -1);
  grid.SetColumnWidth(2, 0);  // edges of columns 1 and 2 both at 70
  EXPECT_EQ(layout.ColumnEdgeAt(70, 3), 2)
      << "the rightmost, so a hidden column can be widened again";
  const GridLayout scrolled(grid, 0, 30);
  EXPECT_EQ(scrolled.RowEdgeAt(10, 3), -1) << "row 1's edge (10) is under the fixed row";
  EXPECT_EQ(scrolled.RowEdgeAt(20, 1), 0);
}

}  // namespace
}  // namespace tablora
