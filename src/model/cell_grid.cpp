#include "model/cell_grid.h"

namespace tablora {

std::string CellGrid::GetCellText(int row, int column) const {
  return Inside(row, column) ? cells_[row][column] : std::string();
}

void CellGrid::SetCellText(int row, int column, const std::string& text) {
  if (Inside(row, column)) cells_[row][column] = text;
}

void CellGrid::Resize(int rows, int columns) {
  rows_ = rows < 0 ? 0 : rows;
  columns_ = columns < 0 ? 0 : columns;
  cells_.resize(rows_);
  for (auto& row : cells_) row.resize(columns_);
}

void CellGrid::InsertRow(int row) {
  if (row <= 0 || row > rows_) return;
  cells_.insert(cells_.begin() + row, std::vector<std::string>(columns_));
  ++rows_;
}

void CellGrid::DeleteRow(int row) {
  if (row <= 0 || row >= rows_) return;
  cells_.erase(cells_.begin() + row);
  --rows_;
}

}  // namespace tablora
