#include "ui/relation_lines.h"

#include <algorithm>
#include <climits>

#include "ui/table_window_content.h"

namespace tablora {

namespace {

/// How far end marks reach from a line's end, across and along.
constexpr int kMarkReach = 10;

/// The bands of a window's title and columns: rows from `top` (the grid's first row after
/// scrolling) within the client rows [clientTop, clientBottom].
RelationWindow Bands(const PixelRect& rect, int top, int clientTop, int clientBottom,
                     const GridModel& grid, int columnCount, bool titlesOnly) {
  RelationWindow w;
  w.rect = rect;
  w.columns.assign(std::max(columnCount, 0), {0, -1});
  const auto clip = [clientTop, clientBottom](int from, int to) {
    std::pair<int, int> band{std::max(from, clientTop), std::min(to, clientBottom)};
    // Off the row's border lines where the row is tall enough.
    if (band.second - band.first >= 8) {
      band.first += 2;
      band.second -= 2;
    }
    return band;
  };
  const int rows = grid.GetRowCount();
  const int titleRows = titlesOnly ? rows : std::max(1, rows - columnCount);
  int y = top;
  for (int r = 0; r < std::min(titleRows, rows); ++r) y += grid.GetRowHeight(r);
  w.title = clip(top, y - 1);
  if (w.title.first > w.title.second) {
    w.title = clientBottom >= clientTop
                  ? std::pair<int, int>{clientTop, std::min(clientBottom, clientTop + 15)}
                  : std::pair<int, int>{rect.y, rect.bottom() - 1};
  }
  if (titlesOnly) return w;
  for (int c = 0; c < columnCount && titleRows + c < rows; ++c) {
    const int height = grid.GetRowHeight(titleRows + c);
    w.columns[c] = clip(y, y + height - 1);
    y += height;
  }
  return w;
}

int Sign(int v) { return v < 0 ? -1 : 1; }

}  // namespace

std::vector<RelationWindow> RelationLines::WindowsOf(const TableSurface& surface,
                                                     const std::vector<TableDesign>& definitions) {
  std::vector<RelationWindow> windows;
  windows.reserve(surface.Count());
  for (int t = 0; t < surface.Count(); ++t) {
    const SurfaceWindow& sw = surface.Window(t);
    const PixelRect client = surface.ClientRect(t);
    const int columns =
        t < static_cast<int>(definitions.size()) ? static_cast<int>(definitions[t].columns.size()) : 0;
    windows.push_back(Bands(surface.Rect(t), client.y - sw.scrollY, client.y,
                            client.bottom() - 1, sw.grid, columns, sw.titlesOnly));
  }
  return windows;
}

RelationWindow RelationLines::WholeWindow(const PixelRect& rect, const GridModel& grid,
                                          int columnCount, bool titlesOnly) {
  constexpr int kBorder = TableWindowContent::kBorder;
  return Bands(rect, rect.y + kBorder, rect.y + kBorder, rect.bottom() - kBorder - 1, grid,
               columnCount, titlesOnly);
}

void RelationLines::SetRelations(std::vector<Relation> relations) {
  relations_ = std::move(relations);
  lines_.clear();
  routed_ = false;
}

RouteEnd RelationLines::EndOf(const std::vector<RelationWindow>& windows, int table,
                              const std::vector<int>& columns) const {
  const RelationWindow& w = windows[table];
  std::pair<int, int> band = w.title;
  const int c = columns.empty() ? -1 : columns.front();
  if (c >= 0 && c < static_cast<int>(w.columns.size()) && w.columns[c].first <= w.columns[c].second) {
    band = w.columns[c];
  }
  return {table, band.first, band.second};
}

bool RelationLines::Update(const std::vector<RelationWindow>& windows, int moving) {
  const int count = static_cast<int>(windows.size());
  std::vector<PixelRect> rects;
  rects.reserve(windows.size());
  for (const RelationWindow& w : windows) rects.push_back(w.rect);

  std::vector<Line> next;
  for (const Relation& r : relations_) {
    if (r.child < 0 || r.parent < 0 || r.child >= count || r.parent >= count) continue;
    Line line;
    line.relation = r;
    line.from = EndOf(windows, r.child, r.childColumns);
    line.to = EndOf(windows, r.parent, r.parentColumns);
    next.push_back(std::move(line));
  }
  const auto sameEnds = [](const RouteEnd& a, const RouteEnd& b) {
    return a.window == b.window && a.top == b.top && a.bottom == b.bottom;
  };
  bool unchanged = routed_ && rects == routedWindows_ && next.size() == lines_.size();
  for (std::size_t i = 0; unchanged && i < next.size(); ++i) {
    unchanged = sameEnds(next[i].from, lines_[i].from) && sameEnds(next[i].to, lines_[i].to);
  }
  if (unchanged) return false;

  RelationRouter::Options options;
  const bool dragging = moving >= 0 && static_cast<int>(next.size()) > kRoutedWhileDragging &&
                        lines_.size() == next.size();
  if (dragging) {
    // Only the dragged window's lines move, straight across; the rest keep their ways.
    for (std::size_t i = 0; i < next.size(); ++i) {
      Line& line = next[i];
      if (line.relation.child == moving || line.relation.parent == moving) {
        line.route = RelationRouter::Direct(rects[line.relation.child], line.from,
                                            rects[line.relation.parent], line.to, options);
      } else {
        line.route = std::move(lines_[i].route);
      }
    }
    routed_ = false;
  } else {
    std::vector<RouteRequest> requests;
    requests.reserve(next.size());
    for (const Line& line : next) requests.push_back({line.from, line.to});
    std::vector<RoutedLine> routes = RelationRouter::Route(rects, requests, options);
    for (std::size_t i = 0; i < next.size(); ++i) next[i].route = std::move(routes[i]);
    routedWindows_ = std::move(rects);
    routed_ = true;
  }
  for (Line& line : next) {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    for (const RoutePoint& p : line.route.path) {
      x0 = std::min(x0, p.x);
      y0 = std::min(y0, p.y);
      x1 = std::max(x1, p.x);
      y1 = std::max(y1, p.y);
    }
    line.box = line.route.path.empty()
                   ? PixelRect{}
                   : PixelRect{x0 - kMarkReach, y0 - kMarkReach, x1 - x0 + 2 * kMarkReach + 1,
                               y1 - y0 + 2 * kMarkReach + 1};
  }
  lines_ = std::move(next);
  return true;
}

int RelationLines::HitTest(int x, int y, int tolerance) const {
  int best = -1;
  long long bestDistance = static_cast<long long>(tolerance) * tolerance + 1;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const PixelRect& box = lines_[i].box;
    if (x < box.x - tolerance || x >= box.right() + tolerance || y < box.y - tolerance ||
        y >= box.bottom() + tolerance) {
      continue;
    }
    const RoutePath& path = lines_[i].route.path;
    for (std::size_t k = 0; k + 1 < path.size(); ++k) {
      const long long dx = std::max({std::min(path[k].x, path[k + 1].x) - x, 0,
                                     x - std::max(path[k].x, path[k + 1].x)});
      const long long dy = std::max({std::min(path[k].y, path[k + 1].y) - y, 0,
                                     y - std::max(path[k].y, path[k + 1].y)});
      if (dx * dx + dy * dy < bestDistance) {
        bestDistance = dx * dx + dy * dy;
        best = static_cast<int>(i);
      }
    }
  }
  return best;
}

std::vector<int> RelationLines::LinesIn(const PixelRect& area) const {
  std::vector<int> found;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const PixelRect& b = lines_[i].box;
    if (b.width > 0 && b.x < area.right() && area.x < b.right() && b.y < area.bottom() &&
        area.y < b.bottom()) {
      found.push_back(static_cast<int>(i));
    }
  }
  return found;
}

RelationLines::Mark RelationLines::ChildMark(const Line& line) {
  Mark mark;
  const RoutePath& path = line.route.path;
  if (path.size() < 2) return mark;
  const RoutePoint e = path.front();
  const int d = Sign(path[1].x - e.x);
  if (line.relation.oneToOne) {
    mark.strokes.push_back({{e.x + 4 * d, e.y - 4}, {e.x + 4 * d, e.y + 4}});
  } else {
    mark.strokes.push_back({{e.x, e.y - 4}, {e.x + 8 * d, e.y}});
    mark.strokes.push_back({{e.x, e.y + 4}, {e.x + 8 * d, e.y}});
  }
  return mark;
}

RelationLines::Mark RelationLines::ParentMark(const Line& line) {
  Mark mark;
  const RoutePath& path = line.route.path;
  if (path.size() < 2) return mark;
  const RoutePoint e = path.back();
  const int d = Sign(path[path.size() - 2].x - e.x);
  mark.strokes.push_back({{e.x + 3 * d, e.y - 4}, {e.x + 3 * d, e.y + 4}});
  if (line.relation.optional) {
    mark.ring = true;
    mark.centre = {e.x + 9 * d, e.y};
    mark.radius = 3;
  } else {
    mark.strokes.push_back({{e.x + 6 * d, e.y - 4}, {e.x + 6 * d, e.y + 4}});
  }
  return mark;
}

}  // namespace tablora
