#include "ui/relation_router.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <numeric>

#include "ui/obstacle_grid.h"
#include "ui/orthogonal_graph.h"
#include "ui/route_nudger.h"

namespace tablora {

namespace {

using D = ObstacleGrid::Direction;
constexpr int kNone = INT_MIN;
/// A search that expands this many states without reaching its end gives up; the search
/// that minds crowded gaps gets less, the one that ignores them (its fallback) more.
constexpr int kMaxCrowdedExpanded = 3000;
constexpr int kMaxExpanded = 50000;

constexpr int kDx[4] = {-1, 1, 0, 0};
constexpr int kDy[4] = {0, 0, -1, 1};
int Opposite(int d) { return d ^ 1; }

/// The lines along a window's sides that routes follow: in the middle of a narrow gap, at
/// the clearance from the window in a wide one; kNone where the gap is under 3 pixels.
struct SideLines {
  int left = kNone;
  int right = kNone;
  int top = kNone;
  int bottom = kNone;
};

/// The line in a gap of `free` pixels that starts at `first` (the pixel beside the window)
/// and runs away from it in direction `sign`.
int GapLine(int first, int free, int sign, int clearance) {
  if (free < 3) return kNone;
  if (free <= 2 * clearance + 1) {
    const int nearEnd = sign > 0 ? first : first - free + 1;
    return nearEnd + (free - 1) / 2;
  }
  return first + sign * clearance;
}

SideLines LinesOf(const ObstacleGrid& grid, const PixelRect& r, int clearance) {
  const int look = 2 * clearance + 2;
  SideLines s;
  if (r.width <= 0 || r.height <= 0) return s;
  s.left = GapLine(r.x - 1, grid.FreeBand(r.x - 1, r.y, r.bottom() - 1, D::kLeft, look), -1,
                   clearance);
  s.right = GapLine(r.right(), grid.FreeBand(r.right(), r.y, r.bottom() - 1, D::kRight, look), 1,
                    clearance);
  s.top = GapLine(r.y - 1, grid.FreeBand(r.y - 1, r.x, r.right() - 1, D::kUp, look), -1, clearance);
  s.bottom = GapLine(r.bottom(), grid.FreeBand(r.bottom(), r.x, r.right() - 1, D::kDown, look), 1,
                     clearance);
  return s;
}

/// A place where a line leaves or enters a window: the vertex on the side's line and the
/// pixel beside the window at the same row.
struct Port {
  int point = -1;  ///< index into the graph's points
  int vertex = -1;
  int side = 0;    ///< D::kLeft or D::kRight: the window side
  RoutePoint edge;
  int stub = 0;  ///< pixels from the edge pixel to the vertex
};

/// The lower bound of the bends from moving in `d` at offset (dx, dy) from a target that
/// must be reached moving in `a`.
int LeastBends(int d, int dx, int dy, int a) {
  const auto along = [dx, dy](int dir) { return dx * kDx[dir] + dy * kDy[dir]; };
  const bool horizontal = a == D::kLeft || a == D::kRight;
  const int side = horizontal ? dy : dx;
  if (d == a) {
    if (side == 0 && along(a) >= 0) return 0;
    return along(a) > 0 ? 2 : 4;
  }
  if (d == Opposite(a)) return side != 0 ? 2 : 4;
  return along(d) >= 0 && along(a) >= 0 ? 1 : 3;
}

/// The cheapest ways through the graph, one line at a time. A way costs its length, a
/// bend `bendCost` more, and a stretch of gap that already holds as many lines as fit
/// side by side costs more for each line beyond: later lines look for other gaps.
class Search {
 public:
  Search(const OrthogonalGraph& graph, const ObstacleGrid& grid, const RelationRouter::Options& o)
      : vertices_(graph.vertices()),
        grid_(grid),
        options_(o),
        g_(vertices_.size() * 4),
        from_(vertices_.size() * 4),
        stamp_(vertices_.size() * 4, 0),
        usage_(vertices_.size() * 2, 0),
        room_(vertices_.size() * 2, -1) {}

  /// The states (vertex * 4 + direction of arrival) of the cheapest way from one of
  /// `starts` to one of `ends`, with the ports it took; false when there is none within
  /// the search's budget.
  /// `crowded`: the way pays for gaps that are full already.
  bool Run(const std::vector<Port>& starts, const std::vector<Port>& ends, bool crowded,
           std::vector<int>& states, Port& start, Port& end) {
    crowded_ = crowded;
    const int budget = crowded ? kMaxCrowdedExpanded : kMaxExpanded;
    ++stampNow_;
    heap_.clear();
    ends_ = &ends;
    for (const Port& p : starts) Reach(p.vertex * 4 + p.side, p.stub, -1);
    int best = INT_MAX;
    int bestState = -1;
    int expanded = 0;
    while (!heap_.empty()) {
      std::pop_heap(heap_.begin(), heap_.end(), Later);
      const Node node = heap_.back();
      heap_.pop_back();
      if (node.g != g_[node.state] || stamp_[node.state] != stampNow_) continue;
      if (node.f >= best) break;
      if (++expanded > budget) break;
      const int v = node.state / 4;
      const int d = node.state % 4;
      for (const Port& p : ends) {
        if (p.vertex != v || d == p.side) continue;  // arriving from the window's side
        const int total = node.g + p.stub + (d == Opposite(p.side) ? 0 : options_.bendCost);
        if (total < best) {
          best = total;
          bestState = node.state;
        }
      }
      const OrthogonalGraph::Vertex& here = vertices_[v];
      for (int nd = 0; nd < 4; ++nd) {
        const int w = here.next[nd];
        if (nd == Opposite(d) || w < 0) continue;
        const OrthogonalGraph::Vertex& there = vertices_[w];
        const int length = std::abs(there.x - here.x) + std::abs(there.y - here.y);
        const int step = length + Crowding(Edge(v, nd), length) + (nd == d ? 0 : options_.bendCost);
        Reach(w * 4 + nd, node.g + step, node.state);
      }
    }
    if (bestState < 0) return false;
    states.clear();
    for (int s = bestState; s >= 0; s = from_[s]) states.push_back(s);
    std::reverse(states.begin(), states.end());
    for (const Port& p : starts) {
      if (p.vertex * 4 + p.side == states.front()) start = p;
    }
    for (const Port& p : ends) {
      if (p.vertex == states.back() / 4 && states.back() % 4 != p.side) end = p;
    }
    return true;
  }

  /// Counts a way the next searches must share the gaps with.
  void Use(const std::vector<int>& states) {
    for (std::size_t i = 1; i < states.size(); ++i) {
      const int e = Edge(states[i - 1] / 4, states[i] % 4);
      if (usage_[e] < UINT16_MAX) ++usage_[e];
      if (room_[e] < 0) room_[e] = Room(e);
    }
  }

 private:
  struct Node {
    int f;
    int g;
    int state;
  };
  static bool Later(const Node& a, const Node& b) {
    return a.f != b.f ? a.f > b.f : a.g < b.g;  // the deeper of equal estimates first
  }

  /// The edge leaving `v` in direction `d`: keyed by its left (top) vertex.
  int Edge(int v, int d) const {
    switch (d) {
      case D::kLeft:
        return vertices_[v].next[D::kLeft] * 2;
      case D::kRight:
        return v * 2;
      case D::kUp:
        return vertices_[v].next[D::kUp] * 2 + 1;
      default:
        return v * 2 + 1;
    }
  }

  /// The pixels across the gap an edge runs in.
  int Room(int e) const {
    const OrthogonalGraph::Vertex& a = vertices_[e / 2];
    constexpr int kLook = 40;
    if (e % 2 == 0) {
      const int b = a.next[D::kRight];
      const int to = b >= 0 ? vertices_[b].x : a.x;
      return grid_.FreeBand(a.y - 1, a.x, to, D::kUp, kLook) +
             grid_.FreeBand(a.y + 1, a.x, to, D::kDown, kLook) + 1;
    }
    const int b = a.next[D::kDown];
    const int to = b >= 0 ? vertices_[b].y : a.y;
    return grid_.FreeBand(a.x - 1, a.y, to, D::kLeft, kLook) +
           grid_.FreeBand(a.x + 1, a.y, to, D::kRight, kLook) + 1;
  }

  int Crowding(int e, int length) const {
    const int used = usage_[e];
    if (used == 0 || !crowded_) return 0;
    const int fit = std::max(1, (room_[e] - 2) / 3);
    return used >= fit ? (8 * length + options_.bendCost) * (used - fit + 1) : 0;
  }

  int Estimate(int state) const {
    const OrthogonalGraph::Vertex& v = vertices_[state / 4];
    const int d = state % 4;
    int best = INT_MAX;
    for (const Port& p : *ends_) {
      const int dx = p.edge.x - v.x;
      const int dy = p.edge.y - v.y;
      const int bends = LeastBends(d, dx, dy, Opposite(p.side));
      best = std::min(best, std::abs(dx) + std::abs(dy) + bends * options_.bendCost);
    }
    return best;
  }

  void Reach(int state, int g, int from) {
    if (stamp_[state] == stampNow_ && g_[state] <= g) return;
    stamp_[state] = stampNow_;
    g_[state] = g;
    from_[state] = from;
    const int h = Estimate(state);
    // Weighted: a way a little longer than the best is found far sooner.
    heap_.push_back({g + 2 * h, g, state});
    std::push_heap(heap_.begin(), heap_.end(), Later);
  }

  const std::vector<OrthogonalGraph::Vertex>& vertices_;
  const ObstacleGrid& grid_;
  RelationRouter::Options options_;
  std::vector<int> g_;
  std::vector<int> from_;
  std::vector<std::uint32_t> stamp_;
  std::uint32_t stampNow_ = 0;
  std::vector<std::uint16_t> usage_;
  std::vector<int> room_;
  std::vector<Node> heap_;
  const std::vector<Port>* ends_ = nullptr;
  bool crowded_ = true;
};

/// The row where a line meets a band of `top`..`bottom`.
int Middle(const RouteEnd& end) { return end.top + (end.bottom - end.top) / 2; }

bool Crosses(const ObstacleGrid& grid, const RoutePath& path) {
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    if (grid.FirstHit(path[i].x, path[i].y, path[i + 1].x, path[i + 1].y) >= 0) return true;
  }
  return false;
}

/// The rows of the two ends of a line from a window to itself: apart when the bands meet.
void SpreadSelfEnds(const RouteRequest& request, int& fromRow, int& toRow) {
  fromRow = Middle(request.from);
  toRow = Middle(request.to);
  if (request.from.window != request.to.window || std::abs(fromRow - toRow) >= 6) return;
  const int top = std::min(request.from.top, request.to.top);
  const int bottom = std::max(request.from.bottom, request.to.bottom);
  if (bottom - top >= 8) {
    fromRow = top + (bottom - top) / 4;
    toRow = bottom - (bottom - top) / 4;
  } else {
    fromRow = top + (bottom - top) / 2 - 3;
    toRow = fromRow + 6;
  }
}

}  // namespace

RoutedLine RelationRouter::Direct(const PixelRect& from, const RouteEnd& fromEnd,
                                  const PixelRect& to, const RouteEnd& toEnd,
                                  const Options& options) {
  int fromRow = Middle(fromEnd);
  int toRow = Middle(toEnd);
  SpreadSelfEnds({fromEnd, toEnd}, fromRow, toRow);
  RoutedLine line;
  if (to.x >= from.right() + 2) {
    const int middle = from.right() + (to.x - 1 - from.right()) / 2;
    line.path = {{from.right(), fromRow}, {middle, fromRow}, {middle, toRow}, {to.x - 1, toRow}};
  } else if (from.x >= to.right() + 2) {
    const int middle = to.right() + (from.x - 1 - to.right()) / 2;
    line.path = {{from.x - 1, fromRow}, {middle, fromRow}, {middle, toRow}, {to.right(), toRow}};
  } else {
    // One above the other: out of both right sides and down the gap beside them.
    const int outside = std::max(from.right(), to.right()) + options.stub;
    line.path = {{from.right(), fromRow}, {outside, fromRow}, {outside, toRow}, {to.right(), toRow}};
  }
  RouteNudger::Simplify(line.path);
  return line;
}

std::vector<RoutedLine> RelationRouter::Route(const std::vector<PixelRect>& windows,
                                              const std::vector<RouteRequest>& requests,
                                              const Options& options) {
  std::vector<RoutedLine> lines(requests.size());
  if (requests.empty()) return lines;
  int minX = 0;
  int minY = 0;
  int maxX = 0;
  int maxY = 0;
  for (const PixelRect& r : windows) {
    minX = std::min(minX, r.x);
    minY = std::min(minY, r.y);
    maxX = std::max(maxX, r.right());
    maxY = std::max(maxY, r.bottom());
  }
  const int room = 4 * options.clearance + 8;
  const ObstacleGrid grid(windows, {minX, minY, maxX - minX + room, maxY - minY + room});

  std::vector<SideLines> sides(windows.size());
  std::vector<RoutePoint> points;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    sides[i] = LinesOf(grid, windows[i], options.clearance);
    const SideLines& s = sides[i];
    for (int x : {s.left, s.right}) {
      for (int y : {s.top, s.bottom}) {
        if (x != kNone && y != kNone) points.push_back({x, y});
      }
    }
  }
  // Each end gets a port on each side of its window that has room.
  struct Ends {
    std::vector<Port> from;
    std::vector<Port> to;
    int fromRow = 0;
    int toRow = 0;
  };
  std::vector<Ends> ends(requests.size());
  const auto addPorts = [&](const RouteEnd& end, int row, std::vector<Port>& ports) {
    if (end.window < 0 || end.window >= static_cast<int>(windows.size())) return;
    const PixelRect& r = windows[end.window];
    const SideLines& s = sides[end.window];
    if (s.left != kNone) {
      ports.push_back({static_cast<int>(points.size()), -1, D::kLeft, {r.x - 1, row},
                       r.x - 1 - s.left});
      points.push_back({s.left, row});
    }
    if (s.right != kNone) {
      ports.push_back({static_cast<int>(points.size()), -1, D::kRight, {r.right(), row},
                       s.right - r.right()});
      points.push_back({s.right, row});
    }
  };
  for (std::size_t i = 0; i < requests.size(); ++i) {
    SpreadSelfEnds(requests[i], ends[i].fromRow, ends[i].toRow);
    addPorts(requests[i].from, ends[i].fromRow, ends[i].from);
    addPorts(requests[i].to, ends[i].toRow, ends[i].to);
  }

  const OrthogonalGraph graph(grid, points);
  const auto resolve = [&graph](std::vector<Port>& ports) {
    for (Port& p : ports) p.vertex = graph.VertexOfPoint(p.point);
    ports.erase(std::remove_if(ports.begin(), ports.end(), [](const Port& p) { return p.vertex < 0; }),
                ports.end());
  };

  // Short lines first: they have the fewest ways to go.
  std::vector<int> order(requests.size());
  std::iota(order.begin(), order.end(), 0);
  const auto span = [&](int i) {
    const RouteRequest& q = requests[i];
    if (q.from.window < 0 || q.to.window < 0 || q.from.window >= static_cast<int>(windows.size()) ||
        q.to.window >= static_cast<int>(windows.size())) {
      return 0;
    }
    const PixelRect& a = windows[q.from.window];
    const PixelRect& b = windows[q.to.window];
    return std::abs((a.x + a.right()) - (b.x + b.right())) +
           std::abs((a.y + a.bottom()) - (b.y + b.bottom()));
  };
  std::vector<int> spans(requests.size());
  for (std::size_t i = 0; i < requests.size(); ++i) spans[i] = span(static_cast<int>(i));
  std::stable_sort(order.begin(), order.end(), [&spans](int a, int b) { return spans[a] < spans[b]; });

  Search search(graph, grid, options);
  std::vector<int> states;
  std::vector<RouteNudger::Line> nudged(requests.size());
  for (int i : order) {
    const RouteRequest& q = requests[i];
    RouteNudger::Line& line = nudged[i];
    line.fromTop = q.from.top;
    line.fromBottom = q.from.bottom;
    line.toTop = q.to.top;
    line.toBottom = q.to.bottom;
    if (q.from.window == q.to.window &&
        (ends[i].fromRow != Middle(q.from) || ends[i].toRow != Middle(q.to))) {
      // A self-reference whose ends were moved apart keeps them where they were put.
      line.fromTop = line.fromBottom = ends[i].fromRow;
      line.toTop = line.toBottom = ends[i].toRow;
    }
    const bool known = q.from.window >= 0 && q.to.window >= 0 &&
                       q.from.window < static_cast<int>(windows.size()) &&
                       q.to.window < static_cast<int>(windows.size());
    if (!known) {
      line.fixed = true;
      continue;
    }
    resolve(ends[i].from);
    resolve(ends[i].to);
    Port start;
    Port end;
    if (!ends[i].from.empty() && !ends[i].to.empty() &&
        (search.Run(ends[i].from, ends[i].to, true, states, start, end) ||
         search.Run(ends[i].from, ends[i].to, false, states, start, end))) {
      search.Use(states);
      line.path.push_back(start.edge);
      for (int s : states) {
        const OrthogonalGraph::Vertex& v = graph.vertices()[s / 4];
        line.path.push_back({v.x, v.y});
      }
      line.path.push_back(end.edge);
      RouteNudger::Simplify(line.path);
    } else {
      RouteEnd from = q.from;
      RouteEnd to = q.to;
      from.top = from.bottom = ends[i].fromRow;
      to.top = to.bottom = ends[i].toRow;
      line.path = Direct(windows[q.from.window], from, windows[q.to.window], to, options).path;
      line.fixed = Crosses(grid, line.path);
    }
  }
  RouteNudger::Spread(grid, nudged, options.spacing, options.stub);
  for (std::size_t i = 0; i < requests.size(); ++i) {
    lines[i].path = std::move(nudged[i].path);
    lines[i].clear = !nudged[i].fixed;
  }
  return lines;
}

}  // namespace tablora
