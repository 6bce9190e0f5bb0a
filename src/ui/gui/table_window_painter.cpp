#include "ui/gui/table_window_painter.h"

#include <wx/dcclient.h>

#include "base/gbk_text.h"
#include "base/gui/wx_text.h"
#include "ui/grid_text_wrap.h"
#include "ui/gui/grid_renderer.h"
#include "ui/table_window_content.h"

namespace tablora {

CachedTextMeasurer::CachedTextMeasurer(wxDC& dc, const wxFont& font)
    : dc_(dc), font_(font), boldFont_(GridRenderer::FixedFont(font)) {
  dc_.SetFont(font_);
  lineHeight_ = dc_.GetCharHeight();
  Clear();
}

void CachedTextMeasurer::Clear() {
  for (auto& widths : single_) widths.fill(-1);
  for (auto& widths : wide_) widths.clear();
}

int CachedTextMeasurer::CharacterWidth(std::string_view character, bool bold) const {
  const auto measure = [&] {
    dc_.SetFont(bold ? boldFont_ : font_);
    return dc_.GetTextExtent(to_wx(std::string(character))).x;
  };
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && first < 0x80) {
    int& width = single_[bold][first];
    if (width < 0) width = measure();
    return width;
  }
  unsigned key = 0;  // the character's bytes, at most four
  for (std::size_t i = 0; i < character.size() && i < 4; ++i)
    key = key << 8 | static_cast<unsigned char>(character[i]);
  auto it = wide_[bold].find(key);
  if (it == wide_[bold].end()) it = wide_[bold].emplace(key, measure()).first;
  return it->second;
}

int CachedTextMeasurer::Width(std::string_view text, bool bold) const {
  const std::array<int, 128>& single = single_[bold];
  int width = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80 && single[byte] >= 0) {
      width += single[byte];
      ++pos;
      continue;
    }
    const std::size_t length = gbk::CharSize(text, pos);
    width += CharacterWidth(text.substr(pos, length), bold);
    pos += length;
  }
  return width;
}

TextMeasurer::Extent CachedTextMeasurer::TextExtent(const std::string& text, bool bold) const {
  if (text.empty()) return {0, lineHeight_};
  return {Width(text, bold) + 2 * GridRenderer::kTextPadding, lineHeight_};
}

int CachedTextMeasurer::WrappedHeight(const std::string& text, int width, bool bold) const {
  const int room = width - 2 * GridRenderer::kTextPadding - 1;
  if (text.find('\n') == std::string::npos && Width(text, bold) <= room) return lineHeight_;
  const auto lines = GridTextWrap::Lines(
      text, room, [this, bold](std::string_view piece) { return Width(piece, bold); });
  return lineHeight_ * static_cast<int>(lines.size());
}

void TableWindowPainter::Draw(wxDC& dc, const TableSurface& surface, int table, int x,
                              int y) const {
  const PixelRect rect = surface.Rect(table);
  const SurfaceWindow& window = surface.Window(table);
  DrawFrameAndGrid(dc, window, x, y, rect.width, rect.height, surface.ClientRect(table),
                   window.scrollX, window.scrollY);
  DrawBars(dc, surface.ScrollBars(table), x - rect.x, y - rect.y);
}

void TableWindowPainter::DrawWhole(wxDC& dc, const SurfaceWindow& window, int x, int y, int width,
                                   int height) const {
  const int border = TableWindowContent::kBorder;
  DrawFrameAndGrid(dc, window, x, y, width, height,
                   {x + border, y + border, width - 2 * border, height - 2 * border}, 0, 0);
}

void TableWindowPainter::DrawFrameAndGrid(wxDC& dc, const SurfaceWindow& window, int x, int y,
                                          int width, int height, const PixelRect& client,
                                          int scrollX, int scrollY) const {
  const int border = TableWindowContent::kBorder;
  const wxColour back = GridColourToWx(window.grid.Colours().gridBack);
  // The frame: a dark outer line and a light inner one, like a sizable window's.
  dc.SetPen(wxPen(wxColour(64, 64, 64)));
  dc.SetBrush(wxBrush(back));
  dc.DrawRectangle(x, y, width, height);
  dc.SetPen(wxPen(wxColour(224, 224, 224)));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  if (width > 2 && height > 2) dc.DrawRectangle(x + 1, y + 1, width - 2, height - 2);

  if (client.width > 0 && client.height > 0) {
    GridDrawOptions options;
    options.font = font_;
    options.showSelection = false;
    options.showFocus = false;
    options.clipThroughContext = clipThroughContext_;
    options.layoutMeasurer = layoutMeasurer_;
    const GridRenderer renderer(window.grid, options);
    const wxPoint origin = dc.GetLogicalOrigin();
    const int left = x + border;
    const int top = y + border;
    dc.SetLogicalOrigin(origin.x - left, origin.y - top);
    renderer.Draw(dc, wxSize(client.width, client.height), scrollX, scrollY);
    dc.SetLogicalOrigin(origin.x, origin.y);
  }
}

void TableWindowPainter::DrawBars(wxDC& dc, const TableSurface::Bars& bars, int dx, int dy) const {
  const auto drawBar = [&](const PixelRect& bar, const PixelRect& thumb, bool vertical) {
    const int size = TableSurface::kScrollBar;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColour(232, 232, 232)));
    dc.DrawRectangle(bar.x + dx, bar.y + dy, bar.width, bar.height);
    dc.SetPen(wxPen(wxColour(128, 128, 128)));
    dc.SetBrush(wxBrush(wxColour(192, 192, 192)));
    dc.DrawRectangle(thumb.x + dx, thumb.y + dy, thumb.width, thumb.height);
    // The two arrows.
    dc.SetBrush(wxBrush(wxColour(96, 96, 96)));
    dc.SetPen(*wxTRANSPARENT_PEN);
    const int cx = bar.x + dx + size / 2;
    const int cy = bar.y + dy + size / 2;
    if (vertical) {
      const int by = bar.y + dy + bar.height - size / 2;
      const wxPoint up[] = {{cx - 3, cy + 2}, {cx + 3, cy + 2}, {cx, cy - 2}};
      const wxPoint down[] = {{cx - 3, by - 2}, {cx + 3, by - 2}, {cx, by + 2}};
      dc.DrawPolygon(3, up);
      dc.DrawPolygon(3, down);
    } else {
      const int bx = bar.x + dx + bar.width - size / 2;
      const wxPoint left[] = {{cx + 2, cy - 3}, {cx + 2, cy + 3}, {cx - 2, cy}};
      const wxPoint right[] = {{bx - 2, cy - 3}, {bx - 2, cy + 3}, {bx + 2, cy}};
      dc.DrawPolygon(3, left);
      dc.DrawPolygon(3, right);
    }
  };
  if (bars.vertical) drawBar(bars.verticalRect, bars.verticalThumb, true);
  if (bars.horizontal) drawBar(bars.horizontalRect, bars.horizontalThumb, false);
}

}  // namespace tablora
