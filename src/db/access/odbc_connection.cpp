#include "db/access/odbc_connection.h"

#include <sql.h>
#include <sqlext.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "base/text_codec.h"
#include "db/access/access_file_reader.h"
#include "db/access/connection_strings.h"
#include "db/access/odbc_environment.h"
#include "db/access/row_cursor.h"
#include "db/access/value_rules.h"

namespace tablora {

namespace {

/// Text as the drivers take it: UTF-8 (SQLite keeps it as it is, MDBTools is told so by the
/// environment, FreeTDS and MariaDB by the connection string).
std::string ToDriver(std::string_view text) { return TextCodec::Cp936ToUtf8(text); }

/// Text from a driver as the core's text. Bytes that are not UTF-8 (names and values a
/// code page 936 client once stored unconverted) are taken as they are.
std::string FromDriver(std::string_view text) {
  if (!TextCodec::IsUtf8(text)) return std::string(text);
  return TextCodec::Utf8ToCp936(text);
}

/// True for SQLite's "database is locked" answers (SQLITE_BUSY 5, SQLITE_LOCKED 6).
bool IsSqliteBusy(const std::string& source, SQLINTEGER native, const std::string& description) {
  if (source.find("[SQLite]") == std::string::npos) return false;
  return native == 5 || native == 6 || description.find("is locked") != std::string::npos;
}

/// The diagnostics of a handle. The bracketed prefix of a message is its source.
std::vector<DiagnosticRecord> Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  std::vector<DiagnosticRecord> records;
  if (handle == SQL_NULL_HANDLE) return records;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLCHAR state[6] = {0};
    SQLINTEGER native = 0;
    SQLCHAR message[2048] = {0};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(
            SQLGetDiagRec(type, handle, i, state, &native, message, sizeof message, &length)))
      break;
    DiagnosticRecord r;
    std::string text = FromDriver(reinterpret_cast<char*>(message));
    std::size_t p = 0;
    while (p < text.size() && text[p] == '[') {
      const std::size_t close = text.find(']', p);
      if (close == std::string::npos) break;
      p = close + 1;
    }
    r.source = text.substr(0, p);
    r.description = text.substr(p);
    if (IsSqliteBusy(r.source, native, r.description))
      r.description = LockedPrefix() + r.description;
    r.state = reinterpret_cast<char*>(state);
    r.native = native;
    records.push_back(std::move(r));
  }
  return records;
}

/// Reads one column's value of the current row as text; false on a driver failure.
bool ReadCell(SQLHSTMT st, SQLUSMALLINT column, bool binary, ResultCell& cell) {
  cell = ResultCell{};
  if (binary) {
    unsigned char probe[1];
    SQLLEN indicator = 0;
    const SQLRETURN rc = SQLGetData(st, column, SQL_C_BINARY, probe, 0, &indicator);
    cell.null = SQL_SUCCEEDED(rc) && indicator == SQL_NULL_DATA;
    return true;
  }
  char buffer[4096];
  for (;;) {
    SQLLEN indicator = 0;
    buffer[0] = 0;
    const SQLRETURN rc = SQLGetData(st, column, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
    if (rc == SQL_NO_DATA) {
      // MDBTools answers an OLE column read as text this way, leaving the buffer as it was.
      if (cell.null) cell.text = "[BLOB]";
      cell.null = false;
      return true;
    }
    if (!SQL_SUCCEEDED(rc)) return false;
    if (indicator == SQL_NULL_DATA) return true;
    cell.null = false;
    if (rc == SQL_SUCCESS_WITH_INFO &&
        (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof buffer))) {
      cell.text.append(buffer, sizeof buffer - 1);
      continue;
    }
    cell.text.append(buffer, indicator >= 0 ? static_cast<std::size_t>(indicator) : 0);
    cell.text = FromDriver(cell.text);
    return true;
  }
}

/// Describes the columns of a statement's result set into `columns`.
bool DescribeColumns(SQLHSTMT st, std::vector<ResultColumn>& columns) {
  SQLSMALLINT count = 0;
  if (!SQL_SUCCEEDED(SQLNumResultCols(st, &count))) return false;
  for (SQLSMALLINT c = 1; c <= count; ++c) {
    SQLCHAR name[512] = {0};
    SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    if (!SQL_SUCCEEDED(SQLDescribeCol(st, c, name, sizeof name, &nameLength, &sqlType, &size,
                                      &digits, &nullable)))
      return false;
    SQLCHAR typeName[128] = {0};
    SQLSMALLINT typeLength = 0;
    SQLColAttribute(st, c, SQL_DESC_TYPE_NAME, typeName, sizeof typeName, &typeLength, nullptr);
    SQLLEN autoUnique = SQL_FALSE;
    SQLColAttribute(st, c, SQL_DESC_AUTO_UNIQUE_VALUE, nullptr, 0, nullptr, &autoUnique);
    ResultColumn column;
    column.name = FromDriver(reinterpret_cast<char*>(name));
    column.sqlType = sqlType;
    column.adoType = ValueRules::AdoTypeOf(sqlType, FromDriver(reinterpret_cast<char*>(typeName)));
    column.definedSize = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
    column.autoIncrement = autoUnique == SQL_TRUE;
    columns.push_back(std::move(column));
  }
  return true;
}

/// Reads the fetched row's values; with `wanted` (bits by column number from 1) only those
/// columns' values are read, the others stay null.
bool ReadRow(SQLHSTMT st, const std::vector<ResultColumn>& columns, std::vector<ResultCell>& row,
             unsigned long long wanted = ~0ull) {
  row.assign(columns.size(), ResultCell{});
  for (std::size_t c = 0; c < columns.size(); ++c)
    if ((c >= 63 || (wanted & (1ull << (c + 1))) != 0) &&
        !ReadCell(st, static_cast<SQLUSMALLINT>(c + 1), ValueRules::IsBinary(columns[c].adoType),
                  row[c]))
      return false;
  return true;
}

/// Reads the columns and every row of a statement's result set.
bool ReadResult(SQLHSTMT st, ResultSet& out, unsigned long long wanted = ~0ull) {
  if (!DescribeColumns(st, out.columns)) return false;
  if (out.columns.empty()) return true;
  for (;;) {
    const SQLRETURN rc = SQLFetch(st);
    if (rc == SQL_NO_DATA) return true;
    if (!SQL_SUCCEEDED(rc)) return false;
    std::vector<ResultCell> row;
    if (!ReadRow(st, out.columns, row, wanted)) return false;
    out.rows.push_back(std::move(row));
  }
}

/// The rows of one statement, fetched as they are asked for.
class OdbcCursor : public RowCursor {
 public:
  OdbcCursor(SQLHSTMT st, std::vector<ResultColumn> columns) : st_(st) {
    columns_ = std::move(columns);
  }
  ~OdbcCursor() override { SQLFreeHandle(SQL_HANDLE_STMT, st_); }

  bool Next() override {
    if (failed_ || done_ || columns_.empty()) return false;
    const SQLRETURN rc = SQLFetch(st_);
    if (rc == SQL_NO_DATA) {
      done_ = true;
      return false;
    }
    if (!SQL_SUCCEEDED(rc)) return Fail();
    return true;
  }
  bool Read(std::vector<ResultCell>& row) override {
    if (failed_ || done_) return false;
    return ReadRow(st_, columns_, row) || Fail();
  }

 private:
  bool Fail() {
    failed_ = true;
    errors_ = Diagnostics(SQL_HANDLE_STMT, st_);
    return false;
  }

  SQLHSTMT st_;
  bool done_ = false;
};

SQLCHAR* Text(const std::string& text) {
  return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

/// Why the database file `path` cannot be opened, or empty when it is there.
std::string MissingFileProblem(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Cp936(u8"找不到数据库文件: ") + path;
    // There, but not to be reached (a folder that may not be searched, a link loop).
    return Cp936(u8"无法读取数据库文件: ") + path + " (" + std::strerror(errno) + ")";
  }
  if (S_ISDIR(st.st_mode)) return Cp936(u8"这是一个文件夹, 不是数据库文件: ") + path;
  return "";
}

}  // namespace

OdbcConnection::OdbcConnection(Prompts* prompts)
    : AdoConnection(prompts), environment_(OdbcEnvironment::Get()) {}

OdbcConnection::~OdbcConnection() { Close(); }

void OdbcConnection::Close() {
  if (connection_ == nullptr) return;
  SQLDisconnect(connection_);
  SQLFreeHandle(SQL_HANDLE_DBC, connection_);
  connection_ = nullptr;
}

bool OdbcConnection::Connect(const std::string& connectionString, int options) {
  if (!environment_) {
    errors_.push_back({"unixODBC refused an environment", "", 0, "Tablora"});
    return false;
  }
  const std::string effective =
      ConnectionStrings::WithUtf8Client(ConnectionStrings::WithSqliteDefaults(connectionString));
  // MDBTools fails a missing file with no diagnostic at all, SQLite with "connect failed":
  // tell it ourselves.
  const std::string accessFile = ConnectionStrings::AccessFile(effective);
  for (const std::string& file :
       {accessFile, ConnectionStrings::SqliteFileThatMustExist(effective)}) {
    const std::string problem = file.empty() ? "" : MissingFileProblem(file);
    if (!problem.empty()) {
      errors_.push_back({problem, "HY000", 0, "[Tablora]"});
      return false;
    }
  }
  // MDBTools says nothing of its own about an unreadable file, and a damaged one can
  // crash or hang it: the file is read in a child process first and refused with our own
  // message.
  if (!accessFile.empty()) {
    AccessFileSchema schema;
    std::string error;
    if (!AccessFileReader::Read(accessFile, schema, &error)) {
      errors_.push_back({error, "HY000", 0, "[Tablora]"});
      return false;
    }
  }
  SQLHDBC dbc = SQL_NULL_HDBC;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment_->handle(), &dbc))) {
    errors_ = Diagnostics(SQL_HANDLE_ENV, environment_->handle());
    return false;
  }
  SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(static_cast<SQLLEN>(loginTimeout_)), 0);
  SQLSMALLINT outLength = 0;
  const SQLRETURN rc = SQLDriverConnect(dbc, nullptr, Text(effective), SQL_NTS, nullptr, 0,
                                        &outLength, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    errors_ = Diagnostics(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    return false;
  }
  connection_ = dbc;
  return true;
}

bool OdbcConnection::Run(Call call, const std::string& text, ResultSet& out,
                         const std::string& schema) {
  out = ResultSet{};
  errors_.clear();
  if (connection_ == nullptr) return false;
  SQLHSTMT st = SQL_NULL_HSTMT;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection_, &st))) {
    errors_ = Diagnostics(SQL_HANDLE_DBC, connection_);
    return false;
  }
  const std::string driverText = ToDriver(text);
  const std::string driverSchema = ToDriver(schema);
  SQLCHAR* name = text.empty() ? nullptr : Text(driverText);
  const SQLSMALLINT length = text.empty() ? 0 : SQL_NTS;
  SQLCHAR* schemaName = schema.empty() ? nullptr : Text(driverSchema);
  const SQLSMALLINT schemaLength = schema.empty() ? 0 : SQL_NTS;
  SQLRETURN rc = SQL_ERROR;
  switch (call) {
    case Call::kQuery:
      rc = SQLExecDirect(st, Text(driverText), SQL_NTS);
      break;
    case Call::kTables:
      rc = SQLTables(st, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0);
      break;
    case Call::kColumns:
      rc = SQLColumns(st, nullptr, 0, nullptr, 0, name, length, nullptr, 0);
      break;
    case Call::kPrimaryKeys:
      rc = SQLPrimaryKeys(st, nullptr, 0, schemaName, schemaLength, name, length);
      break;
    case Call::kForeignKeys:
      rc = SQLForeignKeys(st, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0, schemaName,
                          schemaLength, name, length);
      break;
    case Call::kProcedures:
      rc = SQLProcedures(st, nullptr, 0, nullptr, 0, nullptr, 0);
      break;
  }
  bool ok = rc == SQL_NO_DATA || SQL_SUCCEEDED(rc);
  // Reading every cell of a catalog answer costs: the columns of SQLColumns that nobody
  // reads are left null (a schema of 100,000 columns answers in a third of the time).
  const unsigned long long wanted =
      call == Call::kColumns
          ? (1ull << 2) | (1ull << 3) | (1ull << 4) | (1ull << 11) | (1ull << 12) | (1ull << 13)
          : ~0ull;
  if (ok && rc != SQL_NO_DATA) ok = ReadResult(st, out, wanted);
  if (!ok) {
    errors_ = Diagnostics(SQL_HANDLE_STMT, st);
    out = ResultSet{};
  }
  SQLFreeHandle(SQL_HANDLE_STMT, st);
  return ok;
}

bool OdbcConnection::Query(const std::string& sql, ResultSet& out) {
  return Run(Call::kQuery, sql, out);
}
std::unique_ptr<RowCursor> OdbcConnection::OpenCursor(const std::string& sql) {
  errors_.clear();
  if (connection_ == nullptr || sql.empty()) return nullptr;
  SQLHSTMT st = SQL_NULL_HSTMT;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection_, &st))) {
    errors_ = Diagnostics(SQL_HANDLE_DBC, connection_);
    return nullptr;
  }
  const SQLRETURN rc = SQLExecDirect(st, Text(ToDriver(sql)), SQL_NTS);
  std::vector<ResultColumn> columns;
  if ((rc != SQL_NO_DATA && !SQL_SUCCEEDED(rc)) ||
      (rc != SQL_NO_DATA && !DescribeColumns(st, columns))) {
    errors_ = Diagnostics(SQL_HANDLE_STMT, st);
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    return nullptr;
  }
  return std::make_unique<OdbcCursor>(st, std::move(columns));
}

int OdbcConnection::ImpliedKind(const std::string& connectionString) {
  std::string sourceDriver;
  const std::string source = ConnectionStrings::Attribute(connectionString, "DSN");
  if (!source.empty() && ConnectionStrings::Attribute(connectionString, "Driver").empty()) {
    if (auto environment = OdbcEnvironment::Get())
      sourceDriver = environment->DataSourceDriver(source);
  }
  return ConnectionStrings::ImpliedKind(connectionString, sourceDriver);
}

bool OdbcConnection::Tables(ResultSet& out) { return Run(Call::kTables, "", out); }
bool OdbcConnection::Columns(const std::string& table, ResultSet& out) {
  return Run(Call::kColumns, table, out);
}
bool OdbcConnection::PrimaryKeys(const std::string& table, ResultSet& out) {
  return Run(Call::kPrimaryKeys, table, out);
}
bool OdbcConnection::ForeignKeys(const std::string& table, ResultSet& out) {
  return Run(Call::kForeignKeys, table, out);
}
bool OdbcConnection::PrimaryKeysOf(const std::string& schema, const std::string& table,
                                   ResultSet& out) {
  return Run(Call::kPrimaryKeys, table, out, schema);
}
bool OdbcConnection::ForeignKeysOf(const std::string& schema, const std::string& table,
                                   ResultSet& out) {
  return Run(Call::kForeignKeys, table, out, schema);
}
bool OdbcConnection::Procedures(ResultSet& out) { return Run(Call::kProcedures, "", out); }

std::string OdbcConnection::DbmsName() {
  if (connection_ == nullptr) return {};
  SQLCHAR name[256] = {0};
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(SQLGetInfo(connection_, SQL_DBMS_NAME, name, sizeof name, &length))) return {};
  return reinterpret_cast<char*>(name);
}

}  // namespace tablora
