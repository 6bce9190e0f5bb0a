#include "db/query/table_query.h"

#include "base/settings.h"
#include "db/dialects/sqlite_dialect.h"
#include "model/sql_names.h"

namespace tablora {

std::string TableQuery::Text(int databaseKind, const std::string& actualName, int count,
                             bool limitForm) {
  if (databaseKind == kOracle) {
    const std::string text = "SELECT * FROM " + sql_names::Quoted(actualName, '"', '"');
    return count == kAll ? text : text + " WHERE rownum < " + std::to_string(count + 1);
  }
  const std::string table =
      limitForm ? SqliteDialect::TableName(actualName) : sql_names::Bracketed(actualName);
  if (count == kAll) return "SELECT * FROM " + table;
  if (limitForm) return "SELECT * FROM " + table + " LIMIT " + std::to_string(count);
  return "SELECT TOP " + std::to_string(count) + " * FROM " + table;
}

}  // namespace tablora
