#pragma once

#include <functional>
#include <string>

typedef struct _cairo cairo_t;

namespace tablora {

/// The design's picture as a dictionary shows it: an SVG document for the page formats and
/// a drawing for the PDF. Made by the window program, which alone can draw the design.
struct DictionaryPicture {
  std::string svg;   ///< the SVG document (UTF-8); empty for none
  int width = 0;     ///< in pixels (96 per inch)
  int height = 0;
  /// Draws the picture with its top-left corner at the origin, one unit per pixel; empty
  /// when there is no drawing.
  std::function<void(cairo_t*)> draw;
};

}  // namespace tablora
