#pragma once

#include <map>

#include <wx/gdicmn.h>

#include "model/design_view.h"

namespace tablora {

class DesignCanvas;
class MainFrame;
class TableEditorSheet;

/// The design's window side in the program: the document "表视图" with its canvas, and the
/// table editor sheets. Asking whether the view is open reopens the design window when it
/// was closed, so that new tables always have a window to go to.
class FrameDesignView : public DesignView {
 public:
  explicit FrameDesignView(MainFrame& frame) : frame_(frame) {}
  /// The pixels GTK's tab book takes from the width of the document windows' page.
  static constexpr int kTabBookFrame = 2;
  ~FrameDesignView() override;

  bool IsOpen() const override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  int ScrollHeight() const override { return scrollHeight_; }
  /// Sets the canvases' scroll height (they grow further to hold every window).
  void SetScrollHeight(int totalHeight) override;
  void ScrollToOrigin() override;
  void TableAdded(int index, bool show) override;
  void TableChanged(int index) override;
  void TableTreeTextChanged(int index, const std::string& treeText) override;
  void DesignCleared() override;
  void TableRemoved(int index) override;
  void TableInserted(int index) override;
  void TableWindowSet(int index) override;
  void DesignLoaded() override;
  void ArrangeDesign() override;
  void SetRootTexts(const std::string& text) override;

  /// Shows table `index`'s editor sheet, making its window when it is first shown.
  void ShowSheet(int index);
  /// The sheet of table `index` when one was made, else nullptr.
  TableEditorSheet* Sheet(int index) const;
  /// The canvas of the design window (reopened when closed); nullptr without a session.
  DesignCanvas* Canvas() const;

 private:
  wxSize ClientSize() const;
  void RefreshSoon();
  void DestroySheets();
  /// A sheet was closed: a new table left blank goes again (a new table the user let go).
  void SheetClosed(TableEditorSheet* sheet);

  MainFrame& frame_;
  int scrollHeight_ = HeadlessDesignView::kInitialScrollHeight;
  bool refreshPending_ = false;
  std::map<int, TableEditorSheet*> sheets_;
};

}  // namespace tablora
