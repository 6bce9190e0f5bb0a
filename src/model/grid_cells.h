#pragma once

#include <string>

namespace tablora {

/// The text cells of a grid as the core reads and writes them (row 0 and column 0 are
/// the fixed header row and column of the table editor's grid).
class GridCells {
 public:
  virtual ~GridCells() = default;
  virtual int GetRowCount() const = 0;
  virtual int GetColumnCount() const = 0;
  /// The text of a cell; empty outside the grid.
  virtual std::string GetCellText(int row, int column) const = 0;
  /// Sets the text of a cell; ignored outside the grid.
  virtual void SetCellText(int row, int column, const std::string& text) = 0;
  /// Grows or shrinks the grid to `rows` rows; cells of the rows kept keep their texts.
  virtual void SetRowCount(int rows) = 0;
};

}  // namespace tablora
