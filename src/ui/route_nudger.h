#pragma once

#include <vector>

#include "ui/obstacle_grid.h"
#include "ui/route_point.h"

namespace tablora {

/// Moves the segments of routed lines apart where they run in the same gap: each group of
/// segments that share a stretch of a gap gets an order with few crossings and its own
/// track, spread evenly across the gap (or `spacing` apart where the gap is wide).
class RouteNudger {
 public:
  struct Line {
    RoutePath path;  ///< orthogonal; its first and last segments are horizontal
    /// The rows the first and the last segment must stay within (the ends' bands).
    int fromTop = 0;
    int fromBottom = 0;
    int toTop = 0;
    int toBottom = 0;
    bool fixed = false;  ///< a line that crosses windows: left as it is
  };

  /// `stub`: a segment next to an end keeps this far from the window where the gap allows.
  static void Spread(const ObstacleGrid& grid, std::vector<Line>& lines, int spacing, int stub);
  /// Drops repeated points and points inside a straight run.
  static void Simplify(RoutePath& path);
};

}  // namespace tablora
