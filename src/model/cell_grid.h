#pragma once

#include <string>
#include <vector>

#include "model/grid_cells.h"

namespace tablora {

/// Grid cells held in memory: the table editor's grid when no grid window is attached
/// (the command-line tool, tests).
class CellGrid : public GridCells {
 public:
  CellGrid() = default;
  CellGrid(int rows, int columns) { Resize(rows, columns); }

  int GetRowCount() const override { return rows_; }
  int GetColumnCount() const override { return columns_; }
  std::string GetCellText(int row, int column) const override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetRowCount(int rows) override { Resize(rows, columns_); }

  /// Changes the size; cells inside both sizes keep their texts, new cells are empty.
  void Resize(int rows, int columns);
  /// Inserts an empty row before `row` (0 < row <= row count); the grid grows by one row.
  void InsertRow(int row);
  /// Removes `row` (0 < row < row count); the grid shrinks by one row.
  void DeleteRow(int row);

 private:
  bool Inside(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
  }

  int rows_ = 0;
  int columns_ = 0;
  std::vector<std::vector<std::string>> cells_;  ///< cells_[row][column]
};

}  // namespace tablora
