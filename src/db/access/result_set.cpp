#include "db/access/result_set.h"

#include "base/gbk_text.h"

namespace tablora {

int ResultSet::ColumnIndex(const std::string& name) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (gbk::EqualsIgnoreCase(columns[i].name, name)) return static_cast<int>(i);
  return -1;
}

const std::string& ResultSet::Text(std::size_t row, int column) const {
  static const std::string empty;
  if (row >= rows.size() || column < 0 || static_cast<std::size_t>(column) >= rows[row].size())
    return empty;
  return rows[row][column].text;
}

bool ResultSet::IsNull(std::size_t row, int column) const {
  if (row >= rows.size() || column < 0 || static_cast<std::size_t>(column) >= rows[row].size())
    return true;
  return rows[row][column].null;
}

}  // namespace tablora
