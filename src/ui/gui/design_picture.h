#pragma once

#include <string>

#include <wx/dc.h>
#include <wx/gdicmn.h>

#include "base/app_state.h"
#include "ui/relation_lines.h"
#include "ui/table_surface.h"
#include "ui/text_measurer.h"

namespace tablora {

/// The whole design as one picture at 100 %: every table window in table-list order, each
/// fitted first, or the welcome text while the design has no content. Used for printing
/// and for exporting PNG, PDF and SVG files.
class DesignPicture {
 public:
  /// `surface` (not owned) holds the windows' state; the relationship lines are drawn as
  /// the settings say (ShowRelations) or as `relations` says.
  DesignPicture(TableSurface& surface, const AppState& state);
  DesignPicture(TableSurface& surface, const AppState& state, bool relations);

  /// The picture's size in pixels (96 per inch).
  wxSize Size();
  /// Draws the picture with its top-left corner at the device origin.
  void Draw(wxDC& dc, bool clipThroughContext = false);

  /// Writes the picture of `surface` to `path`; the format follows the extension (.png,
  /// .pdf, .svg). False with a message in `error` when it could not be written.
  static bool Export(const std::string& path, TableSurface& surface, const AppState& state,
                     std::string* error);
  /// The same with the relationship lines drawn or left out.
  static bool Export(const std::string& path, TableSurface& surface, const AppState& state,
                     std::string* error, bool relations);

 private:
  /// Fits every window that needs it with the screen's text widths.
  void PrepareAll(const TextMeasurer& measurer);
  /// The lines of the fitted windows (none when they are left out).
  RelationLines Lines() const;
  /// An SVG file that other tools can read: each window a group of class "table" whose
  /// first rectangle is its frame, each line a path of class "relation".
  bool WriteSvg(const wxString& file, wxSize size);

  TableSurface& surface_;
  const AppState& state_;
  bool relations_ = true;
};

}  // namespace tablora
