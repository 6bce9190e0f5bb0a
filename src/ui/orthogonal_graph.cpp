#include "ui/orthogonal_graph.h"

#include <algorithm>
#include <climits>
#include <map>
#include <unordered_map>

namespace tablora {

namespace {

/// The runs of one orientation, found once per stretch of free pixels.
class RunSet {
 public:
  /// The run along `at` that holds `along`, cast from the grid when not yet known.
  template <typename Cast>
  int Find(int at, int along, Cast cast) {
    std::vector<int>& here = byLine_[at];
    for (int id : here) {
      if (runs_[id].from <= along && along <= runs_[id].to) return id;
    }
    const auto [from, to] = cast();
    runs_.push_back({at, from, to});
    here.push_back(static_cast<int>(runs_.size()) - 1);
    return static_cast<int>(runs_.size()) - 1;
  }
  struct Run {
    int at;
    int from;
    int to;
  };
  const std::vector<Run>& runs() const { return runs_; }

 private:
  std::unordered_map<int, std::vector<int>> byLine_;
  std::vector<Run> runs_;
};

}  // namespace

OrthogonalGraph::OrthogonalGraph(const ObstacleGrid& grid, const std::vector<RoutePoint>& points)
    : pointVertex_(points.size(), -1) {
  using D = ObstacleGrid::Direction;
  RunSet horizontal;
  RunSet vertical;
  std::vector<int> pointRun(points.size(), -1);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const RoutePoint p = points[i];
    if (grid.Blocked(p.x, p.y)) continue;
    pointRun[i] = horizontal.Find(p.y, p.x, [&] {
      return std::pair<int, int>(p.x - grid.Free(p.x, p.y, D::kLeft, INT_MAX) + 1,
                                 p.x + grid.Free(p.x, p.y, D::kRight, INT_MAX) - 1);
    });
    vertical.Find(p.x, p.y, [&] {
      return std::pair<int, int>(p.y - grid.Free(p.x, p.y, D::kUp, INT_MAX) + 1,
                                 p.y + grid.Free(p.x, p.y, D::kDown, INT_MAX) - 1);
    });
  }

  // Sweep down the surface: vertical runs open at their top and close after their bottom;
  // each horizontal run meets the open ones within its extent.
  struct Event {
    int y;
    int kind;  // 0 open, 1 horizontal run, 2 close
    int id;
  };
  std::vector<Event> events;
  const auto& vRuns = vertical.runs();
  const auto& hRuns = horizontal.runs();
  events.reserve(vRuns.size() * 2 + hRuns.size());
  for (std::size_t id = 0; id < vRuns.size(); ++id) {
    events.push_back({vRuns[id].from, 0, static_cast<int>(id)});
    events.push_back({vRuns[id].to, 2, static_cast<int>(id)});
  }
  for (std::size_t id = 0; id < hRuns.size(); ++id) {
    events.push_back({hRuns[id].at, 1, static_cast<int>(id)});
  }
  std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.y != b.y ? a.y < b.y : a.kind < b.kind;
  });
  std::map<int, int> open;  // x -> vertical run
  std::vector<int> lastOnRun(vRuns.size(), -1);
  std::vector<int> firstOfRun(hRuns.size(), -1);
  std::vector<int> countOfRun(hRuns.size(), 0);
  for (const Event& e : events) {
    if (e.kind == 0) {
      open[vRuns[e.id].at] = e.id;
    } else if (e.kind == 2) {
      open.erase(vRuns[e.id].at);
    } else {
      const auto& run = hRuns[e.id];
      int previous = -1;
      firstOfRun[e.id] = static_cast<int>(vertices_.size());
      for (auto it = open.lower_bound(run.from); it != open.end() && it->first <= run.to; ++it) {
        const int v = static_cast<int>(vertices_.size());
        Vertex vertex;
        vertex.x = it->first;
        vertex.y = run.at;
        if (previous >= 0) {
          vertex.next[D::kLeft] = previous;
          vertices_[previous].next[D::kRight] = v;
        }
        const int above = lastOnRun[it->second];
        if (above >= 0) {
          vertex.next[D::kUp] = above;
          vertices_[above].next[D::kDown] = v;
        }
        lastOnRun[it->second] = v;
        vertices_.push_back(vertex);
        previous = v;
      }
      countOfRun[e.id] = static_cast<int>(vertices_.size()) - firstOfRun[e.id];
    }
  }

  for (std::size_t i = 0; i < points.size(); ++i) {
    if (pointRun[i] < 0) continue;
    const int first = firstOfRun[pointRun[i]];
    const auto begin = vertices_.begin() + first;
    const auto end = begin + countOfRun[pointRun[i]];
    const auto at = std::lower_bound(begin, end, points[i].x,
                                     [](const Vertex& v, int x) { return v.x < x; });
    if (at != end && at->x == points[i].x) pointVertex_[i] = static_cast<int>(at - vertices_.begin());
  }
}

}  // namespace tablora
