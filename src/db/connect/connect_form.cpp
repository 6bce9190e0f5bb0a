#include "db/connect/connect_form.h"

#include "base/settings.h"
#include "base/text_codec.h"
#include "db/access/connection_strings.h"
#include "db/access/odbc_connection.h"

namespace tablora {

bool ConnectForm::Load(std::string* error) {
  const bool ok = logins_.Load(loginsPath_, error);
  kind = kSqlServer;
  SelectEntry(0);
  return ok;
}

void ConnectForm::SelectEntry(int index) {
  if (index < 0 || index >= static_cast<int>(entries().size())) return;
  const LoginEntry& e = entries()[index];
  selectedEntry = index;
  host = e.host;
  database = e.database;
  user = e.user;
  password = e.password;
  savePassword = !password.empty();
}

std::string ConnectForm::ConfirmDirect() {
  dataLink = false;
  if (kind != kSqlServer && kind != kAccess) return "";
  if (kind == kSqlServer && host.empty()) return Cp936(u8"请输入主机地址!");
  if (database.empty())
    return Cp936(kind == kSqlServer ? u8"请输入数据库名!" : u8"请选择数据库路径!");
  if (kind == kSqlServer) {
    if (user.empty()) return Cp936(u8"请输入用户名!");
    const int number = selectedEntry >= 0 ? selectedEntry + 1 : 1;
    std::string error;
    if (!logins_.Store(number, {host, database, user, password}, savePassword, &error))
      return Cp936(u8"无法保存登录信息: ") + error;
  }
  return "";
}

int ConnectForm::PreselectedKind(const std::string& chosen, int currentKind) {
  const int implied = OdbcConnection::ImpliedKind(chosen);
  return implied >= 0 ? implied : currentKind;
}

std::string ConnectForm::CompleteDataLink(const std::string& chosen, const std::string& password,
                                          int& kind, bool& useClientCursor) {
  if (ConnectionStrings::IsOracle(chosen))
    kind = kOracle;
  else
    useClientCursor = false;
  return ConnectionStrings::WithPassword(chosen, password);
}

}  // namespace tablora

namespace tablora {

void ConnectForm::AcceptDataLink(const std::string& chosen, int chosenKind,
                                 const std::string& password) {
  kind = chosenKind;
  useClientCursor = true;
  connectionString = CompleteDataLink(chosen, password, kind, useClientCursor);
  dataLink = true;
}

}  // namespace tablora
