#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <functional>

class wxTextCtrl;
class wxTreeCtrl;
class wxWindow;

namespace tablora {

class FlatTabCtrl;
class WorkBar;

/// The work box at the left of the main window: the docking bar "bar1" holding a tab
/// control with the two trees (ids 102 and 103) as pages "表设计(排序)" and "表设计(分组)".
class WorkBox {
 public:
  static constexpr int kBarId = 123;
  static constexpr int kTabId = 125;
  static constexpr int kTableTreeId = 102;
  static constexpr int kGroupTreeId = 103;
  static constexpr int kDefaultWidth = 230;
  static constexpr int kDefaultHeight = 260;

  explicit WorkBox(wxWindow* frame);

  /// The bar window the frame lays out.
  wxWindow* bar() const;
  wxTreeCtrl* tableTree() const { return tableTree_; }
  wxTreeCtrl* groupTree() const { return groupTree_; }
  /// The field below the trees whose text filters their tables ("筛选表").
  wxTextCtrl* filter() const { return filter_; }

  /// Called when the user closes the bar with its own close button.
  void SetOnClose(std::function<void()> onClose);
  /// Called when the user changed the bar's width.
  void SetOnResized(std::function<void()> onResized);

  int PageCount() const;
  int ActivePage() const;
  void SetActivePage(int page);
  /// The width the frame gives the bar while it is docked at the left: the default
  /// width until the user drags the bar's edge.
  int WantedWidth() const;
  /// Where the bar's close button is on the screen.
  wxRect CloseButtonScreenRect() const;

 private:
  WorkBar* bar_ = nullptr;
  FlatTabCtrl* tabs_ = nullptr;
  wxTreeCtrl* tableTree_ = nullptr;
  wxTreeCtrl* groupTree_ = nullptr;
  wxTextCtrl* filter_ = nullptr;
  std::function<void()> onClose_;
  std::function<void()> onResized_;
};

}  // namespace tablora
