#pragma once

#include "db/dialects/dialect.h"

namespace tablora {

/// Oracle: "OWNER"."NAME" in double quotes (owner "SYSTEM" for none or "dbo"), rownum for the
/// first rows, COMMENT ON statements ending with ";", the catalog for existence.
class OracleDialect : public Dialect {
 public:
  std::string Owner(const TableDesign& table) const override;
  std::string QualifiedName(const TableDesign& table) const override;
  /// "SELECT * FROM \"%s\" WHERE rownum < %d" with count + 1 (no WHERE for all rows).
  std::string FirstRows(const std::string& actualName, int count) const override;
  /// DROP TABLE "owner"."name".
  std::string DropTable(const TableDesign& table) const override;
  bool HasComments() const override { return true; }
  void AppendComments(const std::vector<TableDesign>& tables, std::string& output, bool tablesOnly,
                      bool forScript, int tableIndex) const override;
  bool CommentsEndWithSemicolon() const override { return true; }
  /// ALL_TAB_COMMENTS, whatever the owner.
  std::string TableCommentsQuery(const std::string& owner,
                                 const std::string* oneTable) const override;
  /// ALL_COL_COMMENTS by table name, whatever the owner.
  std::string ColumnCommentsQuery(const std::string& owner,
                                  const std::string& actualName) const override;
};

}  // namespace tablora
