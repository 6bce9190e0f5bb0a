#include "ui/gui/title_tip.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

namespace tablora {

TitleTip::TitleTip(wxWindow* grid) : wxPopupWindow(grid, wxBORDER_SIMPLE), grid_(grid) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &TitleTip::OnPaint, this);
  Bind(wxEVT_MOTION, &TitleTip::OnMouse, this);
  Bind(wxEVT_LEAVE_WINDOW, &TitleTip::OnMouse, this);
  Bind(wxEVT_LEFT_DOWN, &TitleTip::OnMouse, this);
  Bind(wxEVT_RIGHT_DOWN, &TitleTip::OnMouse, this);
  Bind(wxEVT_MIDDLE_DOWN, &TitleTip::OnMouse, this);
  Bind(wxEVT_LEFT_DCLICK, &TitleTip::OnMouse, this);
}

void TitleTip::ShowTip(const wxRect& cellRect, const wxString& text, const wxFont& font,
                       const wxColour& textColour, const wxColour& backColour) {
  if (IsShown()) return;
  text_ = " " + text + " ";
  cellRect_ = cellRect;
  textColour_ = textColour;
  backColour_ = backColour;
  SetFont(font);
  const wxSize extent = GetTextExtent(text_);
  const wxPoint origin = grid_->ClientToScreen(cellRect.GetPosition());
  SetSize(origin.x, origin.y, extent.x + 2, cellRect.height);
  Show();
  Refresh();
}

void TitleTip::HideTip() {
  if (IsShown()) Hide();
}

void TitleTip::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const wxSize client = GetClientSize();
  dc.SetBrush(wxBrush(backColour_));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(0, 0, client.x, client.y);
  dc.SetFont(GetFont());
  dc.SetTextForeground(textColour_);
  dc.DrawText(text_, 0, (client.y - dc.GetCharHeight()) / 2);
}

void TitleTip::OnMouse(wxMouseEvent& event) {
  const wxPoint onGrid = grid_->ScreenToClient(ClientToScreen(event.GetPosition()));
  const bool button = event.ButtonDown() || event.ButtonDClick();
  if (event.Moving() && cellRect_.Contains(onGrid)) return;
  HideTip();
  // The move or click belongs to the grid under the tip.
  wxMouseEvent forwarded(event);
  forwarded.SetEventObject(grid_);
  forwarded.SetPosition(onGrid);
  if (button || event.Moving()) grid_->GetEventHandler()->ProcessEvent(forwarded);
}

}  // namespace tablora
