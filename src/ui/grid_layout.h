#pragma once

#include "ui/grid_model.h"

namespace tablora {

/// A rectangle in window client pixels.
struct GridRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool Contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
  bool operator==(const GridRect& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
};

/// Where the cells of a model lie in a window scrolled by (scrollX, scrollY) pixels:
/// fixed rows stay at the top and fixed columns at the left, the rest moves.
class GridLayout {
 public:
  GridLayout(const GridModel& model, int scrollX, int scrollY)
      : model_(model), scrollX_(scrollX), scrollY_(scrollY) {}

  int RowTop(int row) const;
  int ColumnLeft(int column) const;
  /// The rectangle of one cell, ignoring merging.
  GridRect CellRect(int row, int column) const;
  /// The rectangle of the merged block that (row, column) belongs to.
  GridRect BlockRect(int row, int column) const;
  /// The cell (the owner, for a covered cell) at a client point; {-1, -1} outside.
  CellId HitTest(int x, int y) const;
  /// The row and column under a point without resolving merges; -1 outside.
  int RowAt(int y) const;
  int ColumnAt(int x) const;

 private:
  const GridModel& model_;
  int scrollX_;
  int scrollY_;
};

}  // namespace tablora
