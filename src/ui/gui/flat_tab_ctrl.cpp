#include "ui/gui/flat_tab_ctrl.h"

#include <wx/dcbuffer.h>
#include <wx/fontenum.h>
#include <wx/settings.h>

#include "base/gui/wx_text.h"

namespace tablora {

namespace {

constexpr int kSlideTimerId = 100;
constexpr int kSlideIntervalMs = 15;

wxRect ToWxRect(const PixelRect& r) { return wxRect(r.x, r.y, r.width, r.height); }

wxColour Sys(wxSystemColour which) { return wxSystemSettings::GetColour(which); }

/// 9 point text in a face that has Chinese glyphs, else the default GUI face.
wxFont TabFont() {
  static const char* const kFaces[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "SimSun"};
  for (const char* face : kFaces) {
    if (wxFontEnumerator::IsValidFacename(face)) return wxFont(wxFontInfo(9).FaceName(face));
  }
  wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  font.SetPointSize(9);
  return font;
}

/// Measures code page 936 text in the window's font; tab titles never wrap.
class WindowTextMeasurer : public TextMeasurer {
 public:
  explicit WindowTextMeasurer(const wxWindow& window) : window_(window) {}
  Extent TextExtent(const std::string& text, bool) const override {
    const wxSize size = window_.GetTextExtent(to_wx(text));
    return {size.x, size.y};
  }
  int WrappedHeight(const std::string& text, int, bool bold) const override {
    return TextExtent(text, bold).height;
  }
  Extent ImageExtent(int) const override { return {}; }

 private:
  const wxWindow& window_;
};

void DrawVLine(wxDC& dc, const wxColour& colour, int x, int y0, int y1) {
  if (y1 < y0) return;
  dc.SetPen(wxPen(colour));
  dc.DrawLine(x, y0, x, y1 + 1);
}

void DrawHLine(wxDC& dc, const wxColour& colour, int x0, int x1, int y) {
  if (x1 < x0) return;
  dc.SetPen(wxPen(colour));
  dc.DrawLine(x0, y, x1 + 1, y);
}

/// A one-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void Draw3dFrame(wxDC& dc, const wxRect& r, const wxColour& topLeft, const wxColour& bottomRight) {
  if (r.width <= 0 || r.height <= 0) return;
  DrawHLine(dc, topLeft, r.x, r.GetRight() - 1, r.y);
  DrawVLine(dc, topLeft, r.x, r.y, r.GetBottom() - 1);
  DrawHLine(dc, bottomRight, r.x, r.GetRight(), r.GetBottom());
  DrawVLine(dc, bottomRight, r.GetRight(), r.y, r.GetBottom());
}

}  // namespace

FlatTabCtrl::FlatTabCtrl(wxWindow* parent, wxWindowID id, int style)
    : m_style(tab_layout::NormalizeStyle(style)), m_slideTimer(this, kSlideTimerId) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Create(parent, id, wxPoint(0, 0), wxSize(100, 100),
         wxBORDER_NONE | wxCLIP_CHILDREN | wxFULL_REPAINT_ON_RESIZE);
  m_font = TabFont();
  SetFont(m_font);
  Bind(wxEVT_PAINT, &FlatTabCtrl::OnPaint, this);
  Bind(wxEVT_SIZE, &FlatTabCtrl::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &FlatTabCtrl::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &FlatTabCtrl::OnLeftDown, this);
  Bind(wxEVT_TIMER, &FlatTabCtrl::OnSlideTimer, this, kSlideTimerId);
}

FlatTabCtrl::~FlatTabCtrl() {
  m_slideTimer.Stop();
  m_slideStep = -1;
  // Pages that are not owned outlive the control: hand them to its parent unless that
  // is going away too. Owned pages go with the other children.
  wxWindow* heir = GetParent();
  const bool handBack = heir != nullptr && !heir->IsBeingDeleted();
  for (Page& page : m_pages) {
    page.window->Unbind(wxEVT_DESTROY, &FlatTabCtrl::OnPageDestroyed, this);
    if (!page.owned && handBack) {
      page.window->Hide();
      page.window->Reparent(heir);
    }
  }
  m_pages.clear();
}

void FlatTabCtrl::AddPage(wxWindow* page, const wxString& title, const wxBitmap& icon, bool owned) {
  if (page == nullptr) return;
  for (const Page& existing : m_pages) {
    if (existing.window == page) return;
  }
  if (page->GetParent() != this) page->Reparent(this);
  Page entry;
  entry.window = page;
  entry.owned = owned;
  entry.title = title;
  entry.titleCp936 = from_wx(title);
  entry.icon = icon;
  m_pages.push_back(entry);
  page->Bind(wxEVT_DESTROY, &FlatTabCtrl::OnPageDestroyed, this);
  page->SetSize(GetPageArea());
  if (static_cast<int>(m_pages.size()) - 1 != m_active) page->Hide();
}

void FlatTabCtrl::UpdateLayout() {
  const PixelRect client = ClientArea();
  const PixelRect strip = tab_layout::TabStrip(client, m_style);
  const WindowTextMeasurer measure(*this);
  std::vector<std::string> titles;
  std::vector<bool> icons;
  for (const Page& page : m_pages) {
    titles.push_back(page.titleCp936);
    icons.push_back(page.icon.IsOk());
  }
  const std::vector<PixelRect> tabs = tab_layout::TabRects(strip, m_style, titles, icons, measure);
  for (std::size_t i = 0; i < m_pages.size(); ++i) {
    Page& page = m_pages[i];
    page.tab = tabs[i];
    page.content =
        tab_layout::LayoutTabContent(page.tab.width, page.icon.IsOk(), page.titleCp936, measure);
  }
  if (m_active < 0 && !m_pages.empty()) m_active = 0;
  if (IsSliding()) StopSlide();
  PlaceActivePage();
  Refresh();
}

wxWindow* FlatTabCtrl::GetPageWindow(int index) const {
  if (index < 0 || index >= GetPageCount()) return nullptr;
  return m_pages[index].window;
}

void FlatTabCtrl::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount() || index == m_active) return;
  StopSlide();
  if (m_active >= 0) m_pages[m_active].window->Hide();
  m_active = index;
  wxWindow* page = m_pages[index].window;
  const wxRect area = GetPageArea();
  if ((m_style & kSlide) != 0 && area.width > 0) {
    m_slideOffsets = tab_layout::SlideOffsets(area.width);
    m_slideStep = 0;
    page->SetSize(area.x - area.width, area.y, area.width, area.height);
    page->Show();
    m_slideTimer.Start(kSlideIntervalMs);
  } else {
    page->SetSize(area);
    page->Show();
  }
  Refresh();
}

int FlatTabCtrl::GetActivePage() const { return m_active; }

int FlatTabCtrl::GetPageCount() const { return static_cast<int>(m_pages.size()); }

wxRect FlatTabCtrl::GetTabRect(int index) const {
  if (index < 0 || index >= GetPageCount()) return wxRect();
  return ToWxRect(m_pages[index].tab);
}

wxRect FlatTabCtrl::GetPageArea() const {
  return ToWxRect(tab_layout::PageArea(ClientArea(), m_style, m_borderStyle));
}

wxString FlatTabCtrl::GetShownTitle(int index) const {
  if (index < 0 || index >= GetPageCount()) return wxString();
  return to_wx(std::string(m_pages[index].content.shownTitle));
}

void FlatTabCtrl::SetBorderStyle(int borderStyle) {
  m_borderStyle = borderStyle == 2 ? 2 : 1;
  UpdateLayout();
}

PixelRect FlatTabCtrl::ClientArea() const {
  const wxSize size = GetClientSize();
  return PixelRect{0, 0, size.x, size.y};
}

void FlatTabCtrl::PlaceActivePage() {
  const wxRect area = GetPageArea();
  for (int i = 0; i < GetPageCount(); ++i) {
    wxWindow* window = m_pages[i].window;
    if (i == m_active) {
      window->SetSize(area);
      window->Show();
    } else {
      window->Hide();
    }
  }
}

void FlatTabCtrl::StopSlide() {
  if (!IsSliding()) return;
  m_slideTimer.Stop();
  m_slideStep = -1;
  if (m_active >= 0) m_pages[m_active].window->SetSize(GetPageArea());
}

void FlatTabCtrl::OnSlideTimer(wxTimerEvent&) {
  if (!IsSliding() || m_active < 0) {
    m_slideTimer.Stop();
    return;
  }
  const wxRect area = GetPageArea();
  m_pages[m_active].window->Move(area.x + m_slideOffsets[m_slideStep], area.y);
  if (++m_slideStep >= static_cast<int>(m_slideOffsets.size())) {
    m_slideTimer.Stop();
    m_slideStep = -1;
  }
}

void FlatTabCtrl::OnSize(wxSizeEvent& event) {
  UpdateLayout();
  event.Skip();
}

void FlatTabCtrl::OnLeftDown(wxMouseEvent& event) {
  std::vector<PixelRect> tabs;
  for (const Page& page : m_pages) tabs.push_back(page.tab);
  const int index = tab_layout::TabAt(tabs, event.GetX(), event.GetY());
  if (index >= 0 && index != m_active) SetActivePage(index);
  event.Skip();
}

void FlatTabCtrl::OnPageDestroyed(wxWindowDestroyEvent& event) {
  event.Skip();
  for (int i = 0; i < GetPageCount(); ++i) {
    if (m_pages[i].window != event.GetWindow()) continue;
    m_pages.erase(m_pages.begin() + i);
    if (i == m_active) {
      m_slideTimer.Stop();
      m_slideStep = -1;
      m_active = -1;
    } else if (i < m_active) {
      --m_active;
    }
    if (!IsBeingDeleted()) UpdateLayout();
    return;
  }
}

void FlatTabCtrl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(Sys(wxSYS_COLOUR_BTNFACE)));
  dc.Clear();
  DrawPageBorder(dc, tab_layout::PageFrame(ClientArea(), m_style));
  dc.SetFont(m_font);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(Sys(wxSYS_COLOUR_BTNTEXT));
  for (int i = 0; i < GetPageCount(); ++i) {
    if (i != m_active) DrawTab(dc, m_pages[i], false);
  }
  if (m_active >= 0) DrawTab(dc, m_pages[m_active], true);
}

void FlatTabCtrl::DrawPageBorder(wxDC& dc, const PixelRect& outer) const {
  wxRect frame = ToWxRect(outer);
  Draw3dFrame(dc, frame, *wxWHITE, *wxBLACK);
  if (m_borderStyle == 2) {
    frame.Deflate(1);
    Draw3dFrame(dc, frame, Sys(wxSYS_COLOUR_BTNFACE), Sys(wxSYS_COLOUR_BTNSHADOW));
  }
}

void FlatTabCtrl::DrawTab(wxDC& dc, const Page& page, bool active) const {
  const wxRect tab = ToWxRect(page.tab);
  if (tab.width <= 0 || tab.height <= 0) return;
  const wxColour face = Sys(wxSYS_COLOUR_BTNFACE);
  const wxColour light = Sys(wxSYS_COLOUR_3DLIGHT);
  const wxColour shadow = Sys(wxSYS_COLOUR_BTNSHADOW);
  const wxColour dark = Sys(wxSYS_COLOUR_3DDKSHADOW);
  const int left = tab.x;
  const int right = tab.GetRight();
  // The active tab reaches over the page frame's edge so that the two join; the
  // others stand back two pixels. The outer edge is outlined in the shadow colour as
  // well, since on light themes the highlight alone vanishes into the face colour.
  const int join = m_borderStyle + 1;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(face));
  if (tab_layout::TabsAtBottom(m_style)) {
    const int top = active ? tab.y - join + 1 : tab.y + 1;
    const int bottom = active ? tab.GetBottom() : tab.GetBottom() - 2;
    dc.DrawRectangle(left, top, tab.width, bottom - top + 1);
    DrawVLine(dc, shadow, left, top, bottom - 2);
    DrawVLine(dc, light, left + 1, top, bottom - 2);
    DrawHLine(dc, shadow, left + 1, left + 1, bottom - 1);
    DrawHLine(dc, shadow, left + 2, right - 2, bottom - 1);
    DrawHLine(dc, dark, left + 2, right - 2, bottom);
    DrawVLine(dc, shadow, right - 1, top, bottom - 1);
    DrawVLine(dc, dark, right, top, bottom - 2);
    DrawHLine(dc, dark, right - 1, right - 1, bottom - 1);
  } else {
    const int top = active ? tab.y : tab.y + 2;
    const int bottom = active ? tab.GetBottom() + join - 1 : tab.GetBottom();
    dc.DrawRectangle(left, top, tab.width, bottom - top + 1);
    DrawVLine(dc, shadow, left, top + 2, bottom);
    DrawHLine(dc, shadow, left + 1, left + 1, top + 1);
    DrawHLine(dc, shadow, left + 2, right - 2, top);
    DrawVLine(dc, light, left + 1, top + 2, bottom);
    DrawHLine(dc, light, left + 2, right - 2, top + 1);
    DrawVLine(dc, shadow, right - 1, top + 1, bottom);
    DrawVLine(dc, dark, right, top + 2, bottom);
    DrawHLine(dc, dark, right - 1, right - 1, top + 1);
  }
  wxDCClipper clip(dc, tab);
  const TabContent& content = page.content;
  if (content.drawIcon) {
    wxBitmap icon = page.icon;
    if (icon.GetWidth() != tab_layout::kIconSize || icon.GetHeight() != tab_layout::kIconSize) {
      wxImage image = icon.ConvertToImage();
      icon = wxBitmap(image.Rescale(tab_layout::kIconSize, tab_layout::kIconSize));
    }
    dc.DrawBitmap(icon, left + content.iconX, tab.y + content.iconY, true);
  }
  dc.DrawText(to_wx(std::string(content.shownTitle)), left + content.textX, tab.y + content.textY);
}

}  // namespace tablora
