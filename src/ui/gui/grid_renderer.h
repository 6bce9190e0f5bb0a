#pragma once

#include <string>

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/imaglist.h>

#include "base/gui/wx_text.h"
#include "ui/grid_layout.h"
#include "ui/grid_model.h"
#include "ui/text_measurer.h"

namespace tablora {

wxColour GridColourToWx(const Rgb& colour);

/// Measures cell texts with a device context in the grid font (semi-bold for fixed cells).
class DcTextMeasurer : public TextMeasurer {
 public:
  /// `dc` and `images` (may be null) must outlive the measurer.
  DcTextMeasurer(wxDC& dc, const wxFont& font, const wxImageList* images = nullptr);
  Extent TextExtent(const std::string& text, bool bold) const override;
  int WrappedHeight(const std::string& text, int width, bool bold) const override;
  Extent ImageExtent(int index) const override;

 private:
  void Select(bool bold) const;
  wxDC& dc_;
  wxFont font_;
  wxFont boldFont_;
  const wxImageList* images_;
};

/// How a grid is drawn besides its model.
struct GridDrawOptions {
  wxFont font;                    ///< the grid font; fixed cells use it semi-bold
  wxImageList* images = nullptr;  ///< cell images; not owned
  bool showSelection = true;      ///< highlight selected cells
  bool showFocus = true;          ///< frame the focus cell
  /// Clip through the device context's graphics context (PushState, Clip, PopState):
  /// for a wxGCDC on a surface without a size, such as a PDF page.
  bool clipThroughContext = false;
  /// Pictures and printouts: the text widths the windows were laid out with (the screen's).
  /// A device at another scale (a printer, the print preview, a PDF page) draws text a few
  /// per cent wider; with this, lines break where the layout broke them and a line the
  /// device draws wider than its cell gets a smaller font instead of losing its end.
  const TextMeasurer* layoutMeasurer = nullptr;
};

/// Draws a `GridModel` into any device context: screen, memory bitmap or printer.
/// Fixed rows and columns stay put, the rest is shifted by the scroll position.
class GridRenderer {
 public:
  GridRenderer(const GridModel& model, const GridDrawOptions& options)
      : model_(model), options_(options), fixedFont_(FixedFont(options.font)) {}

  /// Paints a client area of `clientSize` pixels scrolled by (scrollX, scrollY): every
  /// visible cell with its colours and text, the grid lines, and the grid background
  /// outside the cells. The area's top-left corner is the device origin (move it with
  /// SetDeviceOrigin to draw a grid elsewhere).
  void Draw(wxDC& dc, const wxSize& clientSize, int scrollX, int scrollY) const;

  /// The semi-bold font of fixed cells.
  static wxFont FixedFont(const wxFont& font);
  /// The inner padding between a cell's edge and its text, in pixels.
  static constexpr int kTextPadding = 2;

 private:
  void DrawArea(wxDC& dc, const GridLayout& layout, const wxRect& area, int firstRow, int lastRow,
                int firstColumn, int lastColumn) const;
  void DrawBlock(wxDC& dc, const GridLayout& layout, CellId owner) const;
  void DrawCellText(wxDC& dc, const GridCell& cell, const wxRect& rect, bool fixed) const;
  /// With a layout measurer: makes the DC's font smaller until `line` fits `width` pixels
  /// (by at most a fifth); true when the font was changed.
  bool ShrinkToFit(wxDC& dc, const wxString& line, int width) const;

  const GridModel& model_;
  GridDrawOptions options_;
  wxFont fixedFont_;
};

}  // namespace tablora
