#include "db/writeback/table_existence.h"

#include <cstdlib>

#include "base/gbk_text.h"
#include "base/settings.h"
#include "db/access/ado_connection.h"
#include "db/dialects/oracle_comments.h"
#include "db/dialects/sqlite_dialect.h"
#include "model/sql_names.h"

namespace tablora {

namespace {

std::string SqlServerOwner(const TableDesign& table) {
  return table.owner.empty() ? "dbo" : table.owner;
}

/// "[owner].[table]", each "]" inside doubled.
std::string SqlServerName(const TableDesign& table) {
  return sql_names::Bracketed(SqlServerOwner(table)) + "." + sql_names::Bracketed(table.actualName);
}

}  // namespace

std::string TableExistence::SqlServerQuery(const TableDesign& table) {
  return "select * from dbo.sysobjects where id = object_id(N'" +
         sql_names::InsideLiteral(SqlServerName(table)) +
         "') and OBJECTPROPERTY(id, N'IsUserTable') = 1";
}

std::string TableExistence::DropStatement(int databaseKind, const TableDesign& table) {
  if (databaseKind == kOracle) {
    return "DROP TABLE \"" + OracleIdentifier(OracleOwner(table)) + "\".\"" +
           OracleIdentifier(table.actualName) + "\"";
  }
  return "drop table " + SqlServerName(table);
}

std::string TableExistence::CountStatement(int databaseKind, bool sqlite,
                                           const TableDesign& table) {
  std::string name = SqlServerName(table);
  if (databaseKind == kOracle) {
    name = "\"" + OracleIdentifier(OracleOwner(table)) + "\".\"" +
           OracleIdentifier(table.actualName) + "\"";
  } else if (sqlite) {
    name = SqliteDialect::TableName(table.actualName);
  }
  return "SELECT COUNT(*) FROM " + name;
}

long long TableExistence::RowCount(AdoConnection& connection, int databaseKind, bool sqlite,
                                   const TableDesign& table) {
  ResultSet rows;
  if (!connection.Query(CountStatement(databaseKind, sqlite, table), rows) || rows.rows.empty() ||
      rows.IsNull(0, 0))
    return -1;
  const std::string& text = rows.Text(0, 0);
  char* end = nullptr;
  const long long count = std::strtoll(text.c_str(), &end, 10);
  return end == text.c_str() || count < 0 ? -1 : count;
}

bool TableExistence::InCatalog(AdoConnection& connection, int databaseKind,
                               const TableDesign& table, bool& found) {
  found = false;
  ResultSet rows;
  if (!connection.Tables(rows)) return false;
  // A locked SQLite file lists no tables at all rather than failing: ask it for something.
  ResultSet probe;
  if (rows.rows.empty() && SqliteDialect::IsSqlite(connection.DbmsName()) &&
      !connection.Query("SELECT COUNT(*) FROM sqlite_master", probe))
    return false;
  const std::string owner = databaseKind == kOracle ? OracleOwner(table) : SqlServerOwner(table);
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

TableExistence::Result TableExistence::Check(AdoConnection& connection, int databaseKind,
                                             const TableDesign& table, std::string* error) {
  if (databaseKind != kOracle && databaseKind != kAccess) {
    ResultSet rows;
    if (connection.Query(SqlServerQuery(table), rows)) {
      return rows.rows.empty() ? Result::kMissing : Result::kExists;
    }
    // Locked: the catalog would not know either.
    if (SaysLocked(connection.errors())) {
      if (error != nullptr) *error = connection.FirstError();
      return Result::kUnknown;
    }
  }
  bool found = false;
  if (InCatalog(connection, databaseKind, table, found)) {
    return found ? Result::kExists : Result::kMissing;
  }
  if (error != nullptr) *error = connection.FirstError();
  return Result::kUnknown;
}

}  // namespace tablora
