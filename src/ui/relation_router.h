#pragma once

#include <vector>

#include "ui/pixel_rect.h"
#include "ui/route_point.h"

namespace tablora {

/// Where a line meets a window: a band of rows on the window's left or right side.
struct RouteEnd {
  int window = -1;  ///< index into the rectangles
  int top = 0;      ///< first row of the band (surface pixels)
  int bottom = 0;   ///< last row of the band
};

struct RouteRequest {
  RouteEnd from;  ///< the referencing table's window
  RouteEnd to;    ///< the referenced table's window
};

struct RoutedLine {
  /// Starts on the first free pixel beside `from`'s window and ends beside `to`'s; the
  /// first and last segments are horizontal.
  RoutePath path;
  bool clear = true;  ///< false: no free way was found and the line crosses windows
};

/// Orthogonal routing of lines between windows through the gaps between them: around
/// windows where a free way exists, with few bends, lines that share a gap spread side by
/// side. All coordinates are surface pixels; a window covers [x, right) x [y, bottom).
class RelationRouter {
 public:
  struct Options {
    int clearance = 8;  ///< how far from a window a line runs when the gap is wide
    int bendCost = 40;  ///< a bend costs as much as this many pixels of length
    int spacing = 5;    ///< pixels between lines that share a gap, where it is wide enough
    int stub = 12;      ///< straight run a line keeps beside a window for its end marks
  };

  static std::vector<RoutedLine> Route(const std::vector<PixelRect>& windows,
                                       const std::vector<RouteRequest>& requests,
                                       const Options& options);
  static std::vector<RoutedLine> Route(const std::vector<PixelRect>& windows,
                                       const std::vector<RouteRequest>& requests) {
    return Route(windows, requests, Options());
  }
  /// A line that looks at its two windows only: out of the facing sides and across the
  /// middle of the gap. For lines that follow a window while it is dragged.
  static RoutedLine Direct(const PixelRect& from, const RouteEnd& fromEnd, const PixelRect& to,
                           const RouteEnd& toEnd, const Options& options);
};

}  // namespace tablora
