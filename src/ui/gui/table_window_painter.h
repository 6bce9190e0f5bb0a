#pragma once

#include <string>
#include <unordered_map>

#include <wx/dc.h>
#include <wx/font.h>

#include "ui/table_surface.h"
#include "ui/text_measurer.h"

namespace tablora {

/// Measures cell texts in one font and remembers every extent it measured: a table
/// window's texts are measured once, not on every fit. A word-broken text is measured
/// whole first and broken into lines only when it does not fit.
class CachedTextMeasurer : public TextMeasurer {
 public:
  /// `dc` must outlive the measurer.
  CachedTextMeasurer(wxDC& dc, const wxFont& font);
  Extent TextExtent(const std::string& text, bool bold) const override;
  int WrappedHeight(const std::string& text, int width, bool bold) const override;
  Extent ImageExtent(int) const override { return {}; }
  /// Forget every extent (after a font change).
  void Clear() { extents_.clear(); }

 private:
  int Width(const std::string& text, bool bold) const;
  wxDC& dc_;
  wxFont font_;
  wxFont boldFont_;
  int lineHeight_ = 0;
  mutable std::unordered_map<std::string, int> extents_;  ///< key: bold flag + text
};

/// Draws table windows: the frame, the grid scrolled by the window's own position and the
/// window's scroll bars.
class TableWindowPainter {
 public:
  /// `clipThroughContext`, `layoutMeasurer` (not owned): see GridDrawOptions (pictures and
  /// printouts).
  explicit TableWindowPainter(const wxFont& font, bool clipThroughContext = false,
                              const TextMeasurer* layoutMeasurer = nullptr)
      : font_(font), clipThroughContext_(clipThroughContext), layoutMeasurer_(layoutMeasurer) {}
  /// Draws window `table` of `surface` with its top-left corner at (x, y) of `dc`.
  void Draw(wxDC& dc, const TableSurface& surface, int table, int x, int y) const;
  /// Draws `window` whole (from its first row, no scroll bars) in a frame of `width` x
  /// `height` at (x, y): pictures and printouts.
  void DrawWhole(wxDC& dc, const SurfaceWindow& window, int x, int y, int width, int height) const;
  const wxFont& font() const { return font_; }

 private:
  void DrawFrameAndGrid(wxDC& dc, const SurfaceWindow& window, int x, int y, int width, int height,
                        const PixelRect& client, int scrollX, int scrollY) const;
  void DrawBars(wxDC& dc, const TableSurface::Bars& bars, int dx, int dy) const;
  wxFont font_;
  bool clipThroughContext_;
  const TextMeasurer* layoutMeasurer_;
};

}  // namespace tablora
