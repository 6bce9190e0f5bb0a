#include "ui/gui/in_place_list.h"

#include <algorithm>

#include <wx/settings.h>

#include "ui/gui/grid_renderer.h"

namespace tablora {

namespace {

wxArrayString ToChoices(const std::vector<std::string>& items) {
  wxArrayString choices;
  for (const std::string& item : items) choices.Add(to_wx(item));
  return choices;
}

}  // namespace

int InPlaceList::WidthForItems(const wxWindow& window, const wxArrayString& items) {
  int widest = 0;
  for (const wxString& item : items) widest = std::max(widest, window.GetTextExtent(item).x);
  return widest + 2 * window.GetTextExtent(" ").x +
         wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &window);
}

InPlaceList::InPlaceList(wxWindow* grid, const wxRect& rect, const wxFont& font,
                         const std::vector<std::string>& items, const wxString& initialText,
                         InPlaceCallbacks callbacks)
    : wxComboBox(grid, InPlaceEdit::kId, wxEmptyString, rect.GetPosition(), wxDefaultSize,
                 ToChoices(items), wxCB_DROPDOWN | wxTE_PROCESS_ENTER),
      initialText_(initialText),
      callbacks_(std::move(callbacks)) {
  SetFont(font);
  const int index = FindString(initialText, true);
  if (index != wxNOT_FOUND) {
    SetSelection(index);
  } else {
    ChangeValue(initialText);
  }
  // A native combo box has a minimum height of its own; it may cover part of the next row.
  const int width = std::max(rect.width, WidthForItems(*this, GetStrings()) + GetBestSize().y);
  SetSize(rect.x, rect.y, width, std::max(rect.height, GetBestSize().y));
  Bind(wxEVT_CHAR_HOOK, &InPlaceList::OnCharHook, this);
  Bind(wxEVT_KILL_FOCUS, &InPlaceList::OnKillFocus, this);
  Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& e) {
    droppedDown_ = true;
    e.Skip();
  });
  Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& e) {
    droppedDown_ = false;
    SetFocus();
    e.Skip();
  });
  Bind(wxEVT_TEXT, [this](wxCommandEvent& e) {
    if (!ended_ && callbacks_.changed) callbacks_.changed(GetValue());
    e.Skip();
  });
  SetFocus();
}

void InPlaceList::EndEdit(int key) {
  if (ended_) return;
  ended_ = true;
  if (callbacks_.ended) callbacks_.ended(GetValue(), key);
}

void InPlaceList::OnCharHook(wxKeyEvent& event) {
  const EditKey key = ToEditKey(event.GetKeyCode());
  if (key == EditKey::kEscape) {
    ChangeValue(initialText_);
    EndEdit(event.GetKeyCode());
    return;
  }
  if (key == EditKey::kTab || key == EditKey::kEnter ||
      (key == EditKey::kArrowOrPage && event.ControlDown())) {
    EndEdit(event.GetKeyCode());
    return;
  }
  event.Skip();
}

void InPlaceList::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  if (droppedDown_) return;  // the focus went to the list's own popup
  EndEdit(0);
}

}  // namespace tablora
