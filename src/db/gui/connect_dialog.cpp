#include "db/gui/connect_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/file_dialogs.h"
#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"
#include "base/prompts.h"
#include "db/access/odbc_environment.h"
#include "db/connect/connect_form.h"
#include "db/gui/data_link_dialog.h"
#include "db/gui/password_dialog.h"

namespace tablora {

ConnectDialog::ConnectDialog(wxWindow* parent, ConnectForm& form, Prompts& prompts,
                             std::vector<std::string> kindNames)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"连接数据库")),
      form_(form),
      prompts_(prompts),
      kindNames_(std::move(kindNames)) {
  auto* grid = new wxFlexGridSizer(3, FromDIP(6), FromDIP(6));
  grid->AddGrowableCol(1);
  auto label = [this, grid](const char* text) {
    auto* l = new wxStaticText(this, wxID_ANY, wxString::FromUTF8(text));
    grid->Add(l, 0, wxALIGN_CENTER_VERTICAL);
    return l;
  };
  const wxSize wide(FromDIP(220), -1);
  label(u8"数据库类型:");
  kind_ = new wxChoice(this, kKindId);
  kind_->Append("MS SQL Server");
  kind_->Append("MS Access");
  grid->Add(kind_, 0, wxEXPAND);
  grid->AddSpacer(0);
  hostLabel_ = label(u8"主机IP:");
  host_ = new wxComboBox(this, kHostId, wxEmptyString, wxDefaultPosition, wide);
  for (const LoginEntry& e : form_.entries()) host_->Append(to_wx(e.host));
  grid->Add(host_, 0, wxEXPAND);
  grid->AddSpacer(0);
  label(u8"数据库名:");
  database_ = new wxTextCtrl(this, kDatabaseId, wxEmptyString, wxDefaultPosition, wide);
  grid->Add(database_, 0, wxEXPAND);
  browse_ = new wxButton(this, kBrowseId, "...", wxDefaultPosition, wxSize(FromDIP(30), -1));
  grid->Add(browse_);
  userLabel_ = label(u8"用户名:");
  user_ = new wxTextCtrl(this, kUserId, wxEmptyString, wxDefaultPosition, wide);
  grid->Add(user_, 0, wxEXPAND);
  grid->AddSpacer(0);
  label(u8"密码:");
  password_ =
      new wxTextCtrl(this, kPasswordId, wxEmptyString, wxDefaultPosition, wide, wxTE_PASSWORD);
  grid->Add(password_, 0, wxEXPAND);
  grid->AddSpacer(0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxEXPAND | wxALL, 10);
  savePassword_ = new wxCheckBox(this, kSavePasswordId, wxString::FromUTF8(u8"保存密码"));
  procedures_ = new wxCheckBox(this, kProceduresId, wxString::FromUTF8(u8"导入存储过程(&P)"));
  auto* boxes = new wxBoxSizer(wxHORIZONTAL);
  boxes->Add(savePassword_, 0, wxRIGHT, 20);
  boxes->Add(procedures_);
  top->Add(boxes, 0, wxLEFT | wxRIGHT, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* direct = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"ADO连接(Enter)"));
  buttons->Add(direct, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, kDataLinkId, wxString::FromUTF8(u8"ODBC连接(&O)")), 0, wxRIGHT,
               6);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  direct->SetDefault();
  top->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);

  kind_->SetSelection(form_.kind == 1 ? 1 : 0);
  ShowEntry();
  ShowKindControls();
  ButtonPictures::Put(
      this,
      {{wxID_OK, "connect.png"}, {kDataLinkId, "odbc_connect.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  CentreOnParent();

  kind_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ShowKindControls(); });
  host_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
    form_.SelectEntry(host_->GetSelection());
    ShowEntry();
  });
  browse_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    const std::string path = prompts_.ChooseOpenFile(FileDialogs::ChooseAccessFile());
    if (!path.empty()) database_->SetValue(path_to_wx(path));
  });
  direct->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDirect(); });
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { OnDataLink(); }, kDataLinkId);
}

void ConnectDialog::ShowKindControls() {
  const bool sqlServer = kind_->GetSelection() != 1;
  hostLabel_->Show(sqlServer);
  host_->Show(sqlServer);
  userLabel_->Show(sqlServer);
  user_->Show(sqlServer);
  browse_->Show(!sqlServer);
  Layout();
}

void ConnectDialog::ShowEntry() {
  if (form_.selectedEntry >= 0 && form_.selectedEntry < static_cast<int>(host_->GetCount()))
    host_->SetSelection(form_.selectedEntry);
  host_->SetValue(to_wx(form_.host));
  database_->SetValue(to_wx(form_.database));
  user_->SetValue(to_wx(form_.user));
  password_->SetValue(to_wx(form_.password));
  savePassword_->SetValue(form_.savePassword);
}

void ConnectDialog::TakeFields() {
  form_.kind = kind_->GetSelection();
  form_.host = from_wx(host_->GetValue());
  // A host typed over the chosen entry counts as typed (entry 1 is then written).
  const int chosen = host_->GetSelection();
  const bool sameHost = chosen >= 0 && chosen < static_cast<int>(form_.entries().size()) &&
                        form_.entries()[chosen].host == form_.host;
  form_.selectedEntry = sameHost ? chosen : -1;
  form_.database =
      form_.kind == 1 ? path_from_wx(database_->GetValue()) : from_wx(database_->GetValue());
  form_.user = from_wx(user_->GetValue());
  form_.password = from_wx(password_->GetValue());
  form_.savePassword = savePassword_->GetValue();
  form_.importProcedures = procedures_->GetValue();
}

void ConnectDialog::OnDirect() {
  TakeFields();
  const std::string message = form_.ConfirmDirect();
  if (!message.empty()) {
    prompts_.ShowMessage(message, "");
    return;
  }
  if (form_.kind < 0) return;
  EndModal(wxID_OK);
}

void ConnectDialog::OnDataLink() {
  TakeFields();
  std::vector<std::string> drivers, sources;
  if (auto environment = OdbcEnvironment::Get()) {
    drivers = environment->Drivers();
    sources = environment->DataSources();
  }
  DataLinkDialog link(this, drivers, sources, form_.connectionString);
  if (link.ShowModal() != wxID_OK || link.connectionString().empty()) return;
  const std::string chosen = link.connectionString();
  PasswordDialog password(this, prompts_, kindNames_,
                          ConnectForm::PreselectedKind(chosen, form_.kind));
  if (password.ShowModal() != wxID_OK) return;
  form_.AcceptDataLink(chosen, password.kind(), password.password());
  EndModal(wxID_OK);
}

}  // namespace tablora
