#pragma once

#include <string>

namespace tablora {

/// The grid a query's rows go to: text cells whose top row and left column are fixed.
/// Texts are code page 936.
class ResultGrid {
 public:
  virtual ~ResultGrid() = default;
  /// Removes every row and column.
  virtual void Clear() = 0;
  /// Makes the grid `rows` × `columns` empty cells, the first row and the first column
  /// fixed; false, with the grid left empty, when the memory for them cannot be had.
  virtual bool Reserve(int rows, int columns) = 0;
  /// A cell of row 0: a field name, left aligned and broken at words.
  virtual void SetHeader(int column, const std::string& name) = 0;
  virtual void SetText(int row, int column, std::string text) = 0;
};

}  // namespace tablora
