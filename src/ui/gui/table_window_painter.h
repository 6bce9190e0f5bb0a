#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

#include <wx/dc.h>
#include <wx/font.h>

#include "ui/table_surface.h"
#include "ui/text_measurer.h"

namespace tablora {

/// Measures cell texts in one font as the sum of their characters' widths, each character
/// measured once: thousands of table windows are fitted without a device call per text.
/// The sum ignores kerning, so it is the drawn width or (where the font kerns) a pixel or
/// a few more: a text measured to fit is drawn whole, on as many lines or fewer.
class CachedTextMeasurer : public TextMeasurer {
 public:
  /// `dc` must outlive the measurer.
  CachedTextMeasurer(wxDC& dc, const wxFont& font);
  Extent TextExtent(const std::string& text, bool bold) const override;
  int WrappedHeight(const std::string& text, int width, bool bold) const override;
  Extent ImageExtent(int) const override { return {}; }
  /// Forget every width (after a font change).
  void Clear();

 private:
  int Width(std::string_view text, bool bold) const;
  /// One character: a byte below 0x80, else one character of up to four bytes.
  int CharacterWidth(std::string_view character, bool bold) const;
  wxDC& dc_;
  wxFont font_;
  wxFont boldFont_;
  int lineHeight_ = 0;
  mutable std::array<std::array<int, 128>, 2> single_;  ///< -1: not measured yet
  mutable std::array<std::unordered_map<unsigned, int>, 2> wide_;
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
