#include "ui/gui/drop_list.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>

#include "ui/drop_list_rules.h"
#include "ui/grid_scroll.h"

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
      shown_(DropListRules::ShownItems(static_cast<int>(items.size()))),
      picked_(std::move(picked)) {
  SetFont(font);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &DropList::OnPaint, this);
  Bind(wxEVT_MOTION, &DropList::OnMotion, this);
  Bind(wxEVT_LEFT_DOWN, &DropList::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &DropList::OnLeftDown, this);
  Bind(wxEVT_MOUSEWHEEL, &DropList::OnWheel, this);
}

void DropList::Open(const wxRect& cell, int width, int current) {
  const int display = wxDisplay::GetFromPoint(cell.GetTopLeft());
  const wxRect screen =
      wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
  const DropPlacement place = DropListRules::Place(
      PixelRect{cell.x, cell.y, cell.width, cell.height}, width, static_cast<int>(items_.size()),
      itemHeight_, kBorder, PixelRect{screen.x, screen.y, screen.width, screen.height});
  shown_ = place.shownItems;
  SetSize(place.rect.x, place.rect.y, place.rect.width, place.rect.height);
  const int count = static_cast<int>(items_.size());
  if (count > shown_) {
    if (scrollBar_ == nullptr) {
      scrollBar_ = new wxScrollBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
      for (const auto& type :
           {wxEVT_SCROLL_CHANGED, wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_LINEUP,
            wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN}) {
        scrollBar_->Bind(type, &DropList::OnScrollBar, this);
      }
    }
    const int barWidth = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    scrollBar_->SetSize(place.rect.width - kBorder - barWidth, kBorder, barWidth,
                        place.rect.height - 2 * kBorder);
    scrollBar_->SetScrollbar(0, shown_, count, std::max(1, shown_ - 1));
    scrollBar_->Show();
  } else if (scrollBar_ != nullptr) {
    scrollBar_->Hide();
  }
  // From the top, as far down as the current item needs.
  highlight_ = -1;
  top_ = -1;
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
  const bool bar = scrollBar_ != nullptr && scrollBar_->IsShown();
  const int barWidth = bar ? wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) : 0;
  return std::max(0, GetClientSize().x - 2 * kBorder - barWidth);
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
  if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) return;
  // As many items a notch as the grid scrolls rows.
  const WheelScroll scroll =
      GridScroll::Wheel(event.GetWheelRotation(), GridScroll::kDefaultWheelLines);
  ScrollToItem(top_ + (scroll.byPage ? scroll.steps * shown_ : scroll.steps));
}

void DropList::OnScrollBar(wxScrollEvent& event) { ScrollToItem(event.GetPosition()); }

}  // namespace tablora
