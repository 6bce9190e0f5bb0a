#pragma once

#include "db/dialects/dialect.h"

namespace tablora {

/// MS SQL Server: [bracketed] names under their owner ("dbo" when none), TOP, the
/// "dbo.sysobjects" existence query, extended-property comments and a transaction around
/// a table's replacement.
class SqlServerDialect : public Dialect {
 public:
  std::string Owner(const TableDesign& table) const override;
  /// "[owner].[name]", each "]" inside doubled.
  std::string QualifiedName(const TableDesign& table) const override;
  /// "SELECT TOP %d * FROM [%s]" ("SELECT * FROM [%s]" for all rows).
  std::string FirstRows(const std::string& actualName, int count) const override;
  std::string ExistenceQuery(const TableDesign& table) const override;
  /// "drop table [owner].[name]".
  std::string DropTable(const TableDesign& table) const override;
  bool HasComments() const override { return true; }
  /// The extended-property statements; a script file gets a "GO" after each table's.
  void AppendComments(const std::vector<TableDesign>& tables, std::string& output, bool tablesOnly,
                      bool forScript, int tableIndex) const override;
  /// The extended properties "MS_Description" of the owner's tables.
  std::string TableCommentsQuery(const std::string& owner,
                                 const std::string* oneTable) const override;
  std::string ColumnCommentsQuery(const std::string& owner,
                                  const std::string& actualName) const override;
  bool CommentsByOwner() const override { return true; }
  bool ReplacesInTransaction() const override { return true; }
};

}  // namespace tablora
