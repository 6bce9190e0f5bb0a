#pragma once

#include <vector>

#include "ui/obstacle_grid.h"
#include "ui/route_point.h"

namespace tablora {

/// The ways a line can take between windows: through each given point the longest free
/// horizontal and vertical run, and a vertex wherever two runs cross. Neighbours are
/// indexed by ObstacleGrid::Direction.
class OrthogonalGraph {
 public:
  struct Vertex {
    int x = 0;
    int y = 0;
    int next[4] = {-1, -1, -1, -1};
  };

  /// Builds the graph for `points` (pixels inside windows or outside the bounds get no runs).
  OrthogonalGraph(const ObstacleGrid& grid, const std::vector<RoutePoint>& points);

  const std::vector<Vertex>& vertices() const { return vertices_; }
  /// The vertex at `points[i]`, -1 when the point is taken.
  int VertexOfPoint(int i) const { return pointVertex_[i]; }

 private:
  std::vector<Vertex> vertices_;
  std::vector<int> pointVertex_;
};

}  // namespace tablora
