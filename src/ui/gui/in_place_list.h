#pragma once

#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/window.h>

#include "ui/gui/in_place_edit.h"

class wxTextCtrl;

namespace tablora {

class DropList;

/// The drop-down list the grid opens over a cell of a list column: an edit part that
/// starts with the cell text (or the key that opened it) and an arrow button, both
/// exactly the cell's height, and an item list that opens below the cell on a click on
/// the arrow (or Alt+Down, F4). The edit part keeps the focus while the list is open; a
/// click on an item puts it into the cell and ends the edit. Typing opens the list at the
/// first item the text begins with; letters that name a Chinese item by its readings'
/// initials ("s" for 是) put that item in. Tab and Enter end editing with the shown text,
/// Escape closes an open list or else restores the initial text, Ctrl with an arrow or
/// page key ends it too; Up and Down step through the items; losing the focus ends it.
class InPlaceList : public wxWindow {
 public:
  /// `rect` is the cell's rectangle in the grid's client coordinates (kept inside the
  /// grid's width); `items` are code page 936 texts; `start` the text shown first.
  InPlaceList(wxWindow* grid, const wxRect& rect, const wxFont& font,
              const std::vector<std::string>& items, const EditStart& start,
              const wxString& initialText, InPlaceCallbacks callbacks);
  ~InPlaceList() override;

  /// Ends editing with the shown text, as focus loss does. Safe to call twice.
  void EndEdit(int key = 0);
  const wxString& InitialText() const { return initialText_; }
  bool Ended() const { return ended_; }

  wxString GetValue() const;
  unsigned GetCount() const { return static_cast<unsigned>(items_.size()); }
  const wxString& GetString(unsigned index) const { return items_[index]; }
  const wxArrayString& GetStrings() const { return items_; }
  /// The item equal to the shown text, or wxNOT_FOUND.
  int GetSelection() const;
  /// Shows item `index` in the edit part.
  void SetSelection(int index);

  void ShowList();
  void HideList();
  bool IsListShown() const;
  /// The open list (null before it was first opened).
  DropList* List() const { return list_; }
  wxTextCtrl* TextPart() const { return text_; }
  /// The arrow button in client coordinates.
  wxRect ArrowRect() const;

  /// The edit part has the focus; clicks on the arrow must not take it.
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }

  /// Width for the widest item: its text + two blanks + a vertical scroll bar.
  static int WidthForItems(const wxWindow& window, const wxArrayString& items);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnKey(wxKeyEvent& event);
  void OnTextKillFocus(wxFocusEvent& event);
  void Pick(int index);
  void ShowText(const wxString& text);
  /// Steps the shown item by `step`, from the item equal to the text.
  void StepItem(int step);
  /// Leads the list to the item the typed text names.
  void TypeAhead();

  wxArrayString items_;
  std::vector<std::string> itemBytes_;
  wxString namedItem_;  ///< the item typed letters put in, while it is shown
  wxString initialText_;
  wxTextCtrl* text_ = nullptr;
  DropList* list_ = nullptr;
  wxWindow* grid_;
  bool ended_ = false;
  InPlaceCallbacks callbacks_;
};

}  // namespace tablora
