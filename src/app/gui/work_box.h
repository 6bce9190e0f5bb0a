#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/bar_place.h"

class wxFrame;
class wxTextCtrl;
class wxTreeCtrl;
class wxWindow;

namespace tablora {

class DockPreview;
class FlatTabCtrl;
struct Settings;
class WorkBar;

/// The work box of the main window: the docking bar "bar1" holding a tab control with the
/// two trees (ids 102 and 103) as pages "表设计(排序)" and "表设计(分组)". It docks at any
/// edge of the frame's client area or floats as a small window of its own: the user drags
/// its gripper (an outline shows where it will land) or double-clicks the gripper. Every
/// change of place or size is written to the settings (`WorkBox`/`Place`).
class WorkBox {
 public:
  static constexpr int kBarId = 123;
  static constexpr int kTabId = 125;
  static constexpr int kTableTreeId = 102;
  static constexpr int kGroupTreeId = 103;
  static constexpr int kDefaultWidth = 230;
  static constexpr int kDefaultHeight = 260;

  /// Starts where `settings.workBoxPlace` says; writes changes to `settings` and its file.
  WorkBox(wxWindow* frame, Settings& settings);
  ~WorkBox();

  /// The bar window (inside the floating window while the work box floats).
  wxWindow* bar() const;
  const BarPlace& place() const { return place_; }
  /// Shown: docked and shown, or floating with its window shown.
  bool IsShown() const;
  /// Shows or hides the work box where it stands (docked, or its floating window).
  void Show(bool show);
  /// Places the docked bar in `area` (the frame's client coordinates) and returns what is
  /// left for the documents: all of `area` while the work box is hidden or floats.
  wxRect Layout(const wxRect& area);
  /// What Layout would leave for the documents, without moving anything.
  wxRect DocumentArea(const wxRect& area) const;
  /// Moves the bar to `place` (docked, or floating kept on a screen), writes the place to
  /// the settings and tells the frame.
  void MoveTo(const BarPlace& place);
  /// Floats a docked work box, or docks a floating one at the edge it last docked to.
  void ToggleFloating();
  /// The floating window, or nullptr while the work box is docked.
  wxFrame* floatingWindow() const;
  /// Where the gripper is on the screen.
  wxRect GripperScreenRect() const;
  /// The drag outline (shown only during a drag of the gripper).
  const DockPreview& preview() const { return *preview_; }
  /// Called when the place changed so that the frame lays itself out again.
  void SetOnPlaceChanged(std::function<void()> onPlaceChanged);
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
  /// The frame's client area on the screen.
  wxRect ScreenArea() const;
  void OnGripperDrag(int phase, const wxPoint& screen);
  void SyncSizes();
  void SavePlace();

  wxWindow* frame_;
  Settings& settings_;
  BarPlace place_;
  wxFrame* floating_ = nullptr;
  std::unique_ptr<DockPreview> preview_;
  std::function<void()> onPlaceChanged_;
  WorkBar* bar_ = nullptr;
  FlatTabCtrl* tabs_ = nullptr;
  wxTreeCtrl* tableTree_ = nullptr;
  wxTreeCtrl* groupTree_ = nullptr;
  wxTextCtrl* filter_ = nullptr;
  std::function<void()> onClose_;
  std::function<void()> onResized_;
};

}  // namespace tablora
