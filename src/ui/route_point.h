#pragma once

#include <vector>

namespace tablora {

/// A point of a line on the design surface, in surface pixels.
struct RoutePoint {
  int x = 0;
  int y = 0;
  bool operator==(const RoutePoint& o) const { return x == o.x && y == o.y; }
  bool operator!=(const RoutePoint& o) const { return !(*this == o); }
};

/// An orthogonal line: each point shares its x or its y with the next.
using RoutePath = std::vector<RoutePoint>;

}  // namespace tablora
