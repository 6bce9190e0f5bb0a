#include "db/writeback/table_existence.h"

#include <cstdlib>

#include "base/gbk_text.h"
#include "db/access/ado_connection.h"
#include "db/dialects/dialect.h"
#include "db/dialects/sqlite_dialect.h"

namespace tablora {

long long TableExistence::RowCount(AdoConnection& connection, const Dialect& dialect,
                                   const TableDesign& table) {
  ResultSet rows;
  if (!connection.Query(dialect.CountRows(table), rows) || rows.rows.empty() || rows.IsNull(0, 0))
    return -1;
  const std::string& text = rows.Text(0, 0);
  char* end = nullptr;
  const long long count = std::strtoll(text.c_str(), &end, 10);
  return end == text.c_str() || count < 0 ? -1 : count;
}

bool TableExistence::InCatalog(AdoConnection& connection, const Dialect& dialect,
                               const TableDesign& table, bool& found) {
  found = false;
  ResultSet rows;
  if (!connection.Tables(rows)) return false;
  if (rows.rows.empty() && SqliteDialect::CannotRead(connection)) return false;
  const std::string owner = dialect.Owner(table);
  for (std::size_t r = 0; r < rows.rows.size(); ++r) {
    if (rows.Text(r, 2) != table.actualName) continue;
    if (!gbk::EqualsIgnoreCase(rows.Text(r, 3), "TABLE")) continue;
    // Databases without owners (SQLite, MS Access) leave the schema empty.
    const std::string& schema = rows.Text(r, 1);
    if (!schema.empty() && !gbk::EqualsIgnoreCase(schema, owner)) continue;
    found = true;
    return true;
  }
  return true;
}

TableExistence::Result TableExistence::Check(AdoConnection& connection, const Dialect& dialect,
                                             const TableDesign& table, std::string* error) {
  const std::string query = dialect.ExistenceQuery(table);
  if (!query.empty()) {
    ResultSet rows;
    if (connection.Query(query, rows)) {
      return rows.rows.empty() ? Result::kMissing : Result::kExists;
    }
    // Locked: the catalog would not know either.
    if (SaysLocked(connection.errors())) {
      if (error != nullptr) *error = connection.FirstError();
      return Result::kUnknown;
    }
  }
  bool found = false;
  if (InCatalog(connection, dialect, table, found)) {
    return found ? Result::kExists : Result::kMissing;
  }
  if (error != nullptr) *error = connection.FirstError();
  return Result::kUnknown;
}

}  // namespace tablora
