#include "app/gui/document_frame.h"

#include <wx/textctrl.h>

#include "app/document_titles.h"
#include "base/gui/wx_text.h"

namespace tablora {

DocumentFrame::DocumentFrame(wxMDIParentFrame* parent, const std::string& title)
    : wxMDIChildFrame(parent, wxID_ANY, to_wx(title)), title_(title), caption_(title) {}

void DocumentFrame::SetWindowNumber(int number) {
  caption_ = number > 0 ? title_ + ":" + std::to_string(number) : title_;
  SetTitle(to_wx(caption_));
}

bool DocumentFrame::IsDesignView() const {
  return DocumentTitles::SameTitle(title_, DocumentTitles::DesignView());
}

void DocumentFrame::ShowProcedureText(const std::string& text) {
  if (IsDesignView()) return;
  if (procedureText_ == nullptr) {
    procedureText_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                    GetClientSize(), wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
    SendSizeEvent();
  }
  std::string lines;
  for (char c : text) {
    if (c != '\r') lines += c;
  }
  procedureText_->SetValue(to_wx(lines));
}

std::string DocumentFrame::ProcedureTextUtf8() const {
  return procedureText_ != nullptr ? procedureText_->GetValue().utf8_string() : std::string();
}

}  // namespace tablora
