#include "ui/gui/group_edit_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"

namespace tablora {

GroupEditDialog::GroupEditDialog(wxWindow* parent, const Design& design, const std::string& name,
                                 const std::vector<int>& members)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"编辑分组")), lists_(design, members) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
  nameRow->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"编辑组名:")), 0,
               wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  nameEdit_ = new wxTextCtrl(this, kNameId, to_wx(name));
  nameRow->Add(nameEdit_, 1);
  top->Add(nameRow, 0, wxEXPAND | wxALL, 8);

  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  const wxSize listSize = FromDIP(wxSize(200, 260));
  left_ = new wxListBox(this, kLeftId, wxDefaultPosition, listSize, 0, nullptr, wxLB_SINGLE);
  lists->Add(left_, 1, wxEXPAND);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> moves[] = {
      {kMoveRightId, ">"}, {kAllRightId, ">>"}, {kMoveLeftId, "<"}, {kAllLeftId, "<<"}};
  for (const auto& [id, label] : moves) {
    buttons->Add(new wxButton(this, id, label, wxDefaultPosition, FromDIP(wxSize(40, -1))), 0,
                 wxALL, 4);
  }
  lists->Add(buttons, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 6);
  auto* rightColumn = new wxBoxSizer(wxVERTICAL);
  rightColumn->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"此分组相关表如下:")));
  right_ = new wxListBox(this, kRightId, wxDefaultPosition, listSize, 0, nullptr, wxLB_SINGLE);
  rightColumn->Add(right_, 1, wxEXPAND);
  lists->Add(rightColumn, 1, wxEXPAND);
  top->Add(lists, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

  auto* okCancel = new wxBoxSizer(wxHORIZONTAL);
  okCancel->AddStretchSpacer();
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  ok->SetDefault();
  okCancel->Add(ok, 0, wxRIGHT, 8);
  okCancel->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  top->Add(okCancel, 0, wxEXPAND | wxALL, 8);
  ButtonPictures::Put(this, {{wxID_OK, "ok.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  ShowLists(-1, -1);

  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) { ShowLists(lists_.MoveRight(left_->GetSelection()), -2); },
      kMoveRightId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) { ShowLists(-2, lists_.MoveLeft(right_->GetSelection())); },
      kMoveLeftId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        lists_.MoveAllRight();
        ShowLists(-1, -1);
      },
      kAllRightId);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        lists_.MoveAllLeft();
        ShowLists(-1, -1);
      },
      kAllLeftId);
  Bind(wxEVT_BUTTON, &GroupEditDialog::OnOk, this, wxID_OK);
}

void GroupEditDialog::Fill(wxListBox* list, const std::vector<int>& tables, int select) {
  // -2 keeps the list's selection as it was.
  const int keep = list->GetSelection();
  wxArrayString texts;
  for (int table : tables) texts.Add(to_wx(lists_.ItemText(table)));
  list->Set(texts);
  const int row = select == -2 ? keep : select;
  if (row >= 0 && row < static_cast<int>(list->GetCount())) list->SetSelection(row);
}

void GroupEditDialog::ShowLists(int selectLeft, int selectRight) {
  Fill(left_, lists_.left(), selectLeft);
  Fill(right_, lists_.right(), selectRight);
}

void GroupEditDialog::OnOk(wxCommandEvent&) {
  name_ = from_wx(nameEdit_->GetValue());
  tables_ = lists_.right();
  EndModal(wxID_OK);
}

}  // namespace tablora
