#include "app/gui/document_frame.h"

#include "base/document_titles.h"
#include "base/gui/scroll_bar_size.h"
#include "base/gui/wx_text.h"
#include "db/gui/procedure_view.h"

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

void DocumentFrame::ShowProcedure(CommandHost& host, int index) {
  if (IsDesignView()) return;
  if (procedureView_ == nullptr) {
    procedureView_ = new ProcedureView(this, host);
    // Fitted to the frame now only once GTK has laid the frame out; a frame just opened still
    // has wx's 20 x 20 and is fitted when GTK gives it its size.
    const wxSize client = GetClientSize();
    if (client.x >= scroll_bars::kSmallestSide && client.y >= scroll_bars::kSmallestSide)
      SendSizeEvent();
  }
  procedureView_->ShowProcedure(index);
}

std::string DocumentFrame::ProcedureTextUtf8() const {
  return procedureView_ != nullptr ? procedureView_->GetText().utf8_string() : std::string();
}

}  // namespace tablora
