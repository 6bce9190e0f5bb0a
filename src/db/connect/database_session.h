#pragma once

#include <functional>
#include <memory>
#include <string>

#include "db/access/connection_state.h"

namespace tablora {

class DatabaseDialogs;
class Design;
class ImportObserver;
struct ImportRequest;
class Prompts;

/// The design's way to databases: the shared connection with its state, and the routes
/// that end in an import (connect dialog, server browser, opening an MS Access file) or in
/// an open connection (EnsureConnected).
class DatabaseSession {
 public:
  /// The saved logins file is found for `programFolder` when first needed (SavedLogins::
  /// FilePath). Nothing is owned but the connection state.
  DatabaseSession(Design& design, Prompts& prompts, std::string programFolder);
  ~DatabaseSession();

  /// The window side; null dialogs make every route a cancelled one.
  void setDialogs(DatabaseDialogs* dialogs) { dialogs_ = dialogs; }
  void setObserver(ImportObserver* observer) { observer_ = observer; }
  /// The same, owned by the session.
  void setDialogs(std::unique_ptr<DatabaseDialogs> dialogs);
  void setObserver(std::unique_ptr<ImportObserver> observer);

  /// "连接数据库(ADO/ODBC)(&D)": the connect dialog, then the import. False when cancelled
  /// or nothing was imported.
  bool Connect();
  /// "查看MS SQL Server数据库(&E)": the server browser, then the import.
  bool BrowseServers();
  /// Opening an MS Access file: the password dialog, then the import of the file (always
  /// as a direct connection); `beforeAdding` (may be empty) runs once the file's tables
  /// are read, before they are added.
  bool OpenAccessFile(const std::string& path, const std::function<void()>& beforeAdding = {});
  /// Opens the shared connection through the connect dialog unless it is open already.
  bool EnsureConnected();

  ConnectionState& state() { return state_; }
  /// What imports show while they run (the progress dialog); null for none.
  ImportObserver* observer() const { return observer_; }
  /// The saved logins file.
  const std::string& loginsPath();
  void setLoginsPath(const std::string& path) { loginsPath_ = path; }

 private:
  bool RunConnectDialog();
  /// Runs an import of every table; an imported design belongs to no file until it is
  /// saved, so that no file it did not come from is written over by a save. A table list
  /// the database would not give is shown to the user.
  bool Import(const ImportRequest& request);
  bool OpenShared();

  Design& design_;
  Prompts& prompts_;
  std::string programFolder_;
  std::string loginsPath_;
  ConnectionState state_;
  std::unique_ptr<DatabaseDialogs> ownedDialogs_;
  std::unique_ptr<ImportObserver> ownedObserver_;
  DatabaseDialogs* dialogs_ = nullptr;
  ImportObserver* observer_ = nullptr;
  /// The direct route's fields from the last confirmed connect dialog.
  struct {
    std::string host, database, user, password;
  } last_;
};

}  // namespace tablora
