#pragma once

#include <functional>

#include <wx/arrstr.h>
#include <wx/popupwin.h>

class wxScrollBar;

namespace tablora {

/// The item list an in-place drop-down shows below its cell. It never takes the focus
/// (the drop-down's edit part keeps it), so opening it cannot end the edit; it draws its
/// items itself, highlights the one under the pointer and reports the one clicked. It
/// shows up to twelve items and scrolls three a wheel notch.
class DropList : public wxPopupWindow {
 public:
  /// `owner` is the drop-down; `picked` gets the index of a clicked item.
  DropList(wxWindow* owner, const wxArrayString& items, const wxFont& font, int itemHeight,
           std::function<void(int index)> picked);

  /// Shows the list under `cell` (screen coordinates), `width` wide, `current`
  /// highlighted: above the cell or moved left where the screen has no room for it.
  void Open(const wxRect& cell, int width, int current);
  void Close();
  bool IsOpen() const { return IsShown(); }

  int Highlight() const { return highlight_; }
  /// Highlights `index` and scrolls it into view.
  void SetHighlight(int index);
  int TopItem() const { return top_; }
  /// Items shown at once while open (fewer than twelve where the screen has no room).
  int ShownItems() const { return shown_; }
  /// The rectangle of item `index` in client coordinates; empty when it is scrolled away.
  wxRect ItemRect(int index) const;
  /// The item under a client point, or -1.
  int ItemAt(const wxPoint& point) const;
  /// Scrolls so that `index` is the top item (kept within range).
  void ScrollToItem(int index);

 private:
  void OnPaint(wxPaintEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnWheel(wxMouseEvent& event);
  void OnScrollBar(wxScrollEvent& event);
  int ItemsWidth() const;

  wxArrayString items_;
  int itemHeight_;
  int top_ = 0;
  int shown_ = 0;
  int highlight_ = -1;
  wxScrollBar* scrollBar_ = nullptr;
  std::function<void(int)> picked_;
};

}  // namespace tablora
