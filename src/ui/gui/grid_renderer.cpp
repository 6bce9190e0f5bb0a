#include "ui/gui/grid_renderer.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include <wx/dcsvg.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include <optional>

#include "base/text_codec.h"
#include "ui/grid_text_wrap.h"

namespace tablora {

namespace {

/// Clips to a rectangle for its lifetime, through the graphics context when asked.
///
/// The SVG writer needs its own way: it writes a clip rectangle into the file as given while
/// every shape goes in at its device position, and it can only end all its clips at once
/// (restoring an outer clip the usual way writes an empty one). There the clips are given
/// device positions and kept on a stack, and ending an inner clip sets the outer ones again.
class AreaClip {
 public:
  AreaClip(wxDC& dc, const wxRect& rect, bool throughContext) {
    if (throughContext) context_ = dc.GetGraphicsContext();
    if (context_ != nullptr) {
      context_->PushState();
      context_->Clip(rect.x, rect.y, rect.width, rect.height);
    } else if (dynamic_cast<wxSVGFileDCImpl*>(dc.GetImpl()) != nullptr) {
      svg_ = &dc;
      SvgClips().push_back({&dc, wxRect(dc.LogicalToDeviceX(rect.x),
                                        dc.LogicalToDeviceY(rect.y), rect.width, rect.height)});
      dc.SetClippingRegion(SvgClips().back().second);
    } else {
      clipper_.emplace(dc, rect);
    }
  }
  ~AreaClip() {
    if (context_ != nullptr) context_->PopState();
    if (svg_ != nullptr) {
      SvgClips().pop_back();
      svg_->DestroyClippingRegion();
      for (const auto& [dc, outer] : SvgClips()) {
        if (dc == svg_) svg_->SetClippingRegion(outer);
      }
    }
  }

 private:
  static std::vector<std::pair<wxDC*, wxRect>>& SvgClips() {
    static std::vector<std::pair<wxDC*, wxRect>> clips;
    return clips;
  }

  wxGraphicsContext* context_ = nullptr;
  wxDC* svg_ = nullptr;
  std::optional<wxDCClipper> clipper_;
};

}  // namespace

wxColour GridColourToWx(const Rgb& colour) {
  return wxColour(colour.red, colour.green, colour.blue);
}

DcTextMeasurer::DcTextMeasurer(wxDC& dc, const wxFont& font, const wxImageList* images)
    : dc_(dc), font_(font), boldFont_(GridRenderer::FixedFont(font)), images_(images) {}

void DcTextMeasurer::Select(bool bold) const { dc_.SetFont(bold ? boldFont_ : font_); }

TextMeasurer::Extent DcTextMeasurer::TextExtent(const std::string& text, bool bold) const {
  Select(bold);
  wxCoord width = 0;
  wxCoord height = 0;
  dc_.GetTextExtent(text.empty() ? wxString(" ") : to_wx(text), &width, &height);
  return {text.empty() ? 0 : width + 2 * GridRenderer::kTextPadding, height};
}

int DcTextMeasurer::WrappedHeight(const std::string& text, int width, bool bold) const {
  Select(bold);
  const int lineHeight = dc_.GetCharHeight();
  // The same room DrawCellText leaves: padding on both sides and the grid line.
  const auto lines = GridTextWrap::Lines(
      text, width - 2 * GridRenderer::kTextPadding - 1,
      [this](std::string_view piece) { return dc_.GetTextExtent(to_wx(std::string(piece))).x; });
  return lineHeight * static_cast<int>(lines.size());
}

TextMeasurer::Extent DcTextMeasurer::ImageExtent(int index) const {
  if (!images_ || index < 0 || index >= images_->GetImageCount()) return {};
  int width = 0;
  int height = 0;
  images_->GetSize(index, width, height);
  return {width, height};
}

wxFont GridRenderer::FixedFont(const wxFont& font) {
  wxFont bold = font;
  bold.SetNumericWeight(600);
  return bold;
}

void GridRenderer::Draw(wxDC& dc, const wxSize& clientSize, int scrollX, int scrollY) const {
  dc.SetBrush(wxBrush(GridColourToWx(model_.Colours().gridBack)));
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(0, 0, clientSize.x, clientSize.y);
  const GridLayout layout(model_, scrollX, scrollY);
  const int fixedRows = model_.GetFixedRowCount();
  const int fixedColumns = model_.GetFixedColumnCount();
  const int rows = model_.GetRowCount();
  const int columns = model_.GetColumnCount();
  const int fixedWidth = std::min(model_.FixedColumnsWidth(), clientSize.x);
  const int fixedHeight = std::min(model_.FixedRowsHeight(), clientSize.y);
  // The scrolled body first, then the fixed bands over it, the corner last.
  DrawArea(dc, layout,
           wxRect(fixedWidth, fixedHeight, clientSize.x - fixedWidth, clientSize.y - fixedHeight),
           fixedRows, rows - 1, fixedColumns, columns - 1);
  DrawArea(dc, layout, wxRect(fixedWidth, 0, clientSize.x - fixedWidth, fixedHeight), 0,
           fixedRows - 1, fixedColumns, columns - 1);
  DrawArea(dc, layout, wxRect(0, fixedHeight, fixedWidth, clientSize.y - fixedHeight), fixedRows,
           rows - 1, 0, fixedColumns - 1);
  DrawArea(dc, layout, wxRect(0, 0, fixedWidth, fixedHeight), 0, fixedRows - 1, 0,
           fixedColumns - 1);
}

void GridRenderer::DrawArea(wxDC& dc, const GridLayout& layout, const wxRect& area, int firstRow,
                            int lastRow, int firstColumn, int lastColumn) const {
  if (area.IsEmpty() || firstRow > lastRow || firstColumn > lastColumn) return;
  AreaClip clip(dc, area, options_.clipThroughContext);
  std::set<std::pair<int, int>> drawn;
  for (int r = firstRow; r <= lastRow; ++r) {
    const int top = layout.RowTop(r);
    if (top >= area.GetBottom() + 1) break;
    if (top + model_.GetRowHeight(r) <= area.y) continue;
    for (int c = firstColumn; c <= lastColumn; ++c) {
      const int left = layout.ColumnLeft(c);
      if (left >= area.GetRight() + 1) break;
      if (left + model_.GetColumnWidth(c) <= area.x) continue;
      const CellId owner = model_.OwnerOf(r, c);
      if (drawn.insert({owner.row, owner.column}).second) DrawBlock(dc, layout, owner);
    }
  }
}

void GridRenderer::DrawBlock(wxDC& dc, const GridLayout& layout, CellId owner) const {
  const GridCell& cell = *model_.Cell(owner.row, owner.column);
  const PixelRect block = layout.BlockRect(owner.row, owner.column);
  if (block.width <= 0 || block.height <= 0) return;
  const wxRect rect(block.x, block.y, block.width, block.height);
  const bool fixed = model_.IsFixed(owner.row, owner.column);
  const bool focused = options_.showFocus && model_.FocusCell() == owner;
  const bool selected = options_.showSelection && !focused && (cell.state & kCellSelected);
  const GridColours& colours = model_.Colours();

  wxColour back = GridColourToWx(cell.backColour ? *cell.backColour
                                 : fixed         ? colours.fixedBack
                                                 : colours.cellBack);
  wxColour text = GridColourToWx(cell.textColour ? *cell.textColour
                                 : fixed         ? colours.fixedText
                                                 : colours.cellText);
  if (selected) {
    back = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    text = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
  }
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(back));
  dc.DrawRectangle(rect);

  wxRect content = rect;
  content.width -= 1;  // the grid lines own the last column and row of pixels
  content.height -= 1;
  if (options_.images && cell.image >= 0 && cell.image < options_.images->GetImageCount()) {
    int width = 0;
    int height = 0;
    options_.images->GetSize(cell.image, width, height);
    options_.images->Draw(cell.image, dc, content.x + 1, content.y + (content.height - height) / 2,
                          wxIMAGELIST_DRAW_TRANSPARENT);
    content.x += width + 1;
    content.width -= width + 1;
  }
  dc.SetTextForeground(text);
  dc.SetFont(fixed ? fixedFont_ : options_.font);
  DrawCellText(dc, cell, content, fixed);

  dc.SetPen(wxPen(GridColourToWx(colours.gridLine)));
  dc.DrawLine(rect.GetRight(), rect.y, rect.GetRight(), rect.GetBottom() + 1);
  dc.DrawLine(rect.x, rect.GetBottom(), rect.GetRight() + 1, rect.GetBottom());
  if (focused) {
    dc.SetPen(wxPen(*wxBLACK));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(rect.x, rect.y, rect.width - 1, rect.height - 1);
  }
}

void GridRenderer::DrawCellText(wxDC& dc, const GridCell& cell, const wxRect& rect,
                                bool fixed) const {
  if (cell.text.empty() || rect.width <= 0 || rect.height <= 0) return;
  const int margin = model_.GetCellMargin() + kTextPadding;
  wxRect inner = rect;
  inner.Deflate(margin, model_.GetCellMargin());
  if (inner.width <= 0) return;
  AreaClip clip(dc, rect, options_.clipThroughContext);
  const unsigned format = cell.format;
  const TextMeasurer* layout = options_.layoutMeasurer;
  const auto widthOf = [&dc, layout, fixed](std::string_view piece) {
    if (piece.empty()) return 0;
    if (layout != nullptr) {
      return layout->TextExtent(std::string(piece), fixed).width - 2 * kTextPadding;
    }
    return dc.GetTextExtent(to_wx(std::string(piece))).x;
  };
  std::vector<wxString> lines;
  // Measuring every prefix is slow: a text that fits whole is one line.
  const bool fitsWhole = (format & kFormatWordBreak) && cell.text.find('\n') == std::string::npos &&
                         widthOf(cell.text) <= inner.width;
  if ((format & kFormatWordBreak) && !fitsWhole) {
    for (const std::string& line : GridTextWrap::Lines(cell.text, inner.width, widthOf)) {
      lines.push_back(to_wx(line));
    }
  } else {
    lines.push_back(to_wx(cell.text));
  }
  const int lineHeight = dc.GetCharHeight();
  const int total = lineHeight * static_cast<int>(lines.size());
  int y = inner.y;
  if (!(format & kFormatWordBreak)) {
    if (format & kFormatVCenter) y = inner.y + (inner.height - total) / 2;
    if (format & kFormatBottom) y = inner.GetBottom() + 1 - total;
  }
  const wxFont font = dc.GetFont();
  for (const wxString& line : lines) {
    const bool shrunk = ShrinkToFit(dc, line, inner.width);
    const int width = dc.GetTextExtent(line).x;
    int x = inner.x;
    if (format & kFormatCenter) x = inner.x + (inner.width - width) / 2;
    if (format & kFormatRight) x = inner.GetRight() + 1 - width;
    dc.DrawText(line, x, y);
    if (shrunk) dc.SetFont(font);
    y += lineHeight;
  }
}

bool GridRenderer::ShrinkToFit(wxDC& dc, const wxString& line, int width) const {
  if (options_.layoutMeasurer == nullptr) return false;
  int drawn = dc.GetTextExtent(line).x;
  // The devices differ by a few per cent; a text far wider than its cell is cut as on screen.
  constexpr double kMostShrink = 0.8;
  if (drawn <= width || drawn * kMostShrink > width) return false;
  wxFont font = dc.GetFont();
  const double size = font.GetFractionalPointSize();
  double factor = 1.0;
  // Glyph widths do not scale exactly with the size: shrink again while it does not fit.
  for (int attempt = 0; attempt < 4 && drawn > width && factor > kMostShrink; ++attempt) {
    factor = std::max(kMostShrink, factor * width / drawn - 0.005);
    font.SetFractionalPointSize(size * factor);
    dc.SetFont(font);
    drawn = dc.GetTextExtent(line).x;
  }
  return true;
}

}  // namespace tablora
