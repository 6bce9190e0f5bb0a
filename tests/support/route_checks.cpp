#include "support/route_checks.h"

#include <algorithm>

namespace tablora::testing {

namespace {
std::string Point(const RoutePoint& p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

bool Beside(const PixelRect& r, const RouteEnd& end, const RoutePoint& p) {
  return (p.x == r.x - 1 || p.x == r.right()) && p.y >= end.top && p.y <= end.bottom;
}
}  // namespace

std::string LineFaults(const std::vector<PixelRect>& windows, const RouteRequest& request,
                       const RoutedLine& line) {
  const RoutePath& path = line.path;
  if (path.size() < 2) return "fewer than two points";
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    if (path[i].x != path[i + 1].x && path[i].y != path[i + 1].y) {
      return "diagonal " + Point(path[i]) + " " + Point(path[i + 1]);
    }
  }
  if (path[0].y != path[1].y || path[path.size() - 2].y != path.back().y) {
    return "an end segment is not horizontal";
  }
  if (!Beside(windows[request.from.window], request.from, path.front())) {
    return "starts at " + Point(path.front());
  }
  if (!Beside(windows[request.to.window], request.to, path.back())) {
    return "ends at " + Point(path.back());
  }
  if (!line.clear) return {};
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const int x0 = std::min(path[i].x, path[i + 1].x);
    const int x1 = std::max(path[i].x, path[i + 1].x);
    const int y0 = std::min(path[i].y, path[i + 1].y);
    const int y1 = std::max(path[i].y, path[i + 1].y);
    for (std::size_t w = 0; w < windows.size(); ++w) {
      const PixelRect& r = windows[w];
      if (x0 < r.right() && x1 >= r.x && y0 < r.bottom() && y1 >= r.y) {
        return Point(path[i]) + " " + Point(path[i + 1]) + " crosses window " + std::to_string(w);
      }
    }
  }
  return {};
}

int LongestOverlap(const RoutePath& a, const RoutePath& b) {
  int longest = 0;
  for (std::size_t i = 0; i + 1 < a.size(); ++i) {
    for (std::size_t j = 0; j + 1 < b.size(); ++j) {
      const RoutePoint p = a[i], q = a[i + 1], r = b[j], s = b[j + 1];
      const bool vertical = p.x == q.x && r.x == s.x && p.x == r.x && p.y != q.y && r.y != s.y;
      const bool horizontal = p.y == q.y && r.y == s.y && p.y == r.y && p.x != q.x && r.x != s.x;
      if (vertical) {
        longest = std::max(longest, std::min(std::max(p.y, q.y), std::max(r.y, s.y)) -
                                        std::max(std::min(p.y, q.y), std::min(r.y, s.y)));
      } else if (horizontal) {
        longest = std::max(longest, std::min(std::max(p.x, q.x), std::max(r.x, s.x)) -
                                        std::max(std::min(p.x, q.x), std::min(r.x, s.x)));
      }
    }
  }
  return longest;
}

std::string PathText(const RoutePath& path) {
  std::string text;
  for (const RoutePoint& p : path) {
    text += (text.empty() ? "(" : " (") + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
  }
  return text;
}

int Bends(const RoutePath& path) { return std::max(0, static_cast<int>(path.size()) - 2); }

}  // namespace tablora::testing
