#include "doc/gui/dictionary_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "base/gui/wx_text.h"

namespace tablora {

DictionaryDialog::DictionaryDialog(wxWindow* parent, const std::vector<std::string>& groups,
                                   const DictionaryOptions& preset)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"导出数据字典")),
      groups_(groups),
      options_(preset) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* fields = new wxFlexGridSizer(2, 8, 8);
  fields->AddGrowableCol(1);

  fields->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"格式:")), 0,
              wxALIGN_CENTER_VERTICAL);
  format_ = new wxChoice(this, kFormatId);
  for (const char* name : {u8"HTML 网页 (*.html)", u8"Markdown 文档 (*.md)",
                           u8"Excel 工作簿 (*.xlsx)", u8"PDF 文档 (*.pdf)"}) {
    format_->Append(wxString::FromUTF8(name));
  }
  format_->SetSelection(static_cast<int>(preset.format));
  fields->Add(format_, 1, wxEXPAND);

  fields->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"分组:")), 0,
              wxALIGN_CENTER_VERTICAL);
  group_ = new wxChoice(this, kGroupId);
  group_->Append(wxString::FromUTF8(u8"全部分组"));
  for (const std::string& name : groups_) group_->Append(to_wx(name));
  const auto chosen = std::find(groups_.begin(), groups_.end(), preset.group);
  group_->SetSelection(chosen == groups_.end() ? 0
                                               : 1 + static_cast<int>(chosen - groups_.begin()));
  fields->Add(group_, 1, wxEXPAND);

  fields->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"标题:")), 0,
              wxALIGN_CENTER_VERTICAL);
  title_ = new wxTextCtrl(this, kTitleId, to_wx(preset.title), wxDefaultPosition,
                          wxSize(320, -1));
  fields->Add(title_, 1, wxEXPAND);
  top->Add(fields, 1, wxEXPAND | wxALL, 12);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  ok->SetDefault();
  buttons->Add(ok, 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &DictionaryDialog::OnOk, this, wxID_OK);
}

void DictionaryDialog::OnOk(wxCommandEvent&) {
  options_.format = static_cast<DictionaryFormat>(std::max(format_->GetSelection(), 0));
  const int group = group_->GetSelection();
  options_.group = group > 0 ? groups_[static_cast<std::size_t>(group - 1)] : std::string();
  options_.title = from_wx(title_->GetValue());
  EndModal(wxID_OK);
}

}  // namespace tablora
