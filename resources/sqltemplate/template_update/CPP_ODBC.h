// $tablenameCN$ $tablecomment$
#include <sql.h>
#include <sqlext.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

#include "$tablename$.hpp"

#ifndef TABLORA_ODBC_CPP_HELPERS
#define TABLORA_ODBC_CPP_HELPERS
namespace tablora_odbc {

/// Thrown when an ODBC call fails; what() holds the call and the driver's message.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A statement handle that is freed when it goes out of scope.
class Statement {
 public:
  explicit Statement(SQLHDBC hdbc) {
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &handle_)))
      throw Error("SQLAllocHandle failed");
  }
  ~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, handle_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  operator SQLHSTMT() const { return handle_; }

  /// Throws with the first diagnostic record unless rc is a success (or SQL_NO_DATA).
  void Check(SQLRETURN rc, const char* call) const {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return;
    SQLCHAR state[6] = {0};
    SQLCHAR text[512] = {0};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLGetDiagRec(SQL_HANDLE_STMT, handle_, 1, state, &native, text, sizeof text, &length);
    throw Error(std::string(call) + ": [" + reinterpret_cast<char*>(state) + "] " +
                reinterpret_cast<char*>(text));
  }

 private:
  SQLHSTMT handle_ = SQL_NULL_HSTMT;
};

/// The SQL type a C buffer of this ODBC C type is sent as.
inline SQLSMALLINT SqlType(SQLSMALLINT cType) {
  switch (cType) {
    case SQL_C_SLONG: return SQL_INTEGER;
    case SQL_C_SSHORT: return SQL_SMALLINT;
    case SQL_C_UTINYINT: return SQL_TINYINT;
    case SQL_C_SBIGINT: return SQL_BIGINT;
    case SQL_C_BIT: return SQL_BIT;
    case SQL_C_FLOAT: return SQL_REAL;
    case SQL_C_DOUBLE: return SQL_DOUBLE;
    case SQL_C_BINARY: return SQL_VARBINARY;
    default: return SQL_VARCHAR;
  }
}

/// The length of a buffer's value: text up to its first zero byte (or the whole buffer),
/// binary data in full, 0 for fixed-size numbers.
inline SQLLEN Indicator(SQLSMALLINT cType, const void* buffer, std::size_t size) {
  if (cType == SQL_C_CHAR) {
    const void* end = std::memchr(buffer, 0, size);
    return end ? static_cast<const char*>(end) - static_cast<const char*>(buffer)
               : static_cast<SQLLEN>(size);
  }
  return cType == SQL_C_BINARY ? static_cast<SQLLEN>(size) : 0;
}

/// Binds one input parameter to a member of a record.
template <typename Member>
void BindParameter(const Statement& statement, SQLUSMALLINT number, SQLSMALLINT cType,
                   Member& member, SQLLEN& indicator) {
  indicator = Indicator(cType, &member, sizeof member);
  statement.Check(SQLBindParameter(statement, number, SQL_PARAM_INPUT, cType, SqlType(cType),
                                   sizeof member, 0, &member, sizeof member, &indicator),
                  "SQLBindParameter");
}

/// Runs a statement that returns no rows; the number of rows it changed.
inline SQLLEN Execute(const Statement& statement, const char* sql) {
  statement.Check(SQLExecDirect(statement, (SQLCHAR*)sql, SQL_NTS), "SQLExecDirect");
  SQLLEN rows = 0;
  SQLRowCount(statement, &rows);
  return rows;
}

}  // namespace tablora_odbc
#endif

/// Sends the fields of one $tablename$ record as the statement's parameters; the number of
/// rows changed. Throws tablora_odbc::Error when a call fails.
inline SQLLEN $funcionbegin$$tablename$$funcionend$(SQLHDBC hdbc, const $tablename$& row) {
  static const char sql[] = "$sqlselecttext$";
  $tablename$ $tablevariable$ = row;
  SQLLEN ind[] = {$begin$0,$end_block$};
  tablora_odbc::Statement statement(hdbc);
$begin$  tablora_odbc::BindParameter(statement, $increaseid$, $sqltype$, $tablevariable$.$field_struct_c$, ind[$increaseid0$]);
$end_block$
  return tablora_odbc::Execute(statement, sql);
}
