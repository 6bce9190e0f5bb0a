#include "ui/gui/work_bar.h"

#include <wx/dcbuffer.h>
#include <wx/fontenum.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdlib>

#include "ui/bar_place.h"

namespace tablora {

namespace {

wxRect ToWxRect(const PixelRect& r) { return wxRect(r.x, r.y, r.width, r.height); }

wxColour Sys(wxSystemColour which) { return wxSystemSettings::GetColour(which); }

/// "Tahoma" when installed, otherwise a face with Chinese glyphs, at 9 points.
wxFont CaptionFont() {
  static const char* const kFaces[] = {"Tahoma", "WenQuanYi Micro Hei", "SimSun"};
  for (const char* face : kFaces) {
    if (wxFontEnumerator::IsValidFacename(face)) return wxFont(wxFontInfo(9).FaceName(face));
  }
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(9);
  return font;
}

/// A one-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void Draw3dFrame(wxDC& dc, const wxRect& r, const wxColour& topLeft, const wxColour& bottomRight) {
  if (r.width <= 0 || r.height <= 0) return;
  dc.SetPen(wxPen(topLeft));
  dc.DrawLine(r.x, r.y, r.GetRight(), r.y);
  dc.DrawLine(r.x, r.y, r.x, r.GetBottom());
  dc.SetPen(wxPen(bottomRight));
  dc.DrawLine(r.x, r.GetBottom(), r.GetRight() + 1, r.GetBottom());
  dc.DrawLine(r.GetRight(), r.y, r.GetRight(), r.GetBottom() + 1);
}

bool DockedAtSide(BarDock dock) { return dock == BarDock::kLeft || dock == BarDock::kRight; }

}  // namespace

WorkBar::WorkBar(wxWindow* parent, wxWindowID id, const wxSize& defaultSize)
    : m_wanted(defaultSize) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Create(parent, id, wxDefaultPosition, defaultSize,
         wxBORDER_NONE | wxCLIP_CHILDREN | wxFULL_REPAINT_ON_RESIZE, "bar1");
  m_captionFont = CaptionFont();
  SetFont(m_captionFont);
  Bind(wxEVT_PAINT, &WorkBar::OnPaint, this);
  Bind(wxEVT_SIZE, &WorkBar::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &WorkBar::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &WorkBar::OnLeftDClick, this);
  Bind(wxEVT_LEFT_UP, &WorkBar::OnLeftUp, this);
  Bind(wxEVT_MOTION, &WorkBar::OnMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &WorkBar::OnLeave, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &WorkBar::OnCaptureLost, this);
}

void WorkBar::SetClient(wxWindow* client) {
  m_client = client;
  if (m_client != nullptr && m_client->GetParent() != this) m_client->Reparent(this);
  PlaceClient();
}

void WorkBar::SetOnClose(std::function<void()> f) { m_onClose = std::move(f); }

void WorkBar::SetOnResized(std::function<void()> f) { m_onResized = std::move(f); }

void WorkBar::SetOnGripperDrag(std::function<void(GripperDrag, const wxPoint&)> f) {
  m_onGripperDrag = std::move(f);
}

void WorkBar::SetOnGripperDoubleClick(std::function<void()> f) {
  m_onGripperDoubleClick = std::move(f);
}

void WorkBar::SetDock(BarDock dock) {
  m_dock = dock;
  PlaceClient();
  Refresh();
}

void WorkBar::SetFloating(bool floating) {
  m_floating = floating;
  PlaceClient();
  Refresh();
}

wxRect WorkBar::GetCloseButtonRect() const { return ToWxRect(CurrentLayout().close); }

wxRect WorkBar::GetSashRect() const { return ToWxRect(CurrentLayout().sash); }

wxRect WorkBar::GetGripperRect() const { return ToWxRect(CurrentLayout().gripper); }

wxRect WorkBar::GetClientArea() const { return ToWxRect(CurrentLayout().client); }

wxSize WorkBar::DoGetBestSize() const { return m_wanted; }

BarLayout WorkBar::CurrentLayout() const {
  const wxSize size = GetClientSize();
  return bar_layout::Compute(size.x, size.y, m_dock, m_floating);
}

void WorkBar::PlaceClient() {
  if (m_client != nullptr) m_client->SetSize(GetClientArea());
}

void WorkBar::OnSize(wxSizeEvent& event) {
  PlaceClient();
  Refresh();
  event.Skip();
}

void WorkBar::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(Sys(wxSYS_COLOUR_BTNFACE)));
  dc.Clear();
  const BarLayout layout = CurrentLayout();
  const wxColour highlight = Sys(wxSYS_COLOUR_BTNHIGHLIGHT);
  const wxColour shadow = Sys(wxSYS_COLOUR_BTNSHADOW);

  // The gripper: two parallel raised lines, each three pixels across.
  const wxRect lines = ToWxRect(layout.lines);
  if (layout.linesHorizontal) {
    const int y = lines.y + (lines.height - 7) / 2;
    Draw3dFrame(dc, wxRect(lines.x, y, lines.width, 3), highlight, shadow);
    Draw3dFrame(dc, wxRect(lines.x, y + 4, lines.width, 3), highlight, shadow);
  } else {
    const int x = lines.x + (lines.width - 7) / 2;
    Draw3dFrame(dc, wxRect(x, lines.y, 3, lines.height), highlight, shadow);
    Draw3dFrame(dc, wxRect(x + 4, lines.y, 3, lines.height), highlight, shadow);
  }

  // The close button: a small raised button with an "x", sunken while held down.
  const wxRect close = ToWxRect(layout.close);
  const bool pressed = m_action == Action::kClosePressed && m_closeHot;
  Draw3dFrame(dc, close, pressed ? shadow : highlight, pressed ? highlight : shadow);
  const int shift = pressed ? 1 : 0;
  const int x0 = close.x + 3 + shift;
  const int y0 = close.y + 3 + shift;
  const int span = close.width - 7;
  dc.SetPen(wxPen(Sys(wxSYS_COLOUR_BTNTEXT)));
  for (int thick = 0; thick < 2; ++thick) {
    dc.DrawLine(x0 + thick, y0, x0 + thick + span + 1, y0 + span + 1);
    dc.DrawLine(x0 + thick + span, y0, x0 + thick - 1, y0 + span + 1);
  }

  // The sash: a raised edge the user can take hold of.
  const wxRect sash = ToWxRect(layout.sash);
  Draw3dFrame(dc, sash, highlight, shadow);
  if (m_floating) {
    // A window of its own: the lower sash, and a dark outline around the whole bar.
    Draw3dFrame(dc, ToWxRect(layout.lowerSash), highlight, shadow);
    dc.SetPen(wxPen(Sys(wxSYS_COLOUR_3DDKSHADOW)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(wxRect(GetClientSize()));
  }
}

void WorkBar::OnLeftDown(wxMouseEvent& event) {
  const BarHit hit = bar_layout::HitTest(CurrentLayout(), event.GetX(), event.GetY());
  if (m_action != Action::kNone) return;
  if (hit == BarHit::kClose) {
    m_action = Action::kClosePressed;
    m_closeHot = true;
    CaptureMouse();
    Refresh();
  } else if (hit == BarHit::kSash || hit == BarHit::kLowerSash) {
    m_action = Action::kSashDrag;
    m_lowerSash = hit == BarHit::kLowerSash;
    m_dragStart = ClientToScreen(event.GetPosition());
    const bool across = m_floating ? !m_lowerSash : DockedAtSide(m_dock);
    m_dragStartExtent = across ? GetSize().x : GetSize().y;
    CaptureMouse();
  } else if (hit == BarHit::kGripper) {
    m_action = Action::kGripperPressed;
    m_grab = event.GetPosition();
    m_dragStart = ClientToScreen(event.GetPosition());
    CaptureMouse();
  }
}

void WorkBar::OnLeftDClick(wxMouseEvent& event) {
  const BarHit hit = bar_layout::HitTest(CurrentLayout(), event.GetX(), event.GetY());
  if (hit == BarHit::kGripper && m_action == Action::kNone) {
    if (m_onGripperDoubleClick) m_onGripperDoubleClick();
    return;
  }
  OnLeftDown(event);
}

void WorkBar::DragSash(const wxPoint& now) {
  // Floating, the right sash works as the left-docked bar's and the lower one as the
  // top-docked bar's; both resize the window the bar fills.
  const BarDock as = m_floating ? (m_lowerSash ? BarDock::kTop : BarDock::kLeft) : m_dock;
  const bool side = DockedAtSide(as);
  int maximum = bar_place::kMaximumExtent;
  if (!m_floating && GetParent() != nullptr) {
    const wxSize room = GetParent()->GetClientSize();
    maximum = (side ? room.x : room.y) - kMinimumExtent;
  }
  const int extent = bar_layout::DraggedExtent(as, m_dragStartExtent, now.x - m_dragStart.x,
                                               now.y - m_dragStart.y, kMinimumExtent, maximum);
  const int current = side ? GetSize().x : GetSize().y;
  if (extent == current) return;
  if (m_floating) {
    wxWindow* window = wxGetTopLevelParent(this);
    const wxSize size = side ? wxSize(extent, GetSize().y) : wxSize(GetSize().x, extent);
    if (window != nullptr && window != this) window->SetClientSize(size);
    SetSize(size);
  } else if (side) {
    m_wanted.x = extent;
    SetSize(wxSize(extent, GetSize().y));
  } else {
    m_wanted.y = extent;
    SetSize(wxSize(GetSize().x, extent));
  }
  InvalidateBestSize();
  if (m_onResized) m_onResized();
}

void WorkBar::OnMotion(wxMouseEvent& event) {
  const BarLayout layout = CurrentLayout();
  if (m_action == Action::kClosePressed) {
    const bool hot = layout.close.Contains(event.GetX(), event.GetY());
    if (hot != m_closeHot) {
      m_closeHot = hot;
      Refresh();
    }
    return;
  }
  const wxPoint now = ClientToScreen(event.GetPosition());
  if (m_action == Action::kSashDrag) {
    DragSash(now);
    return;
  }
  if (m_action == Action::kGripperPressed) {
    if (std::abs(now.x - m_dragStart.x) < bar_place::kDragThreshold &&
        std::abs(now.y - m_dragStart.y) < bar_place::kDragThreshold) {
      return;
    }
    m_action = Action::kGripperDrag;
    SetCursor(wxCursor(wxCURSOR_SIZING));
  }
  if (m_action == Action::kGripperDrag) {
    if (m_onGripperDrag) m_onGripperDrag(GripperDrag::kMove, now);
    return;
  }
  const BarHit hit = bar_layout::HitTest(layout, event.GetX(), event.GetY());
  if (hit == BarHit::kSash) {
    SetCursor(wxCursor(m_floating || DockedAtSide(m_dock) ? wxCURSOR_SIZEWE : wxCURSOR_SIZENS));
  } else if (hit == BarHit::kLowerSash) {
    SetCursor(wxCursor(wxCURSOR_SIZENS));
  } else {
    SetCursor(wxNullCursor);
  }
}

void WorkBar::OnLeftUp(wxMouseEvent& event) {
  const Action action = m_action;
  const bool insideClose = CurrentLayout().close.Contains(event.GetX(), event.GetY());
  EndMouseAction();
  if (action == Action::kGripperDrag && m_onGripperDrag) {
    m_onGripperDrag(GripperDrag::kDrop, ClientToScreen(event.GetPosition()));
  }
  if (action == Action::kClosePressed && insideClose) {
    if (m_onClose) {
      m_onClose();
    } else {
      Hide();
    }
  }
}

void WorkBar::OnLeave(wxMouseEvent& event) {
  if (m_action == Action::kNone) SetCursor(wxNullCursor);
  event.Skip();
}

void WorkBar::OnCaptureLost(wxMouseCaptureLostEvent&) {
  const Action action = m_action;
  m_action = Action::kNone;
  if (action == Action::kGripperDrag && m_onGripperDrag) {
    m_onGripperDrag(GripperDrag::kCancel, wxGetMousePosition());
  }
  m_closeHot = false;
  Refresh();
}

void WorkBar::EndMouseAction() {
  if (m_action == Action::kNone) return;
  if (m_action == Action::kGripperDrag) SetCursor(wxNullCursor);
  m_action = Action::kNone;
  m_closeHot = false;
  if (HasCapture()) ReleaseMouse();
  Refresh();
}

}  // namespace tablora
