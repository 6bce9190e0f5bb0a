#pragma once

#include <string>
#include <vector>

namespace tablora {

/// Turns the MS SQL Server text of a table (as the table editor writes it) into statements
/// SQLite accepts, for databases reached through an ODBC connection string: SQLite has no
/// owners, file groups, clustered keys or identity clauses, and cannot add constraints to
/// an existing table, so the constraints of "ALTER TABLE ... ADD" go into the CREATE TABLE.
class SqliteDialect {
 public:
  /// True when a driver's DBMS name is SQLite's.
  static bool IsSqlite(const std::string& dbmsName);

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
