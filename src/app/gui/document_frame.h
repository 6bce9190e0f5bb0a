#pragma once

#include <wx/mdi.h>

#include <string>

namespace tablora {

class TableDocumentView;

/// One document window. Documents hold no data: the title decides what the view shows
/// ("表视图": the design; any other title: the procedure view, empty for now).
class DocumentFrame : public wxMDIChildFrame {
 public:
  /// `title` is code page 936. `view` is the window the frame shows (owned by the frame).
  DocumentFrame(wxMDIParentFrame* parent, const std::string& title);

  const std::string& title() const { return title_; }
  bool IsDesignView() const;
  /// The design view, or nullptr in any other document.
  TableDocumentView* tableView() const { return tableView_; }
  void SetTableView(TableDocumentView* view) { tableView_ = view; }

 private:
  std::string title_;
  TableDocumentView* tableView_ = nullptr;
};

}  // namespace tablora
