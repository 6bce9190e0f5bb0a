#pragma once

#include <wx/font.h>
#include <wx/window.h>

#include <functional>

#include "ui/tab_layout.h"

namespace tablora {

/// The work box's docking bar: a gripper (two 3D lines) with a close button at its
/// end, a sash on the inner edge that the user drags to resize the bar, and one client
/// window filling the rest. The owner places the bar (GetBestWidth) and hides it on
/// close; the bar only reports what the user did.
class WorkBar : public wxWindow {
 public:
  /// What a drag of the gripper is doing when it is reported.
  enum class GripperDrag { kMove, kDrop, kCancel };

  WorkBar(wxWindow* parent, wxWindowID id = 123, const wxSize& defaultSize = wxSize(230, 260));

  void SetClient(wxWindow* client);            // the one child filling the client area
  void SetOnClose(std::function<void()> f);    // close button released inside it
  void SetOnResized(std::function<void()> f);  // the user dragged a sash
  /// The gripper was dragged past the drag threshold: every move, then the drop (or a
  /// cancel when the mouse was taken away); the point is on the screen.
  void SetOnGripperDrag(std::function<void(GripperDrag, const wxPoint&)> f);
  void SetOnGripperDoubleClick(std::function<void()> f);
  /// Where in the bar the gripper was taken hold of (bar client coordinates).
  wxPoint GetGrabOffset() const { return m_grab; }

  /// The edge of the owner the bar is docked to; decides where the gripper and the
  /// sash are. Starts as kLeft.
  void SetDock(BarDock dock);
  BarDock GetDock() const { return m_dock; }
  /// Laid out as a floating window: gripper along the top, sashes on the right and at the
  /// bottom that resize the window the bar fills.
  void SetFloating(bool floating);
  bool IsFloating() const { return m_floating; }
  /// The width the owner should give the bar (starts at the default width, changed by
  /// dragging the sash when docked left or right).
  int GetBestWidth() const { return m_wanted.x; }
  /// The height the owner should give the bar when docked at the top or bottom.
  int GetBestHeight() const { return m_wanted.y; }
  /// Sets the width (docked left or right) and height (docked top or bottom) to give.
  void SetWantedSize(const wxSize& size) { m_wanted = size; }
  wxWindow* GetClient() const { return m_client; }
  wxRect GetCloseButtonRect() const;
  wxRect GetSashRect() const;
  wxRect GetGripperRect() const;
  wxRect GetClientArea() const;
  /// Smallest width (height when docked top or bottom) the sash can make.
  static constexpr int kMinimumExtent = 60;

 protected:
  wxSize DoGetBestSize() const override;

 private:
  BarLayout CurrentLayout() const;
  void PlaceClient();
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeave(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void EndMouseAction();

  void DragSash(const wxPoint& now);

  enum class Action { kNone, kClosePressed, kSashDrag, kGripperPressed, kGripperDrag };

  wxWindow* m_client = nullptr;
  std::function<void()> m_onClose;
  std::function<void()> m_onResized;
  std::function<void(GripperDrag, const wxPoint&)> m_onGripperDrag;
  std::function<void()> m_onGripperDoubleClick;
  BarDock m_dock = BarDock::kLeft;
  bool m_floating = false;
  bool m_lowerSash = false;  // the sash being dragged is the floating bar's bottom edge
  wxPoint m_grab;
  wxSize m_wanted;
  wxFont m_captionFont;
  Action m_action = Action::kNone;
  bool m_closeHot = false;  // pressed and the pointer still over the close button
  wxPoint m_dragStart;      // screen coordinates
  int m_dragStartExtent = 0;
};

}  // namespace tablora
