#include "db/access/row_cursor.h"

namespace tablora {

ResultSetCursor::ResultSetCursor(ResultSet result) : rows_(std::move(result.rows)) {
  columns_ = std::move(result.columns);
}

bool ResultSetCursor::Next() {
  if (next_ >= rows_.size()) return false;
  ++next_;
  return true;
}

bool ResultSetCursor::Read(std::vector<ResultCell>& row) {
  if (next_ == 0 || next_ > rows_.size()) return false;
  row = std::move(rows_[next_ - 1]);
  return true;
}

}  // namespace tablora
