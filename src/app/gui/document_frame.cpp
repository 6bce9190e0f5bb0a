#include "app/gui/document_frame.h"

#include <wx/sizer.h>

#include "base/document_titles.h"
#include "base/gui/scroll_bar_size.h"
#include "base/gui/wx_text.h"
#include "db/gui/procedure_view.h"
#include "ui/gui/design_canvas.h"

namespace tablora {

DocumentFrame::DocumentFrame(wxMDIParentFrame* parent, const std::string& title)
    : wxMDIChildFrame(parent, wxID_ANY, to_wx(title)), title_(title), caption_(title) {
  // A plain window, not a panel: the views take Tab and the arrow keys themselves.
  body_ = new wxWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
  body_->SetSizer(new wxBoxSizer(wxVERTICAL));
  // A window just opened has wx's 20 x 20, too small for the views' scroll bars: they are
  // fitted once GTK gives the window its size.
  body_->Bind(wxEVT_SIZE, [this](wxSizeEvent&) {
    const wxSize client = body_->GetClientSize();
    if (client.x >= scroll_bars::kSmallestSide && client.y >= scroll_bars::kSmallestSide)
      body_->Layout();
  });
}

void DocumentFrame::SetTableView(DesignCanvas* view) {
  tableView_ = view;
  body_->GetSizer()->Add(view, 1, wxEXPAND);
  const wxSize client = body_->GetClientSize();  // see ShowProcedure
  if (client.x >= scroll_bars::kSmallestSide && client.y >= scroll_bars::kSmallestSide)
    body_->Layout();
}

void DocumentFrame::TakeBackBody() {
  if (body_->GetParent() == this) return;
  body_->Reparent(this);
  body_->SetSize(GetClientSize());
  body_->Show();
}

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
    procedureView_ = new ProcedureView(body_, host);
    body_->GetSizer()->Add(procedureView_, 1, wxEXPAND);
    // Fitted now only once GTK has laid the window out; a window just opened still has wx's
    // 20 x 20 (too small for the scroll bars) and is fitted when GTK gives it its size.
    const wxSize client = body_->GetClientSize();
    if (client.x >= scroll_bars::kSmallestSide && client.y >= scroll_bars::kSmallestSide)
      body_->Layout();
  }
  procedureView_->ShowProcedure(index);
}

std::string DocumentFrame::ProcedureTextUtf8() const {
  return procedureView_ != nullptr ? procedureView_->GetText().utf8_string() : std::string();
}

}  // namespace tablora
