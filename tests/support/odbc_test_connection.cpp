#include "support/odbc_test_connection.h"

#include <cstdlib>

#include "db/access/odbc_connection.h"

namespace tablora::testing {

OdbcTestConnection::OdbcTestConnection() : connection_(std::make_unique<OdbcConnection>()) {
  connection_->setLoginTimeout(5);
}

OdbcTestConnection::~OdbcTestConnection() = default;

bool OdbcTestConnection::HasDriver(const std::string& name) {
  return std::system(("odbcinst -q -d 2>/dev/null | grep -qx '\\[" + name + "\\]'").c_str()) == 0;
}

void OdbcTestConnection::KeepError() {
  const auto& errors = connection_->errors();
  error_ = errors.empty() ? "no diagnostic"
                          : errors[0].state + " " + errors[0].source + errors[0].description;
}

bool OdbcTestConnection::Connect(const std::string& connectionString) {
  if (connection_->Open(connectionString)) return true;
  KeepError();
  return false;
}

bool OdbcTestConnection::Execute(const std::string& sql) {
  ResultSet ignored;
  if (connection_->Query(sql, ignored)) return true;
  KeepError();
  return false;
}

bool OdbcTestConnection::Query(const std::string& sql,
                               std::vector<std::vector<std::string>>& rows) {
  rows.clear();
  ResultSet result;
  if (!connection_->Query(sql, result)) {
    KeepError();
    return false;
  }
  for (const auto& cells : result.rows) {
    std::vector<std::string> row;
    for (const ResultCell& cell : cells) row.push_back(cell.null ? "<null>" : cell.text);
    rows.push_back(std::move(row));
  }
  return true;
}

}  // namespace tablora::testing
