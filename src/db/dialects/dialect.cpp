#include "db/dialects/dialect.h"

#include "base/settings.h"
#include "db/dialects/access_dialect.h"
#include "db/dialects/oracle_dialect.h"
#include "db/dialects/sql_server_dialect.h"
#include "db/dialects/sqlite_dialect.h"

namespace tablora {

namespace {

/// A kind the program has no dialect for (the settings may list more kinds): MS SQL
/// Server's names and queries, without its comments and its transaction.
class OtherKindDialect : public AccessDialect {
 public:
  std::string ExistenceQuery(const TableDesign& table) const override {
    return SqlServerDialect::ExistenceQuery(table);
  }
};

}  // namespace

const Dialect& Dialect::For(int databaseKind, bool sqliteServer) {
  static const SqlServerDialect sqlServer;
  static const AccessDialect access;
  static const OracleDialect oracle;
  static const SqliteDialect sqlite;
  static const OtherKindDialect other;
  if (databaseKind == kOracle) return oracle;
  if (sqliteServer) return sqlite;
  if (databaseKind == kAccess) return access;
  return databaseKind == kSqlServer ? sqlServer : other;
}

std::string Dialect::CountRows(const TableDesign& table) const {
  return "SELECT COUNT(*) FROM " + QualifiedName(table);
}

}  // namespace tablora
