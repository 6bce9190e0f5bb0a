#include "app/gui/frame_design_view.h"

#include "app/gui/document_frame.h"
#include "app/gui/main_frame.h"
#include "app/gui/table_document_view.h"
#include "base/document_titles.h"

namespace tablora {

namespace {
TableDocumentView* ViewOf(MainFrame& frame) {
  DocumentFrame* document = frame.FindView(DocumentTitles::DesignView());
  return document != nullptr ? document->tableView() : nullptr;
}
}  // namespace

bool FrameDesignView::IsOpen() const { return ViewOf(frame_) != nullptr; }

int FrameDesignView::ClientWidth() const {
  TableDocumentView* view = ViewOf(frame_);
  return view != nullptr ? view->GetClientSize().x : HeadlessDesignView::kClientWidth;
}

int FrameDesignView::ClientHeight() const {
  TableDocumentView* view = ViewOf(frame_);
  return view != nullptr ? view->GetClientSize().y : HeadlessDesignView::kClientHeight;
}

void FrameDesignView::ScrollToOrigin() {
  if (TableDocumentView* view = ViewOf(frame_)) view->Scroll(0, 0);
  RefreshSoon();
}

void FrameDesignView::TableAdded(int index, bool show) { RefreshSoon(); }
void FrameDesignView::TableChanged(int index) { RefreshSoon(); }
void FrameDesignView::TableTreeTextChanged(int index, const std::string& treeText) {
  RefreshSoon();
}
void FrameDesignView::DesignCleared() { RefreshSoon(); }

void FrameDesignView::RefreshSoon() {
  // An open adds thousands of tables: the list is rebuilt once, afterwards.
  if (refreshPending_) return;
  refreshPending_ = true;
  frame_.CallAfter([this] {
    refreshPending_ = false;
    frame_.RefreshDesignViews();
  });
}

}  // namespace tablora
