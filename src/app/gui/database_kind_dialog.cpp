#include "app/gui/database_kind_dialog.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include <algorithm>

#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"

namespace tablora {

DatabaseKindDialog::DatabaseKindDialog(wxWindow* parent, const std::vector<std::string>& kindNames,
                                       int currentKind)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"请选择数据库类型")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* group = new wxStaticBoxSizer(wxVERTICAL, this, wxString::FromUTF8(u8"请选择数据库类型"));
  const int count = static_cast<int>(std::min<std::size_t>(kindNames.size(), kSlots));
  for (int i = 0; i < kSlots; ++i) {
    auto* button = new wxRadioButton(group->GetStaticBox(), kFirstKindId + i,
                                     i < count ? to_wx(kindNames[i]) : wxString(),
                                     wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    button->SetValue(false);
    if (i >= count) button->Hide();
    group->Add(button, 0, wxALL, 4);
    buttons_.push_back(button);
  }
  if (currentKind >= 0 && currentKind < count) buttons_[currentKind]->SetValue(true);
  top->Add(group, 1, wxEXPAND | wxALL, 10);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  buttons->Add(ok, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"退出")));
  ok->SetDefault();
  top->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
  ButtonPictures::Put(this, {{wxID_OK, "ok.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  CentreOnParent();
}

int DatabaseKindDialog::chosenKind() const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->IsShown() && buttons_[i]->GetValue()) return static_cast<int>(i);
  return -1;
}

}  // namespace tablora
