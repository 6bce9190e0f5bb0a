#pragma once

#include <wx/mdi.h>

#include <string>

namespace tablora {

class CommandHost;
class DesignCanvas;
class ProcedureView;

/// One document window. Documents hold no data: the title decides what the view shows
/// ("表视图": the design; any other title: the procedure view). The view sits in the
/// window's body, which the tiled arrangement borrows while the documents stand side by side.
class DocumentFrame : public wxMDIChildFrame {
 public:
  /// `title` is the document's title, code page 936.
  DocumentFrame(wxMDIParentFrame* parent, const std::string& title);

  /// The document's title; several windows of one document share it.
  const std::string& title() const { return title_; }
  /// The window's own caption: the title, or "title:n" for the n-th window of a document
  /// that has several.
  std::string caption() const { return caption_; }
  void SetWindowNumber(int number);
  bool IsDesignView() const;
  /// The window every view of the document is made in (filled by its sizer).
  wxWindow* body() const { return body_; }
  /// Puts the body back into this window after the tiles borrowed it.
  void TakeBackBody();
  /// The design view, or nullptr in any other document.
  DesignCanvas* tableView() const { return tableView_; }
  /// `view` was made in body() and fills it.
  void SetTableView(DesignCanvas* view);
  /// Shows procedure `index` of `host`'s design in the procedure view, made on first use.
  void ShowProcedure(CommandHost& host, int index);
  /// The procedure view's text control, or nullptr before it shows a procedure.
  ProcedureView* procedureView() const { return procedureView_; }
  /// The procedure view's text (UTF-8); empty when it shows none.
  std::string ProcedureTextUtf8() const;

 private:
  std::string title_;
  std::string caption_;
  wxWindow* body_ = nullptr;
  DesignCanvas* tableView_ = nullptr;
  ProcedureView* procedureView_ = nullptr;
};

}  // namespace tablora
