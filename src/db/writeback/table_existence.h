#pragma once

#include <string>

#include "model/table_design.h"

namespace tablora {

class AdoConnection;
class Dialect;

/// Whether a design's table exists in the database, and how many rows it holds.
class TableExistence {
 public:
  enum class Result { kExists, kMissing, kUnknown };

  /// Asks the dialect's existence query when it has one (MS SQL Server's "dbo.sysobjects",
  /// falling back to the catalog when that query fails, as on a server of another make);
  /// the other kinds look the actual name up in the catalog (exact name, a table, the owner
  /// when the catalog gives one). kUnknown when neither answered; `error` then says why.
  static Result Check(AdoConnection& connection, const Dialect& dialect, const TableDesign& table,
                      std::string* error = nullptr);
  /// The number of rows the table holds (Dialect::CountRows); -1 when the database did not say.
  static long long RowCount(AdoConnection& connection, const Dialect& dialect,
                            const TableDesign& table);
  /// True when the catalog rows of SQLTables hold the table.
  static bool InCatalog(AdoConnection& connection, const Dialect& dialect, const TableDesign& table,
                        bool& found);
};

}  // namespace tablora
