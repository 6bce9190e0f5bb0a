#pragma once

#include <string>

namespace tablora {

class ConnectForm;

/// What the server browser hands back.
struct ServerChoice {
  std::string server;
  std::string database;
  std::string user;
  std::string password;
  bool integrated = false;
  bool importProcedures = false;
};

/// The database dialogs as the core sees them: the program shows real dialogs, tests answer
/// from scripts. Texts are code page 936.
class DatabaseDialogs {
 public:
  virtual ~DatabaseDialogs() = default;
  /// The connect dialog on `form` (loaded); true when confirmed by either route.
  virtual bool Connect(ConnectForm& form) = 0;
  /// The password dialog: `kind` comes in preselected; false when cancelled.
  virtual bool AskPassword(int& kind, std::string& password) = 0;
  /// The MS SQL Server browser; false when cancelled.
  virtual bool BrowseServers(ServerChoice& choice) = 0;
};

}  // namespace tablora
