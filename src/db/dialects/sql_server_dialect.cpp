#include "db/dialects/sql_server_dialect.h"

#include "model/sql_names.h"
#include "model/sql_server_comments.h"

namespace tablora {

std::string SqlServerDialect::Owner(const TableDesign& table) const {
  return table.owner.empty() ? "dbo" : table.owner;
}

std::string SqlServerDialect::QualifiedName(const TableDesign& table) const {
  return sql_names::Bracketed(Owner(table)) + "." + sql_names::Bracketed(table.actualName);
}

std::string SqlServerDialect::FirstRows(const std::string& actualName, int count) const {
  const std::string table = sql_names::Bracketed(actualName);
  if (count == kAllRows) return "SELECT * FROM " + table;
  return "SELECT TOP " + std::to_string(count) + " * FROM " + table;
}

std::string SqlServerDialect::ExistenceQuery(const TableDesign& table) const {
  return "select * from dbo.sysobjects where id = object_id(N'" +
         sql_names::InsideLiteral(QualifiedName(table)) +
         "') and OBJECTPROPERTY(id, N'IsUserTable') = 1";
}

std::string SqlServerDialect::DropTable(const TableDesign& table) const {
  return "drop table " + QualifiedName(table);
}

void SqlServerDialect::AppendComments(const std::vector<TableDesign>& tables, std::string& output,
                                      bool tablesOnly, bool forScript, int tableIndex) const {
  BuildSqlServerComments(tables, output, tablesOnly, forScript, tableIndex);
}

std::string SqlServerDialect::TableCommentsQuery(const std::string& owner,
                                                 const std::string* oneTable) const {
  std::string sql =
      "SELECT  objname, cast(value as varchar(255)) as description FROM  "
      "::fn_listextendedproperty (N'MS_Description', N'user', N'" +
      sql_names::InsideLiteral(owner) + "', N'table', default, null, null)";
  if (oneTable != nullptr) sql += " WHERE objname='" + sql_names::InsideLiteral(*oneTable) + "'";
  return sql;
}

std::string SqlServerDialect::ColumnCommentsQuery(const std::string& owner,
                                                  const std::string& actualName) const {
  return "SELECT  objname, cast(value as varchar(255)) as COMMENTS FROM   "
         "::fn_listextendedproperty (N'MS_Description', N'user', N'" +
         sql_names::InsideLiteral(owner) + "', N'table', N'" +
         sql_names::InsideLiteral(actualName) + "', N'column', default)";
}

}  // namespace tablora
