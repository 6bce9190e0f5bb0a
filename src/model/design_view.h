#pragma once

#include <string>

namespace tablora {

/// The design's window side: the diagram view with its table windows and the work box
/// trees. The window program implements it; without windows HeadlessDesignView stands in.
class DesignView {
 public:
  virtual ~DesignView() = default;

  /// False when no design view is open (tables are then not created).
  virtual bool IsOpen() const = 0;
  /// Client size of the view in pixels.
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  /// Total scroll height in pixels.
  virtual int ScrollHeight() const = 0;
  /// Sets the scroll sizes: total width 10000 and this height, page 100 x 100, line 10 x 10.
  virtual void SetScrollHeight(int totalHeight) = 0;
  /// Repaints the whole view and scrolls it to its origin.
  virtual void ScrollToOrigin() = 0;

  /// Table `index` was appended, its editor filled and its definition (if any) built:
  /// create its window at its entry's rectangle and its tree item, and show "表(%d)" with
  /// the table count on the tables node; `show` when its editor sheet is to be shown.
  /// No other note about the table comes before this one.
  virtual void TableAdded(int index, bool show) = 0;
  /// Table `index`'s definition changed: redraw its window.
  virtual void TableChanged(int index) = 0;
  /// The text of table `index`'s tree item changed.
  virtual void TableTreeTextChanged(int index, const std::string& treeText) = 0;
  /// The user moved or resized table `index`'s window, flipped its full height or changed
  /// its colours: the design changed. The window side draws such changes itself.
  virtual void TableWindowChanged(int index) {}
  /// Every table, window and editor was released.
  virtual void DesignCleared() = 0;
  /// Table `index` is gone with its window and editor; the tables after it moved down one
  /// index.
  virtual void TableRemoved(int index) {}
  /// A removed table came back at `index` (undo): the tables from there on moved up one
  /// index; create its window at its entry's rectangle and its tree items.
  virtual void TableInserted(int index) {}
  /// Table `index`'s rectangle, colours and full height were set from its entry (undo and
  /// redo): show the window as its entry now says.
  virtual void TableWindowSet(int index) {}
  /// The changes reported until the matching ChangesEnd are one step for the user (one
  /// step of the undo history), named `name` (code page 936).
  /// The view moved or sized table `index`'s window by itself (fitted to its content, or
  /// pushed aside by a neighbour that grew): not a change the user made.
  virtual void TableWindowFitted(int index) {}
  virtual void ChangesBegin(const std::string& name) {}
  virtual void ChangesEnd() {}
  /// A script was opened or a schema imported: the group tree is rebuilt from the
  /// tables' groups, the table tree names its tables by both names and lists the
  /// procedures.
  virtual void DesignLoaded() {}
  /// An import appended tables: lay every table window out again as arrange does, with
  /// the current tables per row and window width, in table-list order.
  virtual void ArrangeDesign() {}
  /// The root items of the table tree and the group tree get `text` (code page 936).
  virtual void SetRootTexts(const std::string& text) {}
};

/// The view of a design without windows: always open, 1000 x 700 pixels of client area,
/// a scroll height starting at 1000 (the view's first scroll size).
class HeadlessDesignView : public DesignView {
 public:
  static constexpr int kClientWidth = 1000;
  static constexpr int kClientHeight = 700;
  static constexpr int kInitialScrollHeight = 1000;

  bool IsOpen() const override { return true; }
  int ClientWidth() const override { return kClientWidth; }
  int ClientHeight() const override { return kClientHeight; }
  int ScrollHeight() const override { return scrollHeight_; }
  void SetScrollHeight(int totalHeight) override { scrollHeight_ = totalHeight; }
  void ScrollToOrigin() override {}
  void TableAdded(int index, bool show) override {}
  void TableChanged(int index) override {}
  void TableTreeTextChanged(int index, const std::string& treeText) override {}
  void DesignCleared() override {}

 private:
  int scrollHeight_ = kInitialScrollHeight;
};

}  // namespace tablora
