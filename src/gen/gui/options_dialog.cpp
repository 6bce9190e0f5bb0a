#include "gen/gui/options_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>

namespace tablora {

OptionsDialog::OptionsDialog(wxWindow* parent, const OptionsDialogLayout& layout, bool utf8)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(u8"选项")) {
  auto* boxes = new wxBoxSizer(wxVERTICAL);
  prefix_ = new wxCheckBox(this, kPrefixId,
                           wxString::FromUTF8(u8"需要扩展符(例:Id -> nId, Gettime -> tmGettime)"));
  accessors_ = new wxCheckBox(this, kAccessorsId, wxString::FromUTF8(u8"产生Get, Set函数来操作"));
  skipTime_ = new wxCheckBox(this, kSkipTimeId, wxString::FromUTF8(u8"不产生时间字段的代码"));
  utf8_ = new wxCheckBox(this, kUtf8Id, wxString::FromUTF8(u8"产生UTF-8编码的文件"));
  utf8_->SetValue(utf8);
  for (wxCheckBox* box : {prefix_, accessors_, skipTime_, utf8_}) {
    boxes->Add(box, 0, wxALL, 6);
  }
  accessors_->Show(layout.showAccessors);
  skipTime_->Show(layout.showSkipTime);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(boxes, 1, wxEXPAND | wxALL, 6);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 6);
  SetSizerAndFit(top);
  CentreOnParent();
}

GenerationOptions OptionsDialog::options() const {
  GenerationOptions o;
  o.prefix = prefix_->GetValue();
  o.accessors = accessors_->IsShown() && accessors_->GetValue();
  o.skipTime = skipTime_->IsShown() && skipTime_->GetValue();
  o.utf8 = utf8_->GetValue();
  return o;
}

bool WxOptionsPrompt::AskOptions(const OptionsDialogLayout& layout, GenerationOptions& options) {
  OptionsDialog dialog(parent_, layout, options.utf8);
  if (dialog.ShowModal() != wxID_OK) return false;
  options = dialog.options();
  return true;
}

}  // namespace tablora
