#include "db/dialects/oracle_dialect.h"

#include "db/dialects/oracle_comments.h"
#include "model/sql_names.h"

namespace tablora {

std::string OracleDialect::Owner(const TableDesign& table) const { return OracleOwner(table); }

std::string OracleDialect::QualifiedName(const TableDesign& table) const {
  return "\"" + OracleIdentifier(Owner(table)) + "\".\"" + OracleIdentifier(table.actualName) +
         "\"";
}

std::string OracleDialect::FirstRows(const std::string& actualName, int count) const {
  const std::string text = "SELECT * FROM " + sql_names::Quoted(actualName, '"', '"');
  return count == kAllRows ? text : text + " WHERE rownum < " + std::to_string(count + 1);
}

std::string OracleDialect::DropTable(const TableDesign& table) const {
  return "DROP TABLE " + QualifiedName(table);
}

void OracleDialect::AppendComments(const std::vector<TableDesign>& tables, std::string& output,
                                   bool tablesOnly, bool forScript, int tableIndex) const {
  BuildOracleComments(tables, output, tablesOnly, tableIndex);
}

std::string OracleDialect::TableCommentsQuery(const std::string& owner,
                                              const std::string* oneTable) const {
  const std::string all =
      "SELECT TABLE_NAME as objname, COMMENTS as description FROM ALL_TAB_COMMENTS "
      "WHERE TABLE_TYPE='TABLE' ";
  if (oneTable == nullptr) return all;
  return all + "AND TABLE_NAME='" + sql_names::InsideLiteral(*oneTable) + "'";
}

std::string OracleDialect::ColumnCommentsQuery(const std::string& owner,
                                               const std::string& actualName) const {
  return "SELECT COLUMN_NAME as objname, COMMENTS FROM ALL_COL_COMMENTS WHERE TABLE_NAME='" +
         sql_names::InsideLiteral(actualName) + "'";
}

}  // namespace tablora
