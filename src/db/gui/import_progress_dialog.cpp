#include "db/gui/import_progress_dialog.h"

#include <wx/dialog.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace tablora {

ImportProgressDialog::~ImportProgressDialog() { ProgressEnded(); }

void ImportProgressDialog::ProgressStarted() {
  positions_.clear();
  if (dialog_ != nullptr) return;
  dialog_ = new wxDialog(parent_, wxID_ANY, wxString::FromUTF8(u8"请稍候"), wxDefaultPosition,
                         wxDefaultSize, wxCAPTION);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(dialog_, wxID_ANY, wxString::FromUTF8(u8"正在加载数据,请稍候...")), 0,
           wxALL, 12);
  gauge_ =
      new wxGauge(dialog_, kGaugeId, 100, wxDefaultPosition, wxSize(dialog_->FromDIP(280), -1));
  top->Add(gauge_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  dialog_->SetSizerAndFit(top);
  dialog_->CentreOnParent();
  dialog_->Show();
  dialog_->Update();
}

void ImportProgressDialog::ProgressChanged(int position) {
  positions_.push_back(position);
  if (gauge_ == nullptr) return;
  gauge_->SetValue(position);
  dialog_->Update();
}

void ImportProgressDialog::ProgressEnded() {
  if (dialog_ == nullptr) return;
  dialog_->Destroy();
  dialog_ = nullptr;
  gauge_ = nullptr;
  if (parent_ != nullptr) parent_->Raise();
}

}  // namespace tablora
