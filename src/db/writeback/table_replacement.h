#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

class AdoConnection;
class Dialect;

/// Replaces one table of a database by the design's version: the drop of the old table,
/// the CREATE TABLE text of the table editor and its extra statements (split into batches
/// at "GO" lines). Where the database undoes DDL (MS SQL Server, and SQLite reached through
/// an ODBC connection string) every step runs in one transaction that is rolled back when
/// a step fails.
class TableReplacement {
 public:
  enum class Step { kBegin, kDrop, kCreate, kExtra, kCommit };

  struct Statement {
    Step step;
    std::string sql;
  };

  /// How the replacement ended.
  struct Outcome {
    bool ok = false;
    Step failedStep = Step::kBegin;
    std::string error;        ///< the provider's text of the failure (code page 936)
    bool rolledBack = false;  ///< the failed steps were undone: the database is as before
    bool dropped = false;     ///< the old table is gone and nothing undid its drop
  };

  /// The batches of `text` (line feeds only): split at every line that holds only "GO"
  /// (any case, spaces around it), each batch trimmed, empty ones left out.
  static std::vector<std::string> Batches(const std::string& text);

  /// The statements in the order they are sent, inside a transaction where the dialect
  /// replaces tables in one. `exists` adds the drop; the dialect adapts the MS SQL Server
  /// texts (Dialect::AdaptTableScript).
  static std::vector<Statement> Plan(const Dialect& dialect, const TableDesign& table,
                                     const std::string& tableText,
                                     const std::string& extraStatements, bool exists);

  /// Sends `plan` to `connection`, stopping at the first failure (rolled back when the plan
  /// began a transaction).
  static Outcome Run(AdoConnection& connection, const std::vector<Statement>& plan);
};

}  // namespace tablora
