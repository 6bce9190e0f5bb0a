#pragma once

#include "ui/grid_model.h"

namespace tablora {

/// Changes the selection and the focus cell of a `GridModel` the way mouse clicks and
/// navigation keys do. Only non-fixed cells are ever selected; a covered cell acts as
/// its merged block's owner.
class GridSelection {
 public:
  explicit GridSelection(GridModel& model) : model_(model) {}

  /// Selects one cell (its whole block) and makes it the focus cell and the anchor.
  void SelectCell(CellId cell);
  /// Selects the rectangle from the anchor to `cell`; `cell` becomes the focus.
  void ExtendTo(CellId cell);
  /// Adds `cell` to or removes it from the selection; the range grows to hold it.
  void ToggleCell(CellId cell);
  /// Selects every non-fixed cell of the rows `first`..`last`.
  void SelectRows(int first, int last);
  /// Selects every non-fixed cell of the columns `first`..`last`.
  void SelectColumns(int first, int last);
  void SelectAll();
  void Clear();
  CellId Anchor() const { return anchor_; }

  /// The cell a navigation step of (rows, columns) from `from` lands on: stays inside
  /// the non-fixed cells, steps over merged blocks, answers the block's owner.
  CellId Step(CellId from, int rows, int columns) const;

  /// The row that the row menu's delete and insert commands act on: the first row of
  /// the selected range holding a selected cell, when the range starts in column 0 or 1
  /// and a selected cell lies in column 0 or 1. -1 when no row menu opens.
  int RowMenuRow() const;

 private:
  void SelectRange(const CellRange& range);
  CellRange Clamp(CellRange range) const;

  GridModel& model_;
  CellId anchor_;
};

}  // namespace tablora
