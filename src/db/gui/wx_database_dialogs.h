#pragma once

#include <string>
#include <vector>

#include "db/connect/database_dialogs.h"

class wxWindow;

namespace tablora {

class Prompts;

/// The database dialogs as real windows over `parent`.
class WxDatabaseDialogs : public DatabaseDialogs {
 public:
  /// `kindNames` (code page 936, the settings' kinds) fill the password dialog.
  WxDatabaseDialogs(wxWindow* parent, Prompts& prompts, std::vector<std::string> kindNames);

  bool Connect(ConnectForm& form) override;
  bool AskPassword(int& kind, std::string& password) override;
  bool BrowseServers(ServerChoice& choice) override;

 private:
  wxWindow* parent_;
  Prompts& prompts_;
  std::vector<std::string> kindNames_;
};

}  // namespace tablora
