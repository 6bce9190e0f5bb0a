#include "ui/grid_layout.h"

namespace tablora {

int GridLayout::RowTop(int row) const {
  int y = 0;
  for (int r = 0; r < row; ++r) y += model_.GetRowHeight(r);
  return row < model_.GetFixedRowCount() ? y : y - scrollY_;
}

int GridLayout::ColumnLeft(int column) const {
  int x = 0;
  for (int c = 0; c < column; ++c) x += model_.GetColumnWidth(c);
  return column < model_.GetFixedColumnCount() ? x : x - scrollX_;
}

GridRect GridLayout::CellRect(int row, int column) const {
  return GridRect{ColumnLeft(column), RowTop(row), model_.GetColumnWidth(column),
                  model_.GetRowHeight(row)};
}

GridRect GridLayout::BlockRect(int row, int column) const {
  const CellRange block = model_.BlockOf(row, column);
  if (!block.IsValid()) return GridRect{};
  GridRect rect = CellRect(block.minRow, block.minColumn);
  for (int r = block.minRow + 1; r <= block.maxRow; ++r) rect.height += model_.GetRowHeight(r);
  for (int c = block.minColumn + 1; c <= block.maxColumn; ++c) {
    rect.width += model_.GetColumnWidth(c);
  }
  return rect;
}

int GridLayout::RowAt(int y) const {
  if (y < 0) return -1;
  const int fixedHeight = model_.FixedRowsHeight();
  int top = 0;
  for (int r = 0; r < model_.GetRowCount(); ++r) {
    const int height = model_.GetRowHeight(r);
    if (r == model_.GetFixedRowCount()) top -= scrollY_;
    // Scrolled rows hidden under the fixed rows cannot be hit.
    if (y >= top && y < top + height && (r < model_.GetFixedRowCount() || y >= fixedHeight)) {
      return r;
    }
    top += height;
  }
  return -1;
}

int GridLayout::ColumnAt(int x) const {
  if (x < 0) return -1;
  const int fixedWidth = model_.FixedColumnsWidth();
  int left = 0;
  for (int c = 0; c < model_.GetColumnCount(); ++c) {
    const int width = model_.GetColumnWidth(c);
    if (c == model_.GetFixedColumnCount()) left -= scrollX_;
    if (x >= left && x < left + width && (c < model_.GetFixedColumnCount() || x >= fixedWidth)) {
      return c;
    }
    left += width;
  }
  return -1;
}

CellId GridLayout::HitTest(int x, int y) const {
  const int row = RowAt(y);
  const int column = ColumnAt(x);
  if (row < 0 || column < 0) return CellId{};
  return model_.OwnerOf(row, column);
}

}  // namespace tablora
