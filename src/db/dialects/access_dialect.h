#pragma once

#include "db/dialects/sql_server_dialect.h"

namespace tablora {

/// MS Access: MS SQL Server's names and TOP, but no existence query (the catalog tells), no
/// comment statements and no transaction around a table's replacement.
class AccessDialect : public SqlServerDialect {
 public:
  std::string ExistenceQuery(const TableDesign& table) const override { return {}; }
  bool HasComments() const override { return false; }
  void AppendComments(const std::vector<TableDesign>& tables, std::string& output, bool tablesOnly,
                      bool forScript, int tableIndex) const override {}
  std::string TableCommentsQuery(const std::string& owner,
                                 const std::string* oneTable) const override {
    return {};
  }
  std::string ColumnCommentsQuery(const std::string& owner,
                                  const std::string& actualName) const override {
    return {};
  }
  bool ReplacesInTransaction() const override { return false; }
};

}  // namespace tablora
