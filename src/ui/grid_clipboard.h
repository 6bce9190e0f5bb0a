#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/grid_model.h"

namespace tablora {

/// What a grid tells its owner around each cell that a paste or cut changes.
struct GridEditCallbacks {
  std::function<void(int row, int column)> beginEdit;
  std::function<void(int row, int column, const std::string& text)> endEdit;
};

/// The plain clipboard texts of a grid (code page 936 bytes).
class GridClipboard {
 public:
  /// The selected range row by row: selected cells give their text (a single blank
  /// when empty), unselected cells nothing; columns are separated by a tab, rows by a
  /// line feed, with no line feed after the last row. Empty when nothing is selected.
  static std::string CopyText(const GridModel& model);

  /// Cuts clipboard text into rows of trimmed pieces: lines at line feeds, pieces at
  /// tabs when the text holds any tab (what Copy makes: a comma is then cell text), else
  /// at commas; an empty line is a single (trimmed: empty) piece. A final line feed ends
  /// the last line and adds no row.
  static std::vector<std::vector<std::string>> SplitPasteText(const std::string& text);

  /// Writes `text` into the grid from the focus cell on, one row per line and one
  /// column per piece, skipping cells outside the grid, merged cells (non-zero merge
  /// value), fixed and read-only cells. Each written cell is announced through
  /// `callbacks`, marked modified and unselected. Returns the number of cells written.
  static int Paste(GridModel& model, const std::string& text,
                   const GridEditCallbacks& callbacks = {});

  /// Empties the selected, writable cells (after their text went to the clipboard).
  /// Returns the number of cells changed.
  static int ClearSelected(GridModel& model, const GridEditCallbacks& callbacks = {});
};

}  // namespace tablora
