#pragma once

#include <wx/dialog.h>

#include <string>
#include <vector>

class wxButton;
class wxCheckBox;
class wxChoice;
class wxComboBox;
class wxStaticText;
class wxTextCtrl;

namespace tablora {

class ConnectForm;
class Prompts;

/// "连接数据库": the kind, the saved logins and the fields of a direct connection, or the
/// data-link route through our ODBC dialog and the password dialog. Works on a loaded
/// ConnectForm; ShowModal answers wxID_OK when either route was confirmed.
class ConnectDialog : public wxDialog {
 public:
  static constexpr int kKindId = 1090;
  static constexpr int kHostId = 1092;
  static constexpr int kDatabaseId = 1080;
  static constexpr int kBrowseId = 1091;
  static constexpr int kUserId = 1078;
  static constexpr int kPasswordId = 1079;
  static constexpr int kSavePasswordId = 1157;
  static constexpr int kProceduresId = 1155;
  static constexpr int kDataLinkId = 1089;

  /// `kindNames` (code page 936) are the password dialog's kinds.
  ConnectDialog(wxWindow* parent, ConnectForm& form, Prompts& prompts,
                std::vector<std::string> kindNames);

 private:
  void ShowKindControls();
  void ShowEntry();
  void TakeFields();
  void OnDirect();
  void OnDataLink();

  ConnectForm& form_;
  Prompts& prompts_;
  std::vector<std::string> kindNames_;
  wxChoice* kind_;
  wxStaticText* hostLabel_;
  wxComboBox* host_;
  wxTextCtrl* database_;
  wxButton* browse_;
  wxStaticText* userLabel_;
  wxTextCtrl* user_;
  wxTextCtrl* password_;
  wxCheckBox* savePassword_;
  wxCheckBox* procedures_;
};

}  // namespace tablora
