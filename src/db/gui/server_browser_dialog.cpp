#include "db/gui/server_browser_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"
#include "db/access/ado_recordset.h"
#include "db/access/connection_strings.h"
#include "db/access/odbc_connection.h"
#include "db/connect/database_dialogs.h"

namespace tablora {

namespace {

std::string BeforeParenthesis(const wxString& text) {
  const std::string s = from_wx(text);
  return s.substr(0, s.find('('));
}

}  // namespace

ServerBrowserDialog::ServerBrowserDialog(wxWindow* parent, Prompts& prompts,
                                         const std::vector<std::string>& servers)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"连接MS SQL Server对话框")),
      prompts_(prompts) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"1.选择一个服务器")), 0,
           wxLEFT | wxTOP, 10);
  servers_ = new wxListBox(this, kServersId, wxDefaultPosition, wxSize(FromDIP(300), FromDIP(90)));
  for (const std::string& s : servers) servers_->Append(to_wx(s));
  if (!servers.empty()) servers_->SetSelection(0);
  top->Add(servers_, 0, wxEXPAND | wxALL, 10);
  auto* integrated = new wxRadioButton(this, kIntegratedId, wxString::FromUTF8(u8"本机验证"),
                                       wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  auto* account = new wxRadioButton(this, kAccountId, wxString::FromUTF8(u8"SQL账号"));
  account->SetValue(true);
  integrated->Hide();
  account->Hide();
  auto* grid = new wxFlexGridSizer(2, FromDIP(6), FromDIP(6));
  grid->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"用户名")), 0,
            wxALIGN_CENTER_VERTICAL);
  user_ = new wxTextCtrl(this, kUserId, "sa", wxDefaultPosition, wxSize(FromDIP(160), -1));
  grid->Add(user_);
  grid->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"密码")), 0,
            wxALIGN_CENTER_VERTICAL);
  password_ = new wxTextCtrl(this, kPasswordId, wxEmptyString, wxDefaultPosition,
                             wxSize(FromDIP(160), -1), wxTE_PASSWORD);
  grid->Add(password_);
  top->Add(grid, 0, wxLEFT | wxRIGHT, 10);
  top->Add(new wxButton(this, kTestId, wxString::FromUTF8(u8"测试连接(&T)")), 0, wxALL, 10);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"3.选择一个数据库")), 0, wxLEFT,
           10);
  databases_ =
      new wxListBox(this, kDatabasesId, wxDefaultPosition, wxSize(FromDIP(300), FromDIP(110)));
  top->Add(databases_, 0, wxEXPAND | wxALL, 10);
  procedures_ = new wxCheckBox(this, kProceduresId, wxString::FromUTF8(u8"导入存储过程(&P)"));
  top->Add(procedures_, 0, wxLEFT | wxRIGHT, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定(Enter)"));
  buttons->Add(ok, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"退出")));
  ok->SetDefault();
  top->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
  ButtonPictures::Put(
      this, {{wxID_OK, "ok.png"}, {kTestId, "test_connection.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  CentreOnParent();
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnTest(); }, kTestId);
  ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
}

std::string ServerBrowserDialog::Server() const {
  const int chosen = servers_->GetSelection();
  return chosen == wxNOT_FOUND ? "" : BeforeParenthesis(servers_->GetString(chosen));
}

void ServerBrowserDialog::OnTest() {
  databases_->Clear();
  const std::string server = Server();
  if (server.empty()) {
    prompts_.ShowMessage(Cp936(u8"请选择服务器!"), "");
    return;
  }
  wxBusyCursor wait;
  OdbcConnection db(&prompts_);
  if (!db.Open(ConnectionStrings::SqlServer(server, "master", from_wx(user_->GetValue()),
                                            from_wx(password_->GetValue()), false),
               0))
    return;
  db.Execute("use master");
  AdoRecordset names(&db, &prompts_);
  if (!names.Open("select name from sysdatabases")) {
    prompts_.ShowMessage(
        Cp936(u8"连接 ") + server + Cp936(u8" 失败!\r\n\r\n错误信息:") + db.ErrorsText(), "");
    return;
  }
  for (; !names.IsEOF(); names.MoveNext()) {
    std::string name;
    names.GetValueText("name", name);
    databases_->Append(to_wx(name));
  }
}

void ServerBrowserDialog::OnOk() {
  if (Server().empty()) {
    prompts_.ShowMessage(Cp936(u8"请选择服务器!"), "");
    return;
  }
  if (databases_->GetSelection() == wxNOT_FOUND) {
    prompts_.ShowMessage(Cp936(u8"请选择数据库!"), "");
    return;
  }
  EndModal(wxID_OK);
}

void ServerBrowserDialog::Fill(ServerChoice& choice) const {
  choice.server = Server();
  choice.database = databases_->GetSelection() == wxNOT_FOUND
                        ? ""
                        : BeforeParenthesis(databases_->GetString(databases_->GetSelection()));
  choice.user = from_wx(user_->GetValue());
  choice.password = from_wx(password_->GetValue());
  choice.integrated = false;
  choice.importProcedures = procedures_->GetValue();
}

}  // namespace tablora
