#include "db/gui/wx_database_dialogs.h"

#include <wx/utils.h>

#include "db/connect/server_browser.h"
#include "db/gui/connect_dialog.h"
#include "db/gui/password_dialog.h"
#include "db/gui/server_browser_dialog.h"

namespace tablora {

WxDatabaseDialogs::WxDatabaseDialogs(wxWindow* parent, Prompts& prompts,
                                     std::vector<std::string> kindNames)
    : parent_(parent), prompts_(prompts), kindNames_(std::move(kindNames)) {
  if (kindNames_.empty()) kindNames_ = {"MS SQL Server", "MS Access", "Oracle"};
}

bool WxDatabaseDialogs::Connect(ConnectForm& form) {
  ConnectDialog dialog(parent_, form, prompts_, kindNames_);
  return dialog.ShowModal() == wxID_OK;
}

bool WxDatabaseDialogs::AskPassword(int& kind, std::string& password) {
  PasswordDialog dialog(parent_, prompts_, kindNames_, kind);
  if (dialog.ShowModal() != wxID_OK) return false;
  kind = dialog.kind();
  password = dialog.password();
  return true;
}

bool WxDatabaseDialogs::BrowseServers(ServerChoice& choice) {
  std::vector<std::string> servers;
  {
    wxBusyCursor wait;
    servers = ServerBrowser::Discover(1500);
  }
  ServerBrowserDialog dialog(parent_, prompts_, servers);
  if (dialog.ShowModal() != wxID_OK) return false;
  dialog.Fill(choice);
  return true;
}

}  // namespace tablora
