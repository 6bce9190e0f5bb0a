#include "db/gui/password_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"
#include "base/prompts.h"
#include "base/text_codec.h"

namespace tablora {

PasswordDialog::PasswordDialog(wxWindow* parent, Prompts& prompts,
                               const std::vector<std::string>& kindNames, int kind)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"输入密码")), prompts_(prompts) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"请选择连接的数据库种类:")), 0,
           wxLEFT | wxRIGHT | wxTOP, 10);
  kind_ = new wxChoice(this, kKindId);
  for (const std::string& name : kindNames) kind_->Append(to_wx(name));
  if (kind >= 0 && kind < static_cast<int>(kind_->GetCount())) kind_->SetSelection(kind);
  top->Add(kind_, 0, wxEXPAND | wxALL, 10);
  top->Add(
      new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"请输入数据库密码:(没有密码不用输入)")),
      0, wxLEFT | wxRIGHT, 10);
  password_ = new wxTextCtrl(this, kPasswordId, wxEmptyString, wxDefaultPosition,
                             wxSize(FromDIP(260), -1), wxTE_PASSWORD);
  top->Add(password_, 0, wxEXPAND | wxALL, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  buttons->Add(ok, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  ok->SetDefault();
  ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
  top->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
  ButtonPictures::Put(this, {{wxID_OK, "ok.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  CentreOnParent();
}

void PasswordDialog::OnOk() {
  if (kind_->GetSelection() == wxNOT_FOUND) {
    prompts_.ShowMessage(Cp936(u8"请选择连接的数据库种类!!"), "");
    return;
  }
  EndModal(wxID_OK);
}

int PasswordDialog::kind() const { return kind_->GetSelection(); }

std::string PasswordDialog::password() const { return from_wx(password_->GetValue()); }

}  // namespace tablora
