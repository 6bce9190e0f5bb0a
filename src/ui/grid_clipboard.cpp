#include "ui/grid_clipboard.h"

#include "base/gbk_text.h"

namespace tablora {

namespace {

bool Writable(const GridModel& model, int row, int column) {
  const GridCell* cell = model.Cell(row, column);
  return cell && cell->mergeValue == 0 && !(cell->state & kCellReadOnly) &&
         !model.IsFixed(row, column);
}

void WriteCell(GridModel& model, int row, int column, const std::string& text,
               const GridEditCallbacks& callbacks, bool unselect) {
  if (callbacks.beginEdit) callbacks.beginEdit(row, column);
  GridCell* cell = model.Cell(row, column);
  cell->text = text;
  cell->state |= kCellModified;
  if (unselect) cell->state &= ~kCellSelected;
  if (callbacks.endEdit) callbacks.endEdit(row, column, text);
}

}  // namespace

std::string GridClipboard::CopyText(const GridModel& model) {
  const CellRange& range = model.SelectedRange();
  if (!range.IsValid()) return {};
  std::string text;
  for (int r = range.minRow; r <= range.maxRow; ++r) {
    if (r > range.minRow) text += '\n';
    for (int c = range.minColumn; c <= range.maxColumn; ++c) {
      if (c > range.minColumn) text += '\t';
      const GridCell* cell = model.Cell(r, c);
      if (!cell || !(cell->state & kCellSelected)) continue;
      text += cell->text.empty() ? std::string(" ") : cell->text;
    }
  }
  return text;
}

std::vector<std::vector<std::string>> GridClipboard::SplitPasteText(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  // Tab and comma never occur inside a double-byte character of code page 936.
  const char separator = text.find('\t') != std::string::npos ? '\t' : ',';
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) line = " ";
    std::vector<std::string> pieces;
    std::size_t pieceStart = 0;
    for (;;) {
      const std::size_t cut = line.find(separator, pieceStart);
      pieces.push_back(gbk::Trim(line.substr(pieceStart, cut - pieceStart)));
      if (cut == std::string::npos) break;
      pieceStart = cut + 1;
    }
    rows.push_back(std::move(pieces));
  }
  return rows;
}

int GridClipboard::Paste(GridModel& model, const std::string& text,
                         const GridEditCallbacks& callbacks) {
  const CellId start = model.FocusCell();
  if (!model.IsValid(start.row, start.column)) return 0;
  int written = 0;
  const auto rows = SplitPasteText(text);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = start.row + static_cast<int>(i);
    if (row >= model.GetRowCount()) break;
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      const int column = start.column + static_cast<int>(j);
      if (!Writable(model, row, column)) continue;
      WriteCell(model, row, column, rows[i][j], callbacks, true);
      ++written;
    }
  }
  return written;
}

int GridClipboard::ClearSelected(GridModel& model, const GridEditCallbacks& callbacks) {
  const CellRange range = model.SelectedRange();
  if (!range.IsValid()) return 0;
  int changed = 0;
  for (int r = range.minRow; r <= range.maxRow; ++r) {
    for (int c = range.minColumn; c <= range.maxColumn; ++c) {
      const GridCell* cell = model.Cell(r, c);
      if (!cell || !(cell->state & kCellSelected) || !Writable(model, r, c)) continue;
      WriteCell(model, r, c, std::string(), callbacks, false);
      ++changed;
    }
  }
  return changed;
}

}  // namespace tablora
