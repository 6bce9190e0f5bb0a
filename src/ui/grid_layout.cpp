#include "ui/grid_layout.h"

#include <algorithm>

namespace tablora {

GridLayout::GridLayout(const GridModel& model, int scrollX, int scrollY)
    : model_(model), scrollX_(scrollX), scrollY_(scrollY) {
  rowStarts_.reserve(model.GetRowCount() + 1);
  rowStarts_.push_back(0);
  for (int r = 0; r < model.GetRowCount(); ++r) {
    rowStarts_.push_back(rowStarts_.back() + model.GetRowHeight(r));
  }
  columnStarts_.reserve(model.GetColumnCount() + 1);
  columnStarts_.push_back(0);
  for (int c = 0; c < model.GetColumnCount(); ++c) {
    columnStarts_.push_back(columnStarts_.back() + model.GetColumnWidth(c));
  }
}

int GridLayout::RowTop(int row) const {
  const int y = rowStarts_[std::clamp<int>(row, 0, rowStarts_.size() - 1)];
  return row < model_.GetFixedRowCount() ? y : y - scrollY_;
}

int GridLayout::ColumnLeft(int column) const {
  const int x = columnStarts_[std::clamp<int>(column, 0, columnStarts_.size() - 1)];
  return column < model_.GetFixedColumnCount() ? x : x - scrollX_;
}

PixelRect GridLayout::CellRect(int row, int column) const {
  return PixelRect{ColumnLeft(column), RowTop(row), model_.GetColumnWidth(column),
                   model_.GetRowHeight(row)};
}

PixelRect GridLayout::BlockRect(int row, int column) const {
  const CellRange block = model_.BlockOf(row, column);
  if (!block.IsValid()) return PixelRect{};
  PixelRect rect = CellRect(block.minRow, block.minColumn);
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

int GridLayout::ColumnEdgeAt(int x, int tolerance) const {
  int found = -1;
  for (int c = 0; c < model_.GetColumnCount(); ++c) {
    const int edge = ColumnLeft(c) + model_.GetColumnWidth(c);
    const bool hidden = c >= model_.GetFixedColumnCount() && edge <= model_.FixedColumnsWidth();
    if (!hidden && x >= edge - tolerance && x <= edge + tolerance) found = c;
  }
  return found;
}

int GridLayout::RowEdgeAt(int y, int tolerance) const {
  int found = -1;
  for (int r = 0; r < model_.GetRowCount(); ++r) {
    const int edge = RowTop(r) + model_.GetRowHeight(r);
    const bool hidden = r >= model_.GetFixedRowCount() && edge <= model_.FixedRowsHeight();
    if (!hidden && y >= edge - tolerance && y <= edge + tolerance) found = r;
  }
  return found;
}

CellId GridLayout::HitTest(int x, int y) const {
  const int row = RowAt(y);
  const int column = ColumnAt(x);
  if (row < 0 || column < 0) return CellId{};
  return model_.OwnerOf(row, column);
}

}  // namespace tablora
