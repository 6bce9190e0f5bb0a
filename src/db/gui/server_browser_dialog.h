#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxCheckBox;
class wxListBox;
class wxTextCtrl;

namespace tablora {

class Prompts;
struct ServerChoice;

/// "连接MS SQL Server对话框": the servers found on the network, a test connection that lists
/// their databases, and the choice of server and database. Integrated login is not
/// available here, so its radio buttons stay hidden.
class ServerBrowserDialog : public wxDialog {
 public:
  static constexpr int kServersId = 1093;
  static constexpr int kIntegratedId = 1098;
  static constexpr int kAccountId = 1099;
  static constexpr int kUserId = 1078;
  static constexpr int kPasswordId = 1079;
  static constexpr int kTestId = 1097;
  static constexpr int kDatabasesId = 1094;
  static constexpr int kProceduresId = 1156;

  /// `servers` are list entries "name(address)" (ServerBrowser::Discover).
  ServerBrowserDialog(wxWindow* parent, Prompts& prompts, const std::vector<std::string>& servers);
  /// The confirmed choice.
  void Fill(ServerChoice& choice) const;

 private:
  std::string Server() const;
  void OnTest();
  void OnOk();

  Prompts& prompts_;
  wxListBox* servers_;
  wxTextCtrl* user_;
  wxTextCtrl* password_;
  wxListBox* databases_;
  wxCheckBox* procedures_;
};

}  // namespace tablora
