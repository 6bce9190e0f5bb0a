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

}  // namespace tablora
