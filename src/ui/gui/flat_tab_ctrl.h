#pragma once

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <string>
#include <vector>

#include "ui/tab_layout.h"

namespace tablora {

/// A light tab control: owns a list of page windows, shows one of them in its page
/// area and draws the tabs itself as raised 3D shapes in the system colours.
class FlatTabCtrl : public wxWindow {
 public:
  enum Style { kTop = 1, kBottom = 2, kEqualWidths = 4, kSlide = 8 };

  /// Only the low four bits of `style` count; 0 means kTop.
  FlatTabCtrl(wxWindow* parent, wxWindowID id = 125, int style = kBottom);
  ~FlatTabCtrl() override;

  /// Appends a page; the window is made a child of this control, moved to the page
  /// area and hidden unless it is the active page. An owned page is destroyed with the
  /// control; a page that is not owned is handed back to this control's parent. A
  /// window that already is a page is not added again.
  void AddPage(wxWindow* page, const wxString& title, const wxBitmap& icon = wxNullBitmap,
               bool owned = false);
  /// Recomputes the tabs and the page positions, shows the active page (the first when
  /// none is active yet) and repaints.
  void UpdateLayout();
  wxWindow* GetPageWindow(int index) const;  // nullptr outside
  /// Hides the old page and shows the new one (sliding it in with kSlide); an index
  /// outside the pages or the active page itself changes nothing.
  void SetActivePage(int index);
  int GetActivePage() const;  // -1 while none is active
  int GetPageCount() const;

  /// The tab of page `index` in client coordinates (empty outside or before layout).
  wxRect GetTabRect(int index) const;
  /// The area the active page fills, in client coordinates.
  wxRect GetPageArea() const;
  /// The title as drawn on its tab (shortened with "..." when it does not fit).
  wxString GetShownTitle(int index) const;
  /// True while a page is sliding in.
  bool IsSliding() const { return m_slideStep >= 0; }
  /// 1: a white-and-black frame around the page area; 2: that frame plus an inner one.
  void SetBorderStyle(int borderStyle);

 private:
  struct Page {
    wxWindow* window = nullptr;
    bool owned = false;
    wxString title;
    std::string titleCp936;
    wxBitmap icon;
    TabContent content;
    PixelRect tab;
  };

  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnSlideTimer(wxTimerEvent& event);
  void OnPageDestroyed(wxWindowDestroyEvent& event);
  void StopSlide();
  void PlaceActivePage();
  PixelRect ClientArea() const;
  void DrawPageBorder(wxDC& dc, const PixelRect& outer) const;
  void DrawTab(wxDC& dc, const Page& page, bool active) const;

  wxFont m_font;
  int m_active = -1;
  int m_style = 1;
  int m_borderStyle = 1;
  std::vector<Page> m_pages;
  wxTimer m_slideTimer;
  int m_slideStep = -1;
  std::vector<int> m_slideOffsets;
};

}  // namespace tablora
