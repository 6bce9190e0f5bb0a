#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db/access/result_set.h"

namespace tablora {

class Prompts;
class RowCursor;

/// One entry of a driver's diagnostics: the message without its bracketed prefix, the
/// prefix ("[unixODBC][FreeTDS][SQL Server]") as its source, the SQL state and the native
/// error number. Texts are code page 936.
struct DiagnosticRecord {
  std::string description;
  std::string state;
  int native = 0;
  std::string source;
};

/// What a diagnostic's description starts with when the database was locked by another
/// connection ("数据库被锁定: ", code page 936).
const std::string& LockedPrefix();
/// True when one of `errors` says the database was locked.
bool SaysLocked(const std::vector<DiagnosticRecord>& errors);

/// One database connection. Every operation reports failure as its return value; only
/// Open tells the user (through the prompts, when given) why it failed. Result sets are
/// read whole into memory. The real connection is OdbcConnection; RecordingConnection
/// stands in for servers a test cannot reach.
class AdoConnection {
 public:
  /// Options callers pass: -1 when opening, 1 (command text) when executing.
  static constexpr int kUnspecified = -1;
  static constexpr int kCommandText = 1;

  explicit AdoConnection(Prompts* prompts = nullptr) : prompts_(prompts) {}
  virtual ~AdoConnection() = default;
  AdoConnection(const AdoConnection&) = delete;
  AdoConnection& operator=(const AdoConnection&) = delete;

  /// Stores a non-empty `connectionString` (empty keeps the stored one); fails quietly
  /// when none is stored; closes first when open. On failure shows two messages: the
  /// failure's description, then ErrorsText (or our own text when the driver gave none).
  bool Open(const std::string& connectionString, int options = kUnspecified);
  /// MS SQL Server through FreeTDS (ConnectionStrings::SqlServer).
  bool OpenSqlServer(const std::string& host, const std::string& database, const std::string& user,
                     const std::string& password, int options, bool integrated);
  /// An MS Access file through MDBTools (ConnectionStrings::Access).
  bool OpenAccess(const std::string& path, const std::string& password, int options);

  /// Runs `sql` and reads its rows whole; null on any failure (nothing is shown).
  /// A statement without rows gives an empty result set.
  std::unique_ptr<ResultSet> Execute(const std::string& sql, int options = kCommandText);

  virtual bool IsOpen() const = 0;
  /// Closes when open; failures are swallowed.
  virtual void Close() = 0;
  void Release() { Close(); }

  /// One block "Description: %s\r\nState: %s, Native: %d, Source: %s\r\n" per diagnostic
  /// of the last failed operation, concatenated; empty when there were none.
  std::string ErrorsText() const { return ErrorsText(errors_); }
  static std::string ErrorsText(const std::vector<DiagnosticRecord>& errors);
  const std::vector<DiagnosticRecord>& errors() const { return errors_; }
  /// The first diagnostic of the last failure ("description (state)"), or ErrorsText().
  std::string FirstError() const;

  const std::string& connectionString() const { return connectionString_; }
  /// The data-link route stores its string here directly.
  void setConnectionString(const std::string& text) { connectionString_ = text; }
  void setPrompts(Prompts* prompts) { prompts_ = prompts; }

  /// Runs `sql` into `out`; false on failure (errors() tells why).
  virtual bool Query(const std::string& sql, ResultSet& out) = 0;
  /// Runs `sql` and hands its rows over one at a time; null when it cannot be run (errors()
  /// tells why). The statement stays open until the cursor is destroyed, which must happen
  /// before the connection closes. This one reads the result whole first.
  virtual std::unique_ptr<RowCursor> OpenCursor(const std::string& sql);

  /// The catalog: the standard result sets of the ODBC catalog calls, columns by position
  /// (SQLTables: 3 TABLE_NAME, 4 TABLE_TYPE, 5 REMARKS; SQLColumns: 3 TABLE_NAME,
  /// 4 COLUMN_NAME, 5 DATA_TYPE, 6 TYPE_NAME, 7 COLUMN_SIZE, 11 NULLABLE, 12 REMARKS,
  /// 13 COLUMN_DEF; SQLPrimaryKeys: 4 COLUMN_NAME, 5 KEY_SEQ, 6 PK_NAME; SQLForeignKeys:
  /// 3 PKTABLE_NAME, 4 PKCOLUMN_NAME, 7 FKTABLE_NAME, 8 FKCOLUMN_NAME, 9 KEY_SEQ,
  /// 12 FK_NAME; positions counted from 1). Table names are search patterns: filter rows
  /// by exact name. An empty `table` in Columns means every table. Columns reads only
  /// TABLE_SCHEM, TABLE_NAME, COLUMN_NAME, NULLABLE, REMARKS and COLUMN_DEF; its other cells
  /// are null.
  virtual bool Tables(ResultSet& out) = 0;
  virtual bool Columns(const std::string& table, ResultSet& out) = 0;
  virtual bool PrimaryKeys(const std::string& table, ResultSet& out) = 0;
  virtual bool ForeignKeys(const std::string& table, ResultSet& out) = 0;
  virtual bool Procedures(ResultSet& out) = 0;
  /// PrimaryKeys and ForeignKeys of the table of that name in `schema` (where two schemas
  /// hold a table of one name); by default the schema is not given to the driver.
  virtual bool PrimaryKeysOf(const std::string& schema, const std::string& table, ResultSet& out) {
    return PrimaryKeys(table, out);
  }
  virtual bool ForeignKeysOf(const std::string& schema, const std::string& table, ResultSet& out) {
    return ForeignKeys(table, out);
  }

  /// The product name the driver gives for the database ("SQLite", "Microsoft SQL
  /// Server"); empty when it gives none or the connection is closed.
  virtual std::string DbmsName() { return {}; }

 protected:
  /// Opens with `connectionString`; on failure fills errors_ and returns false.
  virtual bool Connect(const std::string& connectionString, int options) = 0;

  std::vector<DiagnosticRecord> errors_;

 private:
  Prompts* prompts_;
  std::string connectionString_;
};

}  // namespace tablora
