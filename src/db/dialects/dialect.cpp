#include "db/dialects/dialect.h"

#include "base/settings.h"
#include "db/dialects/access_dialect.h"
#include "db/dialects/oracle_dialect.h"
#include "db/dialects/sql_server_dialect.h"
#include "db/dialects/sqlite_dialect.h"

namespace tablora {

const Dialect& Dialect::For(int databaseKind, bool sqliteServer) {
  static const SqlServerDialect sqlServer;
  static const AccessDialect access;
  static const OracleDialect oracle;
  static const SqliteDialect sqlite;
  if (databaseKind == kOracle) return oracle;
  if (sqliteServer) return sqlite;
  if (databaseKind == kAccess) return access;
  return sqlServer;
}

std::string Dialect::CountRows(const TableDesign& table) const {
  return "SELECT COUNT(*) FROM " + QualifiedName(table);
}

}  // namespace tablora
