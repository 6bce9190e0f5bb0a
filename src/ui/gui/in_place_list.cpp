#include "ui/gui/in_place_list.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

#include "base/gui/wx_text.h"
#include "ui/drop_list_rules.h"
#include "ui/gui/drop_list.h"

namespace tablora {

namespace {

wxArrayString ToChoices(const std::vector<std::string>& items) {
  wxArrayString choices;
  for (const std::string& item : items) choices.Add(to_wx(item));
  return choices;
}

int ArrowWidth(const wxWindow& window) {
  return std::max(16, wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &window));
}

}  // namespace

int InPlaceList::WidthForItems(const wxWindow& window, const wxArrayString& items) {
  int widest = 0;
  for (const wxString& item : items) widest = std::max(widest, window.GetTextExtent(item).x);
  return widest + 2 * window.GetTextExtent(" ").x + ArrowWidth(window);
}

InPlaceList::InPlaceList(wxWindow* grid, const wxRect& rect, const wxFont& font,
                         const std::vector<std::string>& items, const EditStart& start,
                         const wxString& initialText, InPlaceCallbacks callbacks)
    : wxWindow(grid, InPlaceEdit::kId, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE),
      items_(ToChoices(items)),
      itemBytes_(items),
      initialText_(initialText),
      grid_(grid),
      callbacks_(std::move(callbacks)) {
  SetFont(font);
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  text_ = new wxTextCtrl(this, wxID_ANY, to_wx(start.text), wxPoint(0, 0), rect.GetSize(),
                         wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB);
  text_->SetFont(font);
  // As wide as the widest item needs in the edit part (its own frame and padding included)
  // and exactly as high as the cell; inside the grid, so that a cell at its right edge has
  // the arrow moved left into view.
  const int arrow = ArrowWidth(*this);
  const int itemsText = WidthForItems(*this, items_) - arrow;
  const int width =
      std::max({rect.width, itemsText + arrow, text_->GetSizeFromTextSize(itemsText).x + arrow});
  const int x = std::max(0, std::min(rect.x, grid->GetClientSize().x - width));
  SetSize(x, rect.y, width, rect.height);
  text_->SetSize(0, 0, width - arrow, rect.height);
  text_->Bind(wxEVT_CHAR_HOOK, &InPlaceList::OnKey, this);
  text_->Bind(wxEVT_KILL_FOCUS, &InPlaceList::OnTextKillFocus, this);
  // Only typing sends this: the list's own changes of the text do not.
  text_->Bind(wxEVT_TEXT, [this](wxCommandEvent& e) {
    e.Skip();
    if (ended_) return;
    if (callbacks_.changed) callbacks_.changed(text_->GetValue());
    TypeAhead();
  });
  Bind(wxEVT_PAINT, &InPlaceList::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &InPlaceList::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &InPlaceList::OnLeftDown, this);
  text_->SetFocus();
  if (start.caret == EditCaret::kSelectAll) {
    text_->SelectAll();
  } else {
    text_->SetInsertionPointEnd();
  }
  // A key that opened the list is typed text: it leads to its item once the list is placed.
  if (to_wx(start.text) != initialText_) CallAfter([this] { TypeAhead(); });
}

InPlaceList::~InPlaceList() { HideList(); }

wxString InPlaceList::GetValue() const { return text_->GetValue(); }

int InPlaceList::GetSelection() const { return items_.Index(text_->GetValue(), true, false); }

void InPlaceList::SetSelection(int index) {
  if (index >= 0 && index < static_cast<int>(items_.size())) ShowText(items_[index]);
}

void InPlaceList::ShowText(const wxString& text) {
  if (text_->GetValue() == text) return;
  text_->ChangeValue(text);
  text_->SetInsertionPointEnd();
  if (callbacks_.changed) callbacks_.changed(text);
}

void InPlaceList::TypeAhead() {
  if (ended_) return;
  wxString typed = text_->GetValue();
  // Letters typed after an item that letters put in name the next item ("是" then "f").
  if (!namedItem_.empty() && typed.StartsWith(namedItem_) && typed.length() > namedItem_.length()) {
    typed = typed.Mid(namedItem_.length());
  }
  namedItem_.clear();
  const TypeAheadMatch match = DropListRules::TypeAhead(itemBytes_, from_wx(typed));
  if (match.index < 0) {
    if (IsListShown()) list_->SetHighlight(-1);
    return;
  }
  if (match.byInitials) {
    ShowText(items_[match.index]);
    namedItem_ = items_[match.index];
    // Selected, so that the next letter replaces it (once the entry has placed its caret).
    CallAfter([this] {
      if (!ended_ && text_->GetValue() == namedItem_) text_->SelectAll();
    });
  }
  if (!IsListShown()) ShowList();
  if (IsListShown()) list_->SetHighlight(match.index);
}

wxRect InPlaceList::ArrowRect() const {
  const wxSize size = GetClientSize();
  const int width = ArrowWidth(*this);
  return wxRect(size.x - width, 0, width, size.y);
}

void InPlaceList::ShowList() {
  if (ended_ || items_.empty()) return;
  if (list_ == nullptr) {
    list_ = new DropList(this, items_, GetFont(), GetSize().y, [this](int index) { Pick(index); });
  }
  list_->Open(GetScreenRect(), GetSize().x, GetSelection());
  Refresh();
}

void InPlaceList::HideList() {
  if (list_ != nullptr && list_->IsOpen()) {
    list_->Close();
    Refresh();
  }
}

bool InPlaceList::IsListShown() const { return list_ != nullptr && list_->IsOpen(); }

void InPlaceList::Pick(int index) {
  SetSelection(index);
  HideList();
  EndEdit(0);
  // The cell has its item: the keyboard goes back to the grid.
  grid_->SetFocus();
}

void InPlaceList::EndEdit(int key) {
  if (ended_) return;
  HideList();
  ended_ = true;
  if (callbacks_.ended) callbacks_.ended(text_->GetValue(), key);
}

void InPlaceList::StepItem(int step) {
  if (items_.empty()) return;
  const int current = IsListShown() ? list_->Highlight() : GetSelection();
  const int last = static_cast<int>(items_.size()) - 1;
  const int next = current < 0 ? (step > 0 ? 0 : last) : std::clamp(current + step, 0, last);
  SetSelection(next);
  if (IsListShown()) list_->SetHighlight(next);
}

void InPlaceList::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxRect arrow = ArrowRect();
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
  dc.SetBrush(wxBrush(face));
  dc.SetPen(wxPen(shadow));
  dc.DrawRectangle(arrow);
  // A small triangle pointing down.
  const int half = std::max(2, std::min(arrow.width, arrow.height) / 4);
  const wxPoint centre(arrow.x + arrow.width / 2, arrow.y + arrow.height / 2);
  const wxPoint triangle[] = {wxPoint(centre.x - half, centre.y - half / 2),
                              wxPoint(centre.x + half, centre.y - half / 2),
                              wxPoint(centre.x, centre.y + half / 2 + 1)};
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawPolygon(3, triangle);
}

void InPlaceList::OnLeftDown(wxMouseEvent& event) {
  if (ArrowRect().Contains(event.GetPosition())) {
    if (IsListShown()) {
      HideList();
    } else {
      ShowList();
    }
  }
  if (wxWindow::FindFocus() != text_) text_->SetFocus();
}

void InPlaceList::OnKey(wxKeyEvent& event) {
  const int code = event.GetKeyCode();
  const bool down = code == WXK_DOWN || code == WXK_NUMPAD_DOWN;
  const bool up = code == WXK_UP || code == WXK_NUMPAD_UP;
  if (code == WXK_F4 || (event.AltDown() && (down || up))) {
    if (IsListShown()) {
      HideList();
    } else {
      ShowList();
    }
    return;
  }
  if (IsListShown()) {
    if (code == WXK_ESCAPE) {
      HideList();
      return;
    }
    if (code == WXK_PAGEUP || code == WXK_PAGEDOWN) {
      StepItem(code == WXK_PAGEUP ? -list_->ShownItems() : list_->ShownItems());
      return;
    }
  }
  const EditKey key = ToEditKey(code);
  if (key == EditKey::kEscape) {
    text_->ChangeValue(initialText_);
    EndEdit(code);
    return;
  }
  if (key == EditKey::kTab || key == EditKey::kEnter ||
      (key == EditKey::kArrowOrPage && event.ControlDown())) {
    EndEdit(code);
    return;
  }
  if (down || up) {
    StepItem(down ? 1 : -1);
    return;
  }
  event.Skip();
}

void InPlaceList::OnTextKillFocus(wxFocusEvent& event) {
  event.Skip();
  // Decide once the focus has settled: a click on the arrow or the list keeps the edit.
  CallAfter([this] {
    if (ended_) return;
    wxWindow* focus = wxWindow::FindFocus();
    if (focus == text_) return;
    if (focus == this || (list_ != nullptr && focus == list_)) {
      text_->SetFocus();
      return;
    }
    EndEdit(0);
  });
}

}  // namespace tablora
