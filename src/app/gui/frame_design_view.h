#pragma once

#include "model/design_view.h"

namespace tablora {

class MainFrame;

/// The design's window side in the program: the document "表视图" and its view. Asking
/// whether the view is open reopens the design window when it was closed, so that new
/// tables always have a window to go to.
class FrameDesignView : public DesignView {
 public:
  explicit FrameDesignView(MainFrame& frame) : frame_(frame) {}

  bool IsOpen() const override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  int ScrollHeight() const override { return scrollHeight_; }
  void SetScrollHeight(int totalHeight) override { scrollHeight_ = totalHeight; }
  void ScrollToOrigin() override;
  void TableAdded(int index, bool show) override;
  void TableChanged(int index) override;
  void TableTreeTextChanged(int index, const std::string& treeText) override;
  void DesignCleared() override;

 private:
  void RefreshSoon();

  MainFrame& frame_;
  int scrollHeight_ = HeadlessDesignView::kInitialScrollHeight;
  bool refreshPending_ = false;
};

}  // namespace tablora
