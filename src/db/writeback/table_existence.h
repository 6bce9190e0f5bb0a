#pragma once

#include <string>

#include "model/table_design.h"

namespace tablora {

class AdoConnection;

/// Whether a design's table exists in the database, and the names it is dropped by.
class TableExistence {
 public:
  enum class Result { kExists, kMissing, kUnknown };

  /// MS SQL Server asks "dbo.sysobjects" for the owner and actual name (and falls back to
  /// the catalog when that query fails, as on a server of another make); the other kinds
  /// look the actual name up in the catalog (exact name, a table, the owner when the
  /// catalog gives one). kUnknown when neither answered; `error` then says why.
  static Result Check(AdoConnection& connection, int databaseKind, const TableDesign& table,
                      std::string* error = nullptr);

  /// The query MS SQL Server answers with one row when the table exists.
  static std::string SqlServerQuery(const TableDesign& table);
  /// "drop table [owner].[name]" for MS SQL Server (and other kinds but Oracle), or
  /// DROP TABLE "owner"."name" for Oracle.
  static std::string DropStatement(int databaseKind, const TableDesign& table);

  /// The statement that counts the table's rows: [owner].[name] for MS SQL Server, the
  /// bare name for SQLite (`sqlite`), "OWNER"."NAME" for Oracle.
  static std::string CountStatement(int databaseKind, bool sqlite, const TableDesign& table);
  /// The number of rows the table holds; -1 when the database did not say.
  static long long RowCount(AdoConnection& connection, int databaseKind, bool sqlite,
                            const TableDesign& table);

  /// True when the catalog rows of SQLTables hold the table.
  static bool InCatalog(AdoConnection& connection, int databaseKind, const TableDesign& table,
                        bool& found);
};

}  // namespace tablora
