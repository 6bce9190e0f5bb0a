#pragma once

#include <vector>

#include "ui/grid_model.h"
#include "ui/pixel_rect.h"

namespace tablora {

/// The name grid code used before the one rectangle type; the same type.
using GridRect = PixelRect;

/// Where the cells of a model lie in a window scrolled by (scrollX, scrollY) pixels:
/// fixed rows stay at the top and fixed columns at the left, the rest moves.
class GridLayout {
 public:
  /// Takes the row heights and column widths as they are now.
  GridLayout(const GridModel& model, int scrollX, int scrollY);

  int RowTop(int row) const;
  int ColumnLeft(int column) const;
  /// The rectangle of one cell, ignoring merging.
  PixelRect CellRect(int row, int column) const;
  /// The rectangle of the merged block that (row, column) belongs to.
  PixelRect BlockRect(int row, int column) const;
  /// The cell (the owner, for a covered cell) at a client point; {-1, -1} outside.
  CellId HitTest(int x, int y) const;
  /// The row and column under a point without resolving merges; -1 outside.
  int RowAt(int y) const;
  int ColumnAt(int x) const;
  /// The column whose right edge lies within `tolerance` pixels of x (the rightmost when
  /// several do), -1 when none: where a drag resizes a column.
  int ColumnEdgeAt(int x, int tolerance) const;
  /// The row whose bottom edge lies within `tolerance` pixels of y, -1 when none.
  int RowEdgeAt(int y, int tolerance) const;

 private:
  const GridModel& model_;
  int scrollX_;
  int scrollY_;
  std::vector<int> rowStarts_;     ///< unscrolled top of each row, then the total height
  std::vector<int> columnStarts_;  ///< unscrolled left of each column, then the total width
};

}  // namespace tablora
