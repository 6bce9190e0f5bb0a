#include "gen/gui/order_by_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "base/gui/wx_text.h"

namespace tablora {

OrderByDialog::OrderByDialog(wxWindow* parent, std::vector<std::string> allFields,
                             std::vector<std::string> chosenFields)
    : wxDialog(parent, wxID_ANY, "Order by"),
      builder_(std::move(allFields), std::move(chosenFields)) {
  source_ = new wxListBox(this, kSourceId, wxDefaultPosition, wxSize(180, 220));
  order_ = new wxListBox(this, kOrderId, wxDefaultPosition, wxSize(180, 220));
  auto* moves = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> buttons[] = {
      {kAscId, "Asc-->"},     {kDescId, "Desc-->"}, {kBackId, "<"},          {kAllAscId, "Asc>>"},
      {kAllDescId, "Desc>>"}, {kClearId, "<<"},     {kResetId, u8"重置(&R)"}};
  for (const auto& [id, caption] : buttons) {
    moves->Add(new wxButton(this, id, wxString::FromUTF8(caption)), 0, wxEXPAND | wxBOTTOM, 4);
  }
  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  lists->Add(source_, 1, wxEXPAND | wxALL, 4);
  lists->Add(moves, 0, wxALL, 4);
  lists->Add(order_, 1, wxEXPAND | wxALL, 4);
  chosenOnly_ = new wxCheckBox(this, kChosenOnlyId, wxString::FromUTF8(u8"已选择的字段"));
  hideAsc_ = new wxCheckBox(this, kHideAscId, wxString::FromUTF8(u8"不显示Asc关键字"));
  result_ = new wxStaticText(this, kResultId, wxEmptyString, wxDefaultPosition, wxSize(380, 40),
                             wxST_NO_AUTORESIZE);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(lists, 1, wxEXPAND);
  top->Add(chosenOnly_, 0, wxLEFT | wxTOP, 6);
  top->Add(hideAsc_, 0, wxLEFT | wxTOP, 6);
  top->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"结果如下:")), 0, wxALL, 6);
  top->Add(result_, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
  SetSizerAndFit(top);

  auto on = [this](int id, auto action) {
    Bind(
        wxEVT_BUTTON,
        [this, action](wxCommandEvent&) {
          action();
          ShowOrder();
        },
        id);
  };
  auto sel = [](wxListBox* list) {
    return list->GetSelection() == wxNOT_FOUND ? static_cast<std::size_t>(-1)
                                               : static_cast<std::size_t>(list->GetSelection());
  };
  on(kAscId, [this, sel] { builder_.Move(sel(source_), false); });
  on(kDescId, [this, sel] { builder_.Move(sel(source_), true); });
  on(kBackId, [this, sel] { builder_.Back(sel(order_)); });
  on(kAllAscId, [this] { builder_.MoveAll(false); });
  on(kAllDescId, [this] { builder_.MoveAll(true); });
  on(kClearId, [this] { builder_.Refill(); });
  on(kResetId, [this] { builder_.Refill(); });
  chosenOnly_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
    builder_.setChosenOnly(chosenOnly_->GetValue());
    ShowOrder();
  });
  hideAsc_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
    builder_.setHideAsc(hideAsc_->GetValue());
    ShowOrder();
  });
  ShowOrder();
  CentreOnParent();
}

void OrderByDialog::ShowOrder() {
  const int sourceSel = source_->GetSelection();
  source_->Clear();
  for (const std::string& text : builder_.source()) source_->Append(to_wx(text));
  order_->Clear();
  for (const auto& entry : builder_.order()) {
    order_->Append(to_wx(entry.text) + (entry.descending ? " DESC" : " ASC"));
  }
  if (sourceSel != wxNOT_FOUND && sourceSel < static_cast<int>(source_->GetCount())) {
    source_->SetSelection(sourceSel);
  }
  result_->SetLabel(to_wx(builder_.Result()));
}

}  // namespace tablora
