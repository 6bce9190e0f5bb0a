#pragma once

#include <string>
#include <vector>

#include <wx/combobox.h>

#include "ui/gui/in_place_edit.h"

namespace tablora {

/// The drop-down list the grid opens over a cell of a list column. Its edit part starts
/// with the cell text (the matching item selected when there is one). Tab and Enter end
/// editing with the shown text, Escape restores the initial text, Ctrl with an arrow or
/// page key ends it too; losing the focus ends it, except to its own drop-down.
class InPlaceList : public wxComboBox {
 public:
  /// `rect` is the cell's rectangle in the grid's client coordinates; `items` are code
  /// page 936 texts.
  InPlaceList(wxWindow* grid, const wxRect& rect, const wxFont& font,
              const std::vector<std::string>& items, const wxString& initialText,
              InPlaceCallbacks callbacks);

  /// Ends editing with the shown text, as focus loss does. Safe to call twice.
  void EndEdit(int key = 0);
  const wxString& InitialText() const { return initialText_; }
  bool Ended() const { return ended_; }

  /// Width for the widest item: its text + two blanks + a vertical scroll bar.
  static int WidthForItems(const wxWindow& window, const wxArrayString& items);

 private:
  void OnCharHook(wxKeyEvent& event);
  void OnKillFocus(wxFocusEvent& event);

  wxString initialText_;
  bool ended_ = false;
  bool droppedDown_ = false;
  InPlaceCallbacks callbacks_;
};

}  // namespace tablora
