#include "ui/grid_selection.h"

#include <algorithm>

namespace tablora {

namespace {

CellRange Union(const CellRange& a, const CellRange& b) {
  if (!a.IsValid()) return b;
  if (!b.IsValid()) return a;
  return CellRange{std::min(a.minRow, b.minRow), std::min(a.minColumn, b.minColumn),
                   std::max(a.maxRow, b.maxRow), std::max(a.maxColumn, b.maxColumn)};
}

}  // namespace

CellRange GridSelection::Clamp(CellRange range) const {
  range.minRow = std::max(range.minRow, model_.GetFixedRowCount());
  range.minColumn = std::max(range.minColumn, model_.GetFixedColumnCount());
  range.maxRow = std::min(range.maxRow, model_.GetRowCount() - 1);
  range.maxColumn = std::min(range.maxColumn, model_.GetColumnCount() - 1);
  return range.IsValid() ? range : CellRange{};
}

void GridSelection::SelectRange(const CellRange& wanted) {
  model_.ClearSelection();
  const CellRange range = Clamp(wanted);
  if (!range.IsValid()) return;
  for (int r = range.minRow; r <= range.maxRow; ++r) {
    for (int c = range.minColumn; c <= range.maxColumn; ++c) {
      model_.Cell(r, c)->state |= kCellSelected;
    }
  }
  model_.SetSelectedRangeField(range);
}

void GridSelection::SelectCell(CellId cell) {
  const CellId owner = model_.OwnerOf(cell.row, cell.column);
  if (!owner.IsValid() || model_.IsFixed(owner.row, owner.column)) return;
  anchor_ = owner;
  SelectRange(model_.BlockOf(owner.row, owner.column));
  model_.SetFocusCellField(owner);
}

void GridSelection::ExtendTo(CellId cell) {
  const CellId owner = model_.OwnerOf(cell.row, cell.column);
  if (!owner.IsValid() || model_.IsFixed(owner.row, owner.column)) return;
  if (!model_.IsValid(anchor_.row, anchor_.column)) {
    SelectCell(owner);
    return;
  }
  SelectRange(
      Union(model_.BlockOf(anchor_.row, anchor_.column), model_.BlockOf(owner.row, owner.column)));
  model_.SetFocusCellField(owner);
}

void GridSelection::ToggleCell(CellId cell) {
  const CellId owner = model_.OwnerOf(cell.row, cell.column);
  if (!owner.IsValid() || model_.IsFixed(owner.row, owner.column)) return;
  const CellRange block = model_.BlockOf(owner.row, owner.column);
  const bool select = !(model_.Cell(owner.row, owner.column)->state & kCellSelected);
  for (int r = block.minRow; r <= block.maxRow; ++r) {
    for (int c = block.minColumn; c <= block.maxColumn; ++c) {
      GridCell* target = model_.Cell(r, c);
      target->state = select ? (target->state | kCellSelected) : (target->state & ~kCellSelected);
    }
  }
  if (select) model_.SetSelectedRangeField(Union(model_.SelectedRange(), block));
  anchor_ = owner;
  model_.SetFocusCellField(owner);
}

void GridSelection::SelectRows(int first, int last) {
  SelectRange(
      CellRange{std::min(first, last), 0, std::max(first, last), model_.GetColumnCount() - 1});
  const CellRange& range = model_.SelectedRange();
  if (range.IsValid()) {
    anchor_ = CellId{range.minRow, range.minColumn};
    model_.SetFocusCellField(anchor_);
  }
}

void GridSelection::SelectColumns(int first, int last) {
  SelectRange(CellRange{0, std::min(first, last), model_.GetRowCount() - 1, std::max(first, last)});
  const CellRange& range = model_.SelectedRange();
  if (range.IsValid()) {
    anchor_ = CellId{range.minRow, range.minColumn};
    model_.SetFocusCellField(anchor_);
  }
}

void GridSelection::SelectAll() {
  SelectRange(CellRange{0, 0, model_.GetRowCount() - 1, model_.GetColumnCount() - 1});
}

void GridSelection::Clear() {
  model_.ClearSelection();
  anchor_ = CellId{};
}

CellId GridSelection::Step(CellId from, int rows, int columns) const {
  const int firstRow = model_.GetFixedRowCount();
  const int firstColumn = model_.GetFixedColumnCount();
  const int lastRow = model_.GetRowCount() - 1;
  const int lastColumn = model_.GetColumnCount() - 1;
  if (firstRow > lastRow || firstColumn > lastColumn) return CellId{};
  if (!model_.IsValid(from.row, from.column)) return model_.OwnerOf(firstRow, firstColumn);
  const CellRange block = model_.BlockOf(from.row, from.column);
  // Leave the block from its far side, then land on whatever block holds that cell.
  int row = rows > 0 ? block.maxRow + rows : rows < 0 ? block.minRow + rows : from.row;
  int column = columns > 0   ? block.maxColumn + columns
               : columns < 0 ? block.minColumn + columns
                             : from.column;
  row = std::clamp(row, firstRow, lastRow);
  column = std::clamp(column, firstColumn, lastColumn);
  const CellId owner = model_.OwnerOf(row, column);
  if (model_.IsFixed(owner.row, owner.column)) return from;
  return owner;
}

int GridSelection::RowMenuRow() const {
  const CellRange& range = model_.SelectedRange();
  if (!range.IsValid() || range.minColumn > 1) return -1;
  bool selectedInFirstColumns = false;
  for (int r = range.minRow; r <= range.maxRow && !selectedInFirstColumns; ++r) {
    for (int c = range.minColumn; c <= std::min(range.maxColumn, 1); ++c) {
      if (model_.Cell(r, c)->state & kCellSelected) selectedInFirstColumns = true;
    }
  }
  if (!selectedInFirstColumns) return -1;
  for (int r = range.minRow; r <= range.maxRow; ++r) {
    for (int c = range.minColumn; c <= range.maxColumn; ++c) {
      if (model_.Cell(r, c)->state & kCellSelected) return r;
    }
  }
  return -1;
}

}  // namespace tablora
