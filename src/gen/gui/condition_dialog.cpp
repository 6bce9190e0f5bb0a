#include "gen/gui/condition_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"

namespace tablora {

ConditionDialog::ConditionDialog(wxWindow* parent, const std::vector<std::string>& fields,
                                 const std::string& statement)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"条件构造器"), wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  wxArrayString entries;
  for (const std::string& f : fields) entries.Add(to_wx(f));
  wxArrayString ops;
  for (const std::string& o : ConditionBuilder::Operators()) ops.Add(to_wx(o));
  left_ = new wxListBox(this, kLeftId, wxDefaultPosition, wxSize(180, 200), entries);
  operators_ = new wxListBox(this, kOperatorId, wxDefaultPosition, wxSize(80, 200), ops);
  right_ = new wxListBox(this, kRightId, wxDefaultPosition, wxSize(180, 200), entries);
  value_ = new wxTextCtrl(this, kValueId, wxEmptyString, wxDefaultPosition, wxSize(180, -1));
  value_->Hide();
  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  lists->Add(left_, 1, wxEXPAND | wxALL, 4);
  lists->Add(operators_, 0, wxEXPAND | wxALL, 4);
  auto* rightColumn = new wxBoxSizer(wxVERTICAL);
  rightColumn->Add(new wxButton(this, kSwitchId, wxString::FromUTF8(u8"输入目标&O->")), 0, wxBOTTOM,
                   4);
  rightColumn->Add(right_, 1, wxEXPAND);
  rightColumn->Add(value_, 0, wxEXPAND);
  lists->Add(rightColumn, 1, wxEXPAND | wxALL, 4);

  current_ = new wxTextCtrl(this, kCurrentId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            wxTE_READONLY);
  shown_ = new wxTextCtrl(this, kResultId, wxEmptyString, wxDefaultPosition, wxSize(-1, 70),
                          wxTE_MULTILINE | wxTE_READONLY);
  auto* statementBox = new wxTextCtrl(this, kStatementId, to_wx(statement), wxDefaultPosition,
                                      wxSize(-1, 70), wxTE_MULTILINE | wxTE_READONLY);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, kAndId, wxString::FromUTF8(u8"新建条件AND(&N)")), 0, wxRIGHT, 4);
  buttons->Add(new wxButton(this, kOrId, wxString::FromUTF8(u8"新建条件OR(&N)")), 0, wxRIGHT, 4);
  buttons->Add(new wxButton(this, kResetId, wxString::FromUTF8(u8"重置(&R)")));

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(lists, 1, wxEXPAND);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"条件结果")), 0, wxLEFT, 6);
  top->Add(current_, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
  top->Add(buttons, 0, wxALL, 6);
  top->Add(shown_, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
  top->Add(statementBox, 0, wxEXPAND | wxALL, 6);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
  SetSizerAndFit(top);

  left_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    builder_.ChooseLeft(from_wx(e.GetString()));
    ShowCondition();
  });
  right_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    builder_.ChooseRight(from_wx(e.GetString()));
    ShowCondition();
  });
  operators_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
    builder_.ChooseOperator(from_wx(e.GetString()));
    ShowCondition();
  });
  value_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
    builder_.TypeValue(from_wx(value_->GetValue()));
    ShowCondition();
  });
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        const bool typing = !value_->IsShown();
        value_->Show(typing);
        right_->Show(!typing);
        Layout();
      },
      kSwitchId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        builder_.NewAnd();
        ShowCondition();
      },
      kAndId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        builder_.NewOr();
        ShowCondition();
      },
      kOrId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        builder_.Reset();
        current_->Clear();
        shown_->Clear();
      },
      kResetId);
  CentreOnParent();
}

void ConditionDialog::ShowCondition() {
  current_->ChangeValue(to_wx(builder_.Current()));
  shown_->ChangeValue(to_wx(builder_.Shown()));
}

}  // namespace tablora
