#include "ui/grid_model.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace tablora {

namespace {

struct SavedBlock {
  int row;
  int column;
  int rowSpan;
  int columnSpan;
  int value;
};

}  // namespace

GridModel::GridModel(int defaultRowHeight, int defaultColumnWidth)
    : defaultRowHeight_(defaultRowHeight), defaultColumnWidth_(defaultColumnWidth) {}

void GridModel::SetRowCount(int count) {
  count = std::max(count, 0);
  rows_.resize(count, std::vector<GridCell>(columnCount_));
  rowHeights_.resize(count, defaultRowHeight_);
  fixedRows_ = std::min(fixedRows_, count);
  if (!IsValid(focus_.row, focus_.column)) focus_ = CellId{};
  if (selectedRange_.IsValid() && selectedRange_.maxRow >= count) ClearSelection();
}

void GridModel::SetColumnCount(int count) {
  count = std::max(count, 0);
  for (auto& row : rows_) row.resize(count);
  columnWidths_.resize(count, defaultColumnWidth_);
  columnCount_ = count;
  fixedColumns_ = std::min(fixedColumns_, count);
  if (!IsValid(focus_.row, focus_.column)) focus_ = CellId{};
  if (selectedRange_.IsValid() && selectedRange_.maxColumn >= count) ClearSelection();
}

void GridModel::SetFixedRowCount(int count) {
  count = std::max(count, 0);
  if (count > GetRowCount()) SetRowCount(count);
  fixedRows_ = count;
}

void GridModel::SetFixedColumnCount(int count) {
  count = std::max(count, 0);
  if (count > columnCount_) SetColumnCount(count);
  fixedColumns_ = count;
}

int GridModel::GetRowHeight(int row) const {
  return row >= 0 && row < GetRowCount() ? rowHeights_[row] : 0;
}

int GridModel::GetColumnWidth(int column) const {
  return column >= 0 && column < columnCount_ ? columnWidths_[column] : 0;
}

void GridModel::SetRowHeight(int row, int height) {
  if (row >= 0 && row < GetRowCount()) rowHeights_[row] = height;
}

void GridModel::SetColumnWidth(int column, int width) {
  if (column >= 0 && column < columnCount_) columnWidths_[column] = width;
}

GridCell* GridModel::Cell(int row, int column) {
  return IsValid(row, column) ? &rows_[row][column] : nullptr;
}

const GridCell* GridModel::Cell(int row, int column) const {
  return IsValid(row, column) ? &rows_[row][column] : nullptr;
}

bool GridModel::SetCell(int row, int column, unsigned mask, const std::string& text,
                        unsigned format) {
  GridCell* cell = Cell(row, column);
  if (!cell) return false;
  if (mask & kMaskText) cell->text = text;
  if (mask & kMaskFormat) cell->format = format;
  return true;
}

std::string GridModel::GetCellText(int row, int column) const {
  const GridCell* cell = Cell(row, column);
  return cell ? cell->text : std::string();
}

void GridModel::SetCellText(int row, int column, const std::string& text) {
  if (GridCell* cell = Cell(row, column)) cell->text = text;
}

bool GridModel::MergeBlock(int row, int column, int extraRows, int extraColumns, int value) {
  extraRows = std::abs(extraRows);
  extraColumns = std::abs(extraColumns);
  const int lastRow = row + extraRows;
  const int lastColumn = column + extraColumns;
  if (!IsValid(row, column) || !IsValid(lastRow, lastColumn)) return false;
  for (int r = row; r <= lastRow; ++r) {
    for (int c = column; c <= lastColumn; ++c) {
      const GridCell& cell = rows_[r][c];
      if (cell.covered || cell.OwnsSpan()) return false;
    }
  }
  for (int r = row; r <= lastRow; ++r) {
    for (int c = column; c <= lastColumn; ++c) {
      GridCell& cell = rows_[r][c];
      cell.mergeValue = value;
      if (r == row && c == column) {
        if (extraRows > 0) {
          cell.extendsDown = true;
          cell.rowSpan = extraRows;
        }
        if (extraColumns > 0) {
          cell.extendsRight = true;
          cell.columnSpan = extraColumns;
        }
        continue;
      }
      cell.covered = true;
      cell.ownerRow = row;
      cell.ownerColumn = column;
      cell.extendsRight = c < lastColumn;
      cell.extendsDown = r < lastRow;
    }
  }
  return true;
}

CellId GridModel::OwnerOf(int row, int column) const {
  const GridCell* cell = Cell(row, column);
  if (!cell) return CellId{};
  if (cell->covered) return CellId{cell->ownerRow, cell->ownerColumn};
  return CellId{row, column};
}

CellRange GridModel::BlockOf(int row, int column) const {
  const CellId owner = OwnerOf(row, column);
  if (!owner.IsValid()) return CellRange{};
  const GridCell& cell = rows_[owner.row][owner.column];
  return CellRange{owner.row, owner.column, owner.row + cell.rowSpan,
                   owner.column + cell.columnSpan};
}

TextMeasurer::Extent GridModel::CellExtent(int row, int column,
                                           const TextMeasurer& measurer) const {
  const GridCell* cell = Cell(row, column);
  if (!cell) return {};
  const bool bold = IsFixed(row, column);
  const TextMeasurer::Extent line = measurer.TextExtent(cell->text, bold);
  TextMeasurer::Extent extent{line.width + 4 * margin_, line.height + 2 * margin_};
  if (column == 0) {
    // Column 0 holds titles and row headings that may break into several lines; the
    // title row may use the whole grid width.
    // Without room to wrap in (FitAll starts from zero widths) the text keeps one line.
    const int wrapWidth = (row == 0 ? ContentWidth() : GetColumnWidth(0)) - 2 * margin_;
    if (wrapWidth > 0) {
      const int wrapped = measurer.WrappedHeight(cell->text, wrapWidth, bold) + 2 * margin_;
      extent.height = std::max(extent.height, wrapped);
    }
  }
  if (cell->image >= 0) {
    const TextMeasurer::Extent image = measurer.ImageExtent(cell->image);
    extent.width += image.width;
    extent.height = std::max(extent.height, image.height);
  }
  return extent;
}

void GridModel::FitRowHeights(const TextMeasurer& measurer) {
  for (int r = 0; r < GetRowCount(); ++r) {
    int height = 0;
    for (int c = 0; c < columnCount_; ++c) {
      height = std::max(height, CellExtent(r, c, measurer).height);
    }
    rowHeights_[r] = height;
  }
}

void GridModel::FitAll(const TextMeasurer& measurer) {
  std::fill(rowHeights_.begin(), rowHeights_.end(), 0);
  std::fill(columnWidths_.begin(), columnWidths_.end(), 0);
  for (int c = 0; c < columnCount_; ++c) {
    for (int r = 0; r < GetRowCount(); ++r) {
      // Measured before the width changes: the wrap width of column 0 depends on it.
      const TextMeasurer::Extent extent = CellExtent(r, c, measurer);
      columnWidths_[c] = std::max(columnWidths_[c], extent.width);
      if (extent.height > rowHeights_[r]) rowHeights_[r] = extent.height + 15;
    }
  }
}

int GridModel::ContentWidth() const {
  return std::accumulate(columnWidths_.begin(), columnWidths_.end(), 0);
}

int GridModel::ContentHeight() const {
  return std::accumulate(rowHeights_.begin(), rowHeights_.end(), 0);
}

int GridModel::FixedRowsHeight() const {
  return std::accumulate(rowHeights_.begin(), rowHeights_.begin() + fixedRows_, 0);
}

int GridModel::FixedColumnsWidth() const {
  return std::accumulate(columnWidths_.begin(), columnWidths_.begin() + fixedColumns_, 0);
}

void GridModel::Clear() {
  rows_.clear();
  rowHeights_.clear();
  columnWidths_.clear();
  columnCount_ = 0;
  fixedRows_ = 0;
  fixedColumns_ = 0;
  selectedRange_ = CellRange{};
  focus_ = CellId{};
}

void GridModel::ClearSelection() {
  for (auto& row : rows_) {
    for (GridCell& cell : row) cell.state &= ~kCellSelected;
  }
  selectedRange_ = CellRange{};
}

void GridModel::UnmergeAll() {
  for (auto& row : rows_) {
    for (GridCell& cell : row) {
      cell.extendsRight = cell.extendsDown = cell.covered = false;
      cell.mergeValue = cell.rowSpan = cell.columnSpan = 0;
      cell.ownerRow = cell.ownerColumn = -1;
    }
  }
}

namespace {

std::vector<SavedBlock> SaveBlocks(const std::vector<std::vector<GridCell>>& rows) {
  std::vector<SavedBlock> blocks;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
      const GridCell& cell = rows[r][c];
      if (cell.OwnsSpan() || (!cell.covered && cell.mergeValue != 0)) {
        blocks.push_back({r, c, cell.rowSpan, cell.columnSpan, cell.mergeValue});
      }
    }
  }
  return blocks;
}

}  // namespace

int GridModel::InsertRow(const std::string& text, int before) {
  if (before < -1) return -1;
  const int row = (before == -1 || before > GetRowCount()) ? GetRowCount() : before;
  std::vector<SavedBlock> blocks = SaveBlocks(rows_);
  UnmergeAll();
  rows_.insert(rows_.begin() + row, std::vector<GridCell>(columnCount_));
  rowHeights_.insert(rowHeights_.begin() + row, defaultRowHeight_);
  if (columnCount_ > 0) rows_[row][0].text = text;
  // Blocks above the new row stay, blocks below move down, blocks it splits dissolve.
  for (SavedBlock& block : blocks) {
    if (block.row >= row) {
      ++block.row;
    } else if (block.row + block.rowSpan >= row) {
      continue;
    }
    MergeBlock(block.row, block.column, block.rowSpan, block.columnSpan, block.value);
  }
  ClearSelection();
  if (focus_.IsValid() && focus_.row >= row) ++focus_.row;
  return row;
}

bool GridModel::DeleteRow(int row) {
  if (row < 0 || row >= GetRowCount()) return false;
  std::vector<SavedBlock> blocks = SaveBlocks(rows_);
  UnmergeAll();
  rows_.erase(rows_.begin() + row);
  rowHeights_.erase(rowHeights_.begin() + row);
  if (row < fixedRows_) --fixedRows_;
  // Blocks above the row stay, blocks below move up, blocks that held it dissolve.
  for (SavedBlock& block : blocks) {
    if (block.row > row) {
      --block.row;
    } else if (block.row + block.rowSpan >= row) {
      continue;
    }
    MergeBlock(block.row, block.column, block.rowSpan, block.columnSpan, block.value);
  }
  ClearSelection();
  if (focus_.row == row) {
    focus_ = CellId{};
  } else if (focus_.row > row) {
    --focus_.row;
  }
  return true;
}

}  // namespace tablora
