#pragma once

#include <string>
#include <vector>

#include "model/table_design.h"

namespace tablora {

/// Where the kinds of database differ in the SQL Tablora sends them: how a statement names a
/// table, how the first rows of a table are read, how a table's existence is asked, the
/// comment statements, and whether a table is replaced inside a transaction. The import,
/// the write-back, the query window and the existence check ask the dialect instead of the
/// kind. Texts are code page 936.
class Dialect {
 public:
  /// FirstRows reading every row.
  static constexpr int kAllRows = -1;

  virtual ~Dialect() = default;

  /// The dialect of `databaseKind` (kSqlServer, kAccess, kOracle; another kind speaks MS SQL
  /// Server without comments and transaction); `sqliteServer` when the server behind the
  /// connection is SQLite (SqliteDialect::IsSqlite), which any kind but Oracle may reach
  /// through a connection string.
  static const Dialect& For(int databaseKind, bool sqliteServer = false);

  /// The owner statements name the table with.
  virtual std::string Owner(const TableDesign& table) const = 0;
  /// The table as a statement names it, with its owner where the kind has owners.
  virtual std::string QualifiedName(const TableDesign& table) const = 0;
  /// The query for the first `count` rows (1, 10, ...) or kAllRows of the table named
  /// `actualName` (no owner).
  virtual std::string FirstRows(const std::string& actualName, int count) const = 0;
  /// The query that answers one row when the table exists; empty where only the catalog
  /// knows (SQLTables).
  virtual std::string ExistenceQuery(const TableDesign& table) const { return {}; }
  /// The statement that drops the table.
  virtual std::string DropTable(const TableDesign& table) const = 0;
  /// "SELECT COUNT(*) FROM " and the qualified name.
  std::string CountRows(const TableDesign& table) const;

  /// True for the kinds with comment statements.
  virtual bool HasComments() const { return false; }
  /// Appends the comment statements of every table (`tableIndex` -1) or of one table to
  /// `output`; `forScript` when they go into a script file the user runs.
  virtual void AppendComments(const std::vector<TableDesign>& tables, std::string& output,
                              bool tablesOnly, bool forScript, int tableIndex) const {}
  /// True when each comment statement ends with a ";" the driver must not be sent.
  virtual bool CommentsEndWithSemicolon() const { return false; }
  /// The query whose rows ("objname", "description") hold the table comments of `owner`'s
  /// tables, or of the one table `oneTable` names (nullptr: all of them); empty for the kinds
  /// without comments.
  virtual std::string TableCommentsQuery(const std::string& owner,
                                         const std::string* oneTable) const {
    return {};
  }
  /// The query whose rows ("objname", "COMMENTS") hold the column comments of a table.
  virtual std::string ColumnCommentsQuery(const std::string& owner,
                                          const std::string& actualName) const {
    return {};
  }
  /// True when comments are read owner by owner, so that a name two owners hold takes the
  /// comments of its own owner.
  virtual bool CommentsByOwner() const { return false; }

  /// True when a table is dropped and created again inside one transaction.
  virtual bool ReplacesInTransaction() const { return false; }
  /// Turns a new table's MS SQL Server texts (its CREATE TABLE and the batches after it, as
  /// the table editor writes them) into what this kind runs; they stay as they are by default.
  virtual void AdaptTableScript(std::string& create, std::vector<std::string>& batches) const {}
};

}  // namespace tablora
