#include "ui/gui/drop_list.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>

namespace tablora {

namespace {
/// The one-pixel frame drawn around the items.
constexpr int kBorder = 1;
}  // namespace

DropList::DropList(wxWindow* owner, const wxArrayString& items, const wxFont& font, int itemHeight,
                   std::function<void(int index)> picked)
    : wxPopupWindow(owner, wxBORDER_NONE),
      items_(items),
      itemHeight_(std::max(1, itemHeight)),
      picked_(std::move(picked)) {
  SetFont(font);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (static_cast<int>(items_.size()) > kShownItems) {
    scrollBar_ = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    scrollBar_->SetScrollbar(0, kShownItems, static_cast<int>(items_.size()), kShownItems - 1);
    scrollBar_->Bind(wxEVT_SCROLL_CHANGED, &DropList::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_THUMBTRACK, &DropList::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_LINEUP, &DropList::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_LINEDOWN, &DropList::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_PAGEUP, &DropList::OnScrollBar, this);
    scrollBar_->Bind(wxEVT_SCROLL_PAGEDOWN, &DropList::OnScrollBar, this);
  }
  Bind(wxEVT_PAINT, &DropList::OnPaint, this);
  Bind(wxEVT_MOTION, &DropList::OnMotion, this);
  Bind(wxEVT_LEFT_DOWN, &DropList::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &DropList::OnLeftDown, this);
  Bind(wxEVT_MOUSEWHEEL, &DropList::OnWheel, this);
}

int DropList::ShownItems() const { return std::min(static_cast<int>(items_.size()), kShownItems); }

void DropList::Open(const wxPoint& screenTopLeft, int aboveY, int width, int current) {
  const int height = std::max(1, ShownItems()) * itemHeight_ + 2 * kBorder;
  wxPoint origin = screenTopLeft;
  const int display = wxDisplay::GetFromPoint(screenTopLeft);
  const wxRect screen =
      wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
  if (origin.y + height > screen.GetBottom() + 1 && aboveY - height >= screen.y) {
    origin.y = aboveY - height;
  }
  SetSize(origin.x, origin.y, width, height);
  if (scrollBar_ != nullptr) {
    const int barWidth = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    scrollBar_->SetSize(width - kBorder - barWidth, kBorder, barWidth, height - 2 * kBorder);
  }
  // From the top, as far down as the current item needs.
  highlight_ = -1;
  ScrollToItem(0);
  SetHighlight(current);
  Show();
  Raise();
  Refresh();
}

void DropList::Close() {
  if (IsShown()) Hide();
}

int DropList::ItemsWidth() const {
  const int bar = scrollBar_ != nullptr ? wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) : 0;
  return std::max(0, GetClientSize().x - 2 * kBorder - bar);
}

wxRect DropList::ItemRect(int index) const {
  if (index < top_ || index >= top_ + ShownItems()) return wxRect();
  return wxRect(kBorder, kBorder + (index - top_) * itemHeight_, ItemsWidth(), itemHeight_);
}

int DropList::ItemAt(const wxPoint& point) const {
  if (point.x < kBorder || point.x >= kBorder + ItemsWidth() || point.y < kBorder) return -1;
  const int row = (point.y - kBorder) / itemHeight_;
  if (row >= ShownItems()) return -1;
  const int index = top_ + row;
  return index < static_cast<int>(items_.size()) ? index : -1;
}

void DropList::ScrollToItem(int index) {
  const int last = std::max(0, static_cast<int>(items_.size()) - ShownItems());
  const int top = std::clamp(index, 0, last);
  if (top == top_) return;
  top_ = top;
  if (scrollBar_ != nullptr) scrollBar_->SetThumbPosition(top_);
  Refresh();
}

void DropList::SetHighlight(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index >= 0 && index < top_) ScrollToItem(index);
  if (index >= top_ + ShownItems()) ScrollToItem(index - ShownItems() + 1);
  if (index == highlight_) return;
  highlight_ = index;
  Refresh();
}

void DropList::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX)));
  dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWFRAME)));
  dc.DrawRectangle(0, 0, size.x, size.y);
  dc.SetFont(GetFont());
  const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT);
  const wxColour selectedBack = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
  const wxColour selectedText = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
  const int blank = dc.GetTextExtent(" ").x;
  for (int index = top_; index < top_ + ShownItems(); ++index) {
    const wxRect rect = ItemRect(index);
    const bool highlighted = index == highlight_;
    if (highlighted) {
      dc.SetBrush(wxBrush(selectedBack));
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.DrawRectangle(rect);
    }
    dc.SetTextForeground(highlighted ? selectedText : text);
    wxDCClipper clip(dc, rect);
    dc.DrawText(items_[index], rect.x + blank, rect.y + (rect.height - dc.GetCharHeight()) / 2);
  }
}

void DropList::OnMotion(wxMouseEvent& event) {
  const int index = ItemAt(event.GetPosition());
  if (index >= 0) SetHighlight(index);
}

void DropList::OnLeftDown(wxMouseEvent& event) {
  const int index = ItemAt(event.GetPosition());
  if (index < 0) return;
  SetHighlight(index);
  if (picked_) picked_(index);
}

void DropList::OnWheel(wxMouseEvent& event) {
  const int delta =
      event.GetWheelDelta() > 0 ? event.GetWheelRotation() / event.GetWheelDelta() : 0;
  ScrollToItem(top_ - delta);
}

void DropList::OnScrollBar(wxScrollEvent& event) { ScrollToItem(event.GetPosition()); }

}  // namespace tablora
