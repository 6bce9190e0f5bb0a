#include "app/result_grid_model.h"

#include <new>

#include "ui/grid_model.h"

namespace tablora {

void ResultGridModel::Clear() { model_.Clear(); }

bool ResultGridModel::Reserve(int rows, int columns) {
  model_.Clear();
  try {
    model_.SetColumnCount(columns);
    model_.SetRowCount(rows);
  } catch (const std::bad_alloc&) {
    model_.Clear();
    return false;
  }
  model_.SetFixedRowCount(1);
  model_.SetFixedColumnCount(1);
  return true;
}

void ResultGridModel::SetHeader(int column, const std::string& name) {
  model_.SetCell(0, column, kMaskText | kMaskFormat, name, kFormatLeft | kFormatWordBreak);
}

void ResultGridModel::SetText(int row, int column, std::string text) {
  if (GridCell* cell = model_.Cell(row, column)) cell->text = std::move(text);
}

}  // namespace tablora
