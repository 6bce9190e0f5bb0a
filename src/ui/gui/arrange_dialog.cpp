#include "ui/gui/arrange_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/gui/button_pictures.h"
#include "base/gui/wx_text.h"

namespace tablora {

ArrangeDialog::ArrangeDialog(wxWindow* parent, Prompts& prompts, const ArrangeOptions& preset)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"排列对话框")),
      prompts_(prompts),
      options_(preset) {
  options_.wholeDisplay = false;
  options_.alignRows = false;
  options_.order = 1;
  auto* top = new wxBoxSizer(wxVERTICAL);
  whole_ = new wxCheckBox(this, kWholeId, wxString::FromUTF8(u8"全显示"));
  align_ = new wxCheckBox(this, kAlignId, wxString::FromUTF8(u8"每行对齐"));
  top->Add(whole_, 0, wxALL, 8);
  top->Add(align_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);

  auto* order = new wxStaticBoxSizer(wxHORIZONTAL, this, wxString::FromUTF8(u8"排列顺序"));
  byName_ = new wxRadioButton(order->GetStaticBox(), kByNameId, wxString::FromUTF8(u8"按字母"),
                              wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  auto* byGroup =
      new wxRadioButton(order->GetStaticBox(), kByGroupId, wxString::FromUTF8(u8"按分组"));
  byRelations_ = new wxRadioButton(order->GetStaticBox(), kByRelationsId,
                                   wxString::FromUTF8(u8"按关系排列"));
  byName_->SetValue(true);
  order->Add(byName_, 0, wxALL, 4);
  order->Add(byGroup, 0, wxALL, 4);
  order->Add(byRelations_, 0, wxALL, 4);
  top->Add(order, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

  auto* numbers = new wxFlexGridSizer(2, 6, 6);
  numbers->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"每行排列的表数:")), 0,
               wxALIGN_CENTER_VERTICAL);
  perRow_ = new wxTextCtrl(this, kPerRowId, wxString::Format("%d", preset.tablesPerRow));
  numbers->Add(perRow_);
  numbers->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"每个小窗口宽度:")), 0,
               wxALIGN_CENTER_VERTICAL);
  width_ = new wxTextCtrl(this, kWidthId, wxString::Format("%d", preset.width));
  numbers->Add(width_);
  top->Add(numbers, 0, wxALL, 8);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  ok->SetDefault();
  buttons->Add(ok, 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")));
  top->Add(buttons, 0, wxEXPAND | wxALL, 8);
  ButtonPictures::Put(this, {{wxID_OK, "ok.png"}, {wxID_CANCEL, "cancel.png"}});
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &ArrangeDialog::OnOk, this, wxID_OK);
}

void ArrangeDialog::OnOk(wxCommandEvent&) {
  ArrangeOptions taken = options_;
  taken.wholeDisplay = whole_->GetValue();
  taken.alignRows = align_->GetValue();
  taken.order = byName_->GetValue() ? 1 : byRelations_->GetValue() ? 3 : 2;
  const std::string message =
      ArrangeLayout::ReadEntries(from_wx(perRow_->GetValue()), from_wx(width_->GetValue()), taken);
  if (!message.empty()) {
    prompts_.ShowMessage(message, "");
    return;
  }
  options_ = taken;
  EndModal(wxID_OK);
}

}  // namespace tablora
