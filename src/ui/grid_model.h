#pragma once

#include <string>
#include <vector>

#include "base/settings.h"
#include "model/grid_cells.h"
#include "ui/grid_cell.h"
#include "ui/text_measurer.h"

namespace tablora {

/// The colours a grid paints with (defaults: the usual system window colours).
struct GridColours {
  Rgb cellText{0, 0, 0};
  Rgb cellBack{255, 255, 255};
  Rgb gridBack{128, 128, 128};
  Rgb fixedText{0, 0, 0};
  Rgb fixedBack{212, 208, 200};
  Rgb gridLine{192, 192, 192};
};

/// The cells, sizes, merged blocks, colours, selection and focus of a grid, without any
/// window. Fixed rows are the top rows and fixed columns the left columns. Positions
/// outside the grid are ignored by setters and read as empty by getters.
class GridModel : public GridCells {
 public:
  GridModel(int defaultRowHeight = 20, int defaultColumnWidth = 30);

  int GetRowCount() const override { return static_cast<int>(rows_.size()); }
  int GetColumnCount() const override { return columnCount_; }
  int GetFixedRowCount() const { return fixedRows_; }
  int GetFixedColumnCount() const { return fixedColumns_; }

  /// Grows or shrinks the cell table; new rows get the default height, new columns the
  /// default width. Throws std::bad_alloc when memory runs out.
  void SetRowCount(int count) override;
  void SetColumnCount(int count);
  /// Makes the top `count` rows fixed, growing the row count when needed.
  void SetFixedRowCount(int count);
  void SetFixedColumnCount(int count);

  int GetDefaultRowHeight() const { return defaultRowHeight_; }
  int GetDefaultColumnWidth() const { return defaultColumnWidth_; }
  void SetDefaultRowHeight(int height) { defaultRowHeight_ = height; }
  void SetDefaultColumnWidth(int width) { defaultColumnWidth_ = width; }
  int GetCellMargin() const { return margin_; }
  void SetCellMargin(int margin) { margin_ = margin; }

  /// 0 outside the grid.
  int GetRowHeight(int row) const;
  int GetColumnWidth(int column) const;
  void SetRowHeight(int row, int height);
  void SetColumnWidth(int column, int width);

  bool IsValid(int row, int column) const {
    return row >= 0 && column >= 0 && row < GetRowCount() && column < columnCount_;
  }
  bool IsFixed(int row, int column) const { return row < fixedRows_ || column < fixedColumns_; }
  /// Null outside the grid.
  GridCell* Cell(int row, int column);
  const GridCell* Cell(int row, int column) const;

  /// Writes the text (mask bit 0x1) and/or the format (0x40); false outside the grid.
  bool SetCell(int row, int column, unsigned mask, const std::string& text, unsigned format);
  std::string GetCellText(int row, int column) const override;
  void SetCellText(int row, int column, const std::string& text) override;

  /// Merges the block of |extraRows| + 1 rows and |extraColumns| + 1 columns whose top-left
  /// cell is (row, column). False, and nothing changes, when a corner lies outside the
  /// grid or a cell of the block is already covered or owns a span.
  bool MergeBlock(int row, int column, int extraRows, int extraColumns, int value);
  /// The cell that draws and edits (row, column): its owner when covered, else itself.
  CellId OwnerOf(int row, int column) const;
  /// The block the owner of (row, column) spans; a single cell when not merged.
  CellRange BlockOf(int row, int column) const;

  /// Size of a cell's content as fitting measures it (see FitRowHeights).
  TextMeasurer::Extent CellExtent(int row, int column, const TextMeasurer& measurer) const;
  /// Every row's height becomes the tallest cell extent of the row.
  void FitRowHeights(const TextMeasurer& measurer);
  /// Every column's width becomes its widest cell extent and every row's height the
  /// tallest cell extent plus 15.
  void FitAll(const TextMeasurer& measurer);

  int ContentWidth() const;
  int ContentHeight() const;
  int FixedRowsHeight() const;
  int FixedColumnsWidth() const;

  /// Removes every cell, row and column and clears the selection and the focus cell.
  void Clear();
  /// Inserts a row before `before` (appends when `before` is -1 or past the end) with
  /// `text` in column 0 and the default height. Returns its index, -1 when `before` is
  /// negative other than -1. Merged blocks are dissolved, the selection cleared.
  int InsertRow(const std::string& text, int before = -1);
  /// False outside the grid. Merged blocks are dissolved, the selection cleared.
  bool DeleteRow(int row);

  const GridColours& Colours() const { return colours_; }
  GridColours& Colours() { return colours_; }

  /// The selected range and the focus cell (see GridSelection for how they change).
  const CellRange& SelectedRange() const { return selectedRange_; }
  CellId FocusCell() const { return focus_; }
  void SetSelectedRangeField(const CellRange& range) { selectedRange_ = range; }
  /// Unselects every cell and empties the selected range; the focus cell stays.
  void ClearSelection();
  void SetFocusCellField(CellId cell) { focus_ = cell; }

 private:
  void UnmergeAll();

  std::vector<std::vector<GridCell>> rows_;
  std::vector<int> rowHeights_;
  std::vector<int> columnWidths_;
  int columnCount_ = 0;
  int fixedRows_ = 0;
  int fixedColumns_ = 0;
  int defaultRowHeight_;
  int defaultColumnWidth_;
  int margin_ = 0;
  GridColours colours_;
  CellRange selectedRange_;
  CellId focus_;
};

}  // namespace tablora
