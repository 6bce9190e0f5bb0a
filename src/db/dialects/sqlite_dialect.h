#pragma once

#include <string>
#include <vector>

#include "db/dialects/sql_server_dialect.h"

namespace tablora {

class AdoConnection;

/// Turns the MS SQL Server text of a table (as the table editor writes it) into statements
/// SQLite accepts, for databases reached through an ODBC connection string: SQLite has no
/// owners, file groups, clustered keys or identity clauses, and cannot add constraints to
/// an existing table, so the constraints of "ALTER TABLE ... ADD" go into the CREATE TABLE.
/// SQLite is reached as MS SQL Server otherwise: its comments, its existence query (which
/// fails, so the catalog answers) and its transaction.
class SqliteDialect : public SqlServerDialect {
 public:
  /// The bare table name (TableName), without owner.
  std::string QualifiedName(const TableDesign& table) const override;
  /// "SELECT * FROM [%s] LIMIT %d" ("SELECT * FROM [%s]" for all rows); the name as TableName.
  std::string FirstRows(const std::string& actualName, int count) const override;
  /// MS SQL Server's drop, adapted.
  std::string DropTable(const TableDesign& table) const override;
  /// Both texts adapted; the constraints that the batches add go into the CREATE TABLE and
  /// those batches are left out.
  void AdaptTableScript(std::string& create, std::vector<std::string>& batches) const override;

  /// True when a driver's DBMS name is SQLite's.
  static bool IsSqlite(const std::string& dbmsName);
  /// True when the connection reaches a SQLite file it cannot read: a locked file lists no
  /// tables rather than failing, so its own catalog is asked.
  static bool CannotRead(AdoConnection& connection);

  /// `text` without owners before table names ("[dbo].[t]" gives "[t]"), "ON [PRIMARY]",
  /// "CLUSTERED", "NONCLUSTERED", "WITH NOCHECK" and "IDENTITY (seed, increment)"; a name
  /// holding "]" ("[a]]b]") is written "a]b" in double quotes, which SQLite reads.
  static std::string Adapt(const std::string& text);

  /// `name` as a table name in a statement for SQLite (and other drivers without TOP):
  /// [name], or "name" in double quotes when it holds "]".
  static std::string TableName(const std::string& name);

  /// The constraint list of an "ALTER TABLE name [WITH NOCHECK] ADD CONSTRAINT ..." batch
  /// (or one adding a bare PRIMARY KEY, FOREIGN KEY, UNIQUE or CHECK), without the final
  /// line breaks; false for any other batch.
  static bool ConstraintList(const std::string& batch, std::string& list);

  /// `create` with each of `constraintLists` put before its closing parenthesis.
  static std::string WithConstraints(const std::string& create,
                                     const std::vector<std::string>& constraintLists);
};

}  // namespace tablora
