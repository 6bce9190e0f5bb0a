#include "app/gui/document_frame.h"

#include "app/document_titles.h"
#include "app/gui/wx_text.h"

namespace tablora {

DocumentFrame::DocumentFrame(wxMDIParentFrame* parent, const std::string& title)
    : wxMDIChildFrame(parent, wxID_ANY, to_wx(title)), title_(title) {}

bool DocumentFrame::IsDesignView() const {
  return DocumentTitles::SameTitle(title_, DocumentTitles::DesignView());
}

}  // namespace tablora
