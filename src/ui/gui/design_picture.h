#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include "base/app_state.h"
#include "ui/gui/table_window_painter.h"
#include "ui/picture_layout.h"
#include "ui/relation_lines.h"
#include "ui/table_surface.h"

namespace tablora {

/// The whole design as one picture at 100 %: every table window drawn whole (all its rows,
/// no scroll bars) where PictureLayout places it, or the welcome text while the design has
/// no content, with the relationship lines routed between the windows where they are drawn.
/// Used for printing and for exporting PNG, PDF and SVG files.
class DesignPicture {
 public:
  /// `surface` (not owned) holds the windows' state; every window is fitted with the
  /// screen's text widths and the picture laid out at once. The relationship lines are
  /// drawn as the settings say (ShowRelations) or as `relations` says.
  DesignPicture(TableSurface& surface, const AppState& state);
  DesignPicture(TableSurface& surface, const AppState& state, bool relations);
  ~DesignPicture();

  /// The picture's size in pixels (96 per inch).
  std::int64_t width() const;
  std::int64_t height() const;
  const PictureLayout& layout() const { return layout_; }
  /// The lines in picture pixels; none when they are left out.
  const RelationLines& lines() const { return lines_; }

  /// Draws the part of the picture that starts at (left, top) and is `width` x `height`
  /// pixels large with that corner at the device origin; the device is not cleared.
  void DrawArea(wxDC& dc, std::int64_t left, std::int64_t top, std::int64_t width,
                std::int64_t height, bool clipThroughContext = false) const;
  /// Draws window `table` whole where the layout puts it, less (left, top).
  void DrawWindow(wxDC& dc, int table, std::int64_t left, std::int64_t top,
                  bool clipThroughContext = false) const;
  /// Draws the lines that meet the area, less (left, top).
  void DrawLines(wxDC& dc, std::int64_t left, std::int64_t top, std::int64_t width,
                 std::int64_t height) const;

  /// Writes the picture of `surface` to `path`; the format follows the extension (.png,
  /// .pdf, .svg). A PNG is written in bands, so its memory does not grow with its size.
  /// False with a message (code page 936) in `error` when it could not be written.
  static bool Export(const std::string& path, TableSurface& surface, const AppState& state,
                     std::string* error);
  /// The same with the relationship lines drawn or left out.
  static bool Export(const std::string& path, TableSurface& surface, const AppState& state,
                     std::string* error, bool relations);

  /// The largest side a PNG file can have.
  static constexpr std::int64_t kPngMaxSide = 0x7fffffff;

 private:
  bool welcome() const { return !state_.designHasContent; }

  TableSurface& surface_;
  const AppState& state_;
  wxFont font_;
  wxBitmap measureBitmap_;
  wxMemoryDC measureDc_;
  std::unique_ptr<CachedTextMeasurer> measurer_;  ///< the screen's text widths
  PictureLayout layout_;
  RelationLines lines_;
  std::int64_t right_ = 0;   ///< the lines' right edge beside the layout's
  std::int64_t bottom_ = 0;  ///< the lines' bottom edge beside the layout's
};

}  // namespace tablora
