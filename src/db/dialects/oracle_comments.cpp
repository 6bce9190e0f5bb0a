#include "db/dialects/oracle_comments.h"

#include "base/gbk_text.h"
#include "model/sql_server_comments.h"

namespace tablora {

std::string OracleOwner(const TableDesign& table) {
  if (table.owner.empty() || gbk::EqualsIgnoreCase(table.owner, "dbo")) return "SYSTEM";
  return table.owner;
}

std::string OracleIdentifier(const std::string& name) {
  return gbk::ReplaceAll(name, "\"", "\"\"");
}

void BuildOracleComments(const std::vector<TableDesign>& tables, std::string& output,
                         bool tablesOnly, int tableIndex, OracleNameCase nameCase) {
  for (const TableDesign* t : CommentedTables(tables, tableIndex)) {
    const TableDesign& table = *t;
    const std::string tableName =
        "\"" + OracleIdentifier(OracleOwner(table)) + "\".\"" +
        OracleIdentifier(nameCase.upperTables ? gbk::ToUpperAscii(table.actualName)
                                              : table.actualName) +
        "\"";
    output += "COMMENT ON TABLE " + tableName + " IS '" +
              gbk::ReplaceAll(TableCommentText(table), "'", "''") + "';\n";
    if (tablesOnly) continue;
    for (const ColumnDesign& column : table.columns) {
      const std::string columnName =
          nameCase.upperColumns ? gbk::ToUpperAscii(column.actualName) : column.actualName;
      output += "COMMENT ON COLUMN " + tableName + ".\"" + OracleIdentifier(columnName) +
                "\" IS '" + gbk::ReplaceAll(ColumnCommentText(column), "'", "''") + "';\n";
    }
    output += "\n\n";
  }
}

}  // namespace tablora
