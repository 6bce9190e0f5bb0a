#pragma once

#include <string>
#include <vector>

#include <wx/dc.h>

#include "ui/relation_lines.h"

namespace tablora {

/// Draws relationship lines with their end marks, and writes them as SVG paths.
class RelationPainter {
 public:
  enum class Look { kNormal, kHighlighted, kHovered };

  static void Draw(wxDC& dc, const RelationLines::Line& line, Look look);
  /// Frames a window at the other end of a selected window's lines.
  static void DrawPartnerFrame(wxDC& dc, const PixelRect& rect);

  /// `<path class="relation" data-from="OWNER.CHILD" data-to="OWNER.PARENT" d="M x y L ...">`
  /// and the end marks after it; names code page 936, the text UTF-8.
  static std::string Svg(const RelationLines::Line& line, const std::string& from,
                         const std::string& to);
  /// `cp936` as UTF-8 text for an SVG attribute (&, <, > and " escaped).
  static std::string SvgText(const std::string& cp936);
};

}  // namespace tablora
