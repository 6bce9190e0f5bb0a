#include "gen/gui/value_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"
#include "base/prompts.h"
#include "gen/statement_builder.h"

namespace tablora {

ValueDialog::ValueDialog(wxWindow* parent, Prompts& prompts)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"输入要设置的值")), prompts_(prompts) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(
      new wxStaticText(this, wxID_ANY,
                       wxString::FromUTF8(u8"输入要设置的值 注:如果是字符串, 不要包含 ' 字符")),
      0, wxALL, 6);
  text_ = new wxTextCtrl(this, kValueId, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
  top->Add(text_, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
  now_ = new wxCheckBox(this, kNowId, wxString::FromUTF8(u8"设置当前时间(GetDate())"));
  top->Add(now_, 0, wxALL, 6);
  auto* kinds = new wxBoxSizer(wxHORIZONTAL);
  auto* number = new wxRadioButton(this, kNumberId, wxString::FromUTF8(u8"数字"), wxDefaultPosition,
                                   wxDefaultSize, wxRB_GROUP);
  string_ = new wxRadioButton(this, kStringId, wxString::FromUTF8(u8"字符串"));
  number->SetValue(true);
  kinds->Add(number, 0, wxRIGHT, 12);
  kinds->Add(string_);
  top->Add(kinds, 0, wxALL, 6);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &ValueDialog::OnOk, this, wxID_OK);
  CentreOnParent();
}

void ValueDialog::OnOk(wxCommandEvent&) {
  std::string error;
  // Apostrophes in a string are doubled, so the note's warning is kept only as a hint.
  value_ = StatementBuilder::ValueText(from_wx(text_->GetValue()), string_->GetValue(),
                                       now_->GetValue(), error);
  if (!error.empty()) {
    prompts_.ShowMessage(error, from_wx(GetTitle()));
    return;
  }
  EndModal(wxID_OK);
}

}  // namespace tablora
