#pragma once

#include <wx/popupwin.h>

namespace tablora {

/// The small borderless popup that shows the whole text of a truncated cell over it.
/// It never takes the focus; the grid hides it on key presses, and it hides itself when
/// the mouse leaves the cell or a button is pressed, passing the click to the grid.
class TitleTip : public wxPopupWindow {
 public:
  explicit TitleTip(wxWindow* grid);

  /// Shows `text` padded with a blank on each side at the cell's left edge, with the
  /// cell's height, in the cell's own text and background colours (the tip reads as the
  /// cell drawn wider, whatever the desktop's tooltip colours are). `cellRect` is in the
  /// grid's client coordinates. Does nothing while the tip is already shown.
  void ShowTip(const wxRect& cellRect, const wxString& text, const wxFont& font,
               const wxColour& textColour, const wxColour& backColour);
  void HideTip();
  bool IsShownTip() const { return IsShown(); }
  const wxString& Text() const { return text_; }
  /// The cell rectangle the tip belongs to, in the grid's client coordinates.
  const wxRect& CellRect() const { return cellRect_; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMouse(wxMouseEvent& event);

  wxWindow* grid_;
  wxString text_;
  wxRect cellRect_;
  wxColour textColour_;
  wxColour backColour_;
};

}  // namespace tablora
