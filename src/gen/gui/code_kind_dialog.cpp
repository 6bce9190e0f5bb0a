#include "gen/gui/code_kind_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "base/gui/wx_text.h"
#include "base/prompts.h"

namespace tablora {

std::string& CodeKindDialog::Remembered() {
  static std::string remembered;
  return remembered;
}

CodeKindDialog::CodeKindDialog(wxWindow* parent, const std::vector<CodeKindFile>& kinds,
                               Prompts& prompts)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"生成代码类型")),
      kinds_(kinds),
      prompts_(prompts) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"请选择要产生成目标代码:")), 0,
           wxALL, 6);
  list_ = new wxChoice(this, kListId, wxDefaultPosition, wxSize(240, -1));
  int selected = kinds_.empty() ? -1 : 0;
  for (std::size_t i = 0; i < kinds_.size(); ++i) {
    list_->Append(to_wx(kinds_[i].name));
    if (kinds_[i].name == Remembered()) selected = static_cast<int>(i);
  }
  list_->SetSelection(selected);
  top->Add(list_, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &CodeKindDialog::OnOk, this, wxID_OK);
  CentreOnParent();
}

void CodeKindDialog::OnOk(wxCommandEvent&) {
  chosen_ = list_->GetSelection();
  if (chosen_ == wxNOT_FOUND) {
    prompts_.ShowMessage(from_wx(wxString::FromUTF8(u8"请选择要产生成目标代码:")),
                         from_wx(GetTitle()));
    return;
  }
  Remembered() = kinds_[static_cast<std::size_t>(chosen_)].name;
  EndModal(wxID_OK);
}

}  // namespace tablora
