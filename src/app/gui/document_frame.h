#pragma once

#include <wx/mdi.h>

#include <string>

class wxTextCtrl;

namespace tablora {

class DesignCanvas;

/// One document window. Documents hold no data: the title decides what the view shows
/// ("表视图": the design; any other title: the procedure view, empty for now).
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
  /// The design view, or nullptr in any other document.
  DesignCanvas* tableView() const { return tableView_; }
  void SetTableView(DesignCanvas* view) { tableView_ = view; }
  /// Shows a procedure's text (code page 936) in the procedure view, made on first use.
  void ShowProcedureText(const std::string& text);
  /// The procedure view's text (UTF-8); empty when it shows none.
  std::string ProcedureTextUtf8() const;

 private:
  std::string title_;
  std::string caption_;
  DesignCanvas* tableView_ = nullptr;
  wxTextCtrl* procedureText_ = nullptr;
};

}  // namespace tablora
