#include "ui/gui/print_setup_dialog.h"

#include <wx/button.h>
#include <wx/printdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

namespace tablora {

PrintSetupDialog::PrintSetupDialog(wxWindow* parent, const PrintChoice& choice)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"打印设置")), choice_(choice) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* scale = new wxStaticBoxSizer(wxVERTICAL, this, wxString::FromUTF8(u8"打印比例"));
  fullSize_ = new wxRadioButton(scale->GetStaticBox(), kFullSizeId,
                                wxString::FromUTF8(u8"实际大小, 分多页打印(&A)"), wxDefaultPosition,
                                wxDefaultSize, wxRB_GROUP);
  fit_ = new wxRadioButton(scale->GetStaticBox(), kFitId,
                           wxString::FromUTF8(u8"适合页面, 缩小到一页打印(&F)"));
  fullSize_->SetValue(!choice.fitToPage);
  fit_->SetValue(choice.fitToPage);
  scale->Add(fullSize_, 0, wxALL, 4);
  scale->Add(fit_, 0, wxALL, 4);
  top->Add(scale, 0, wxEXPAND | wxALL, 8);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, kPaperId, wxString::FromUTF8(u8"纸张设置(&P)...")));
  buttons->AddStretchSpacer();
  auto* ok = new wxButton(this, wxID_OK, wxString::FromUTF8(u8"确定"));
  ok->SetDefault();
  buttons->Add(ok, 0, wxLEFT, 8);
  buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"取消")), 0, wxLEFT, 8);
  top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(top);
  SetEscapeId(wxID_CANCEL);
  Bind(wxEVT_BUTTON, &PrintSetupDialog::OnPaper, this, kPaperId);
}

PrintChoice PrintSetupDialog::choice() const {
  PrintChoice taken = choice_;
  taken.fitToPage = fit_->GetValue();
  return taken;
}

void PrintSetupDialog::OnPaper(wxCommandEvent&) {
  wxPageSetupDialogData data(choice_.paper);
  wxPageSetupDialog dialog(this, &data);
  if (dialog.ShowModal() == wxID_OK) choice_.paper = dialog.GetPageSetupDialogData().GetPrintData();
}

}  // namespace tablora
