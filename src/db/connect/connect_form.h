#pragma once

#include <string>
#include <vector>

#include "db/connect/saved_logins.h"

namespace tablora {

/// The state and rules behind the connect dialog: the saved logins, the fields, and what
/// each button does with them. The dialog shows the fields and calls these.
class ConnectForm {
 public:
  explicit ConnectForm(std::string loginsPath) : loginsPath_(std::move(loginsPath)) {}

  /// Reads the saved logins (creating the file when missing), selects kind 0 and entry 0.
  bool Load(std::string* error = nullptr);
  const std::vector<LoginEntry>& entries() const { return logins_.entries(); }

  /// Takes host, database, user and password from entry `index`; "保存密码" follows
  /// whether a password was saved.
  void SelectEntry(int index);

  /// "ADO连接(Enter)": empty when accepted (an MS SQL Server login is then written to
  /// entry selectedEntry + 1, or 1 for a typed host); otherwise the message to show while
  /// the dialog stays open.
  std::string ConfirmDirect();

  /// The data-link route after the password dialog: the chosen string with the password
  /// added; `kind` becomes 2 for Oracle strings; other strings turn off the client cursor.
  static std::string CompleteDataLink(const std::string& chosen, const std::string& password,
                                      int& kind, bool& useClientCursor);
  /// The kind the password dialog starts at for a data-link string: the one its driver
  /// implies (OdbcConnection::ImpliedKind), else `currentKind`.
  static int PreselectedKind(const std::string& chosen, int currentKind);

  int kind = 0;  ///< 0 MS SQL Server, 1 MS Access; -1 none chosen
  std::string host;
  std::string database;  ///< for MS Access the file path
  std::string user;
  std::string password;
  bool savePassword = false;
  bool importProcedures = false;
  int selectedEntry = 0;  ///< -1 when the host was typed

  /// Set by the data-link route: the finished connection string and kind.
  bool dataLink = false;
  std::string connectionString;
  bool useClientCursor = true;

  /// The data-link route once the password dialog was confirmed with `chosenKind`:
  /// finishes the string and the kind, and marks the form as a data link.
  void AcceptDataLink(const std::string& chosen, int chosenKind, const std::string& password);

 private:
  std::string loginsPath_;
  SavedLogins logins_;
};

}  // namespace tablora
