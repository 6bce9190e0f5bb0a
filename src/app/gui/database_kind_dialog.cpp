#include "app/gui/database_kind_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "base/gui/wx_text.h"

namespace tablora {

DatabaseKindDialog::DatabaseKindDialog(wxWindow* parent, const std::vector<std::string>& kindNames,
                                       int currentKind)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"请选择数据库类型")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"请选择数据库类型")), 0, wxALL,
           10);
  list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(FromDIP(240), FromDIP(120)));
  const std::size_t count = std::min<std::size_t>(kindNames.size(), 10);
  for (std::size_t i = 0; i < count; ++i) list_->Append(to_wx(kindNames[i]));
  if (currentKind >= 0 && currentKind < static_cast<int>(count)) list_->SetSelection(currentKind);
  list_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { EndModal(wxID_OK); });
  top->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  buttons->Add(ok, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  ok->SetDefault();
  top->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

int DatabaseKindDialog::chosenKind() const { return list_->GetSelection(); }

}  // namespace tablora
