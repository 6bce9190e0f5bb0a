#include "db/access/ado_connection.h"

#include <cstdio>

#include "base/prompts.h"
#include "base/text_codec.h"
#include "db/access/connection_strings.h"
#include "db/access/row_cursor.h"

namespace tablora {

const std::string& LockedPrefix() {
  static const std::string prefix = Cp936(u8"数据库被锁定: ");
  return prefix;
}

bool SaysLocked(const std::vector<DiagnosticRecord>& errors) {
  for (const DiagnosticRecord& e : errors)
    if (e.description.rfind(LockedPrefix(), 0) == 0) return true;
  return false;
}

bool AdoConnection::Open(const std::string& connectionString, int options) {
  if (!connectionString.empty()) connectionString_ = connectionString;
  if (connectionString_.empty()) return false;
  if (IsOpen()) Close();
  errors_.clear();
  if (Connect(connectionString_, options)) return true;
  if (prompts_ != nullptr) {
    prompts_->ShowMessage("Unspecified error", "");
    std::string details = ErrorsText();
    if (details.empty()) {
      static const std::string noDetails = Cp936(u8"数据库驱动程序没有给出错误信息。");
      details = noDetails;
    }
    prompts_->ShowMessage(details, "");
  }
  return false;
}

bool AdoConnection::OpenSqlServer(const std::string& host, const std::string& database,
                                  const std::string& user, const std::string& password, int options,
                                  bool integrated) {
  return Open(ConnectionStrings::SqlServer(host, database, user, password, integrated), options);
}

bool AdoConnection::OpenAccess(const std::string& path, const std::string& password, int options) {
  return Open(ConnectionStrings::Access(path, password), options);
}

std::unique_ptr<ResultSet> AdoConnection::Execute(const std::string& sql, int options) {
  auto result = std::make_unique<ResultSet>();
  if (sql.empty() || !IsOpen() || !Query(sql, *result)) return nullptr;
  return result;
}

std::unique_ptr<RowCursor> AdoConnection::OpenCursor(const std::string& sql) {
  ResultSet result;
  if (sql.empty() || !IsOpen() || !Query(sql, result)) return nullptr;
  return std::make_unique<ResultSetCursor>(std::move(result));
}

std::string AdoConnection::FirstError() const {
  if (!errors_.empty()) {
    const DiagnosticRecord& first = errors_.front();
    return first.state.empty() ? first.description : first.description + " (" + first.state + ")";
  }
  return ErrorsText();
}

std::string AdoConnection::ErrorsText(const std::vector<DiagnosticRecord>& errors) {
  std::string text;
  for (const DiagnosticRecord& e : errors) {
    char native[32];
    std::snprintf(native, sizeof native, "%d", e.native);
    text += "Description: " + e.description + "\r\nState: " + e.state + ", Native: " + native +
            ", Source: " + e.source + "\r\n";
  }
  return text;
}

}  // namespace tablora
