#include "support/odbc_test_connection.h"

#include <sql.h>
#include <sqlext.h>

#include <cstdlib>

namespace tablora::testing {

namespace {

std::string Diagnostic(SQLSMALLINT type, SQLHANDLE handle) {
  SQLCHAR state[6] = {0};
  SQLCHAR text[1024] = {0};
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  if (!SQL_SUCCEEDED(SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &length))) {
    return "no diagnostic";
  }
  return std::string(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(text);
}

}  // namespace

OdbcTestConnection::OdbcTestConnection() {
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_);
  SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
}

OdbcTestConnection::~OdbcTestConnection() {
  if (connected_) SQLDisconnect(dbc_);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
  SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

bool OdbcTestConnection::HasDriver(const std::string& name) {
  return std::system(("odbcinst -q -d 2>/dev/null | grep -qx '\\[" + name + "\\]'").c_str()) == 0;
}

bool OdbcTestConnection::Connect(const std::string& connectionString) {
  SQLSetConnectAttr(dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(5), 0);
  SQLCHAR out[1024];
  SQLSMALLINT outLength = 0;
  const SQLRETURN rc = SQLDriverConnect(dbc_, nullptr, (SQLCHAR*)connectionString.c_str(), SQL_NTS,
                                        out, sizeof out, &outLength, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    error_ = Diagnostic(SQL_HANDLE_DBC, dbc_);
    return false;
  }
  connected_ = true;
  return true;
}

bool OdbcTestConnection::Execute(const std::string& sql) { return Run(sql, nullptr); }

bool OdbcTestConnection::Query(const std::string& sql,
                               std::vector<std::vector<std::string>>& rows) {
  rows.clear();
  return Run(sql, &rows);
}

bool OdbcTestConnection::Run(const std::string& sql, std::vector<std::vector<std::string>>* rows) {
  SQLHSTMT stmt = SQL_NULL_HSTMT;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt))) {
    error_ = Diagnostic(SQL_HANDLE_DBC, dbc_);
    return false;
  }
  SQLRETURN rc = SQLExecDirect(stmt, (SQLCHAR*)sql.c_str(), SQL_NTS);
  bool ok = SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA;
  if (!ok) error_ = Diagnostic(SQL_HANDLE_STMT, stmt);
  if (ok && rows != nullptr) {
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    while (SQL_SUCCEEDED(rc = SQLFetch(stmt))) {
      std::vector<std::string> row;
      for (SQLUSMALLINT c = 1; c <= columns; ++c) {
        char buffer[4096];
        SQLLEN indicator = 0;
        SQLGetData(stmt, c, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
        row.push_back(indicator == SQL_NULL_DATA ? "<null>" : std::string(buffer));
      }
      rows->push_back(std::move(row));
    }
    if (rc != SQL_NO_DATA) {
      error_ = Diagnostic(SQL_HANDLE_STMT, stmt);
      ok = false;
    }
  }
  SQLFreeHandle(SQL_HANDLE_STMT, stmt);
  return ok;
}

}  // namespace tablora::testing
