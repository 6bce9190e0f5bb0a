#include "ui/route_nudger.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <queue>
#include <set>

namespace tablora {

namespace {

using D = ObstacleGrid::Direction;

/// How far a segment looks for room on either side.
constexpr int kLook = 40;
/// Groups larger than this are ordered by a simple key instead of by counting crossings.
constexpr int kCountedGroup = 48;

/// One segment along the pass's axis: a vertical segment in the pass over x, a horizontal
/// one in the pass over y. `pos` is its x (y), [lo, hi] its extent along the other axis.
struct Segment {
  int line = 0;
  int index = 0;  ///< between points index and index + 1
  int pos = 0;
  int lo = 0;
  int hi = 0;
  int boundLo = 0;  ///< the positions the segment may take
  int boundHi = 0;
  int sideLo = 0;  ///< where the line goes on at the low end: -1 lower pos, +1 higher, 0 ends
  int sideHi = 0;
  int preferLo = INT_MIN;  ///< next to an end: where it would rather stay, room allowing
  int preferHi = INT_MAX;
};

int Sign(int v) { return (v > 0) - (v < 0); }

class Pass {
 public:
  /// `mending`: only groups where segments that must be apart share a track are placed.
  Pass(const ObstacleGrid& grid, std::vector<RouteNudger::Line>& lines, bool overX, int spacing,
       int stub, bool mending = false)
      : grid_(grid),
        lines_(lines),
        overX_(overX),
        spacing_(spacing),
        stub_(stub),
        mending_(mending) {}

  void Run() {
    Collect();
    if (segments_.empty()) return;
    Group();
    for (std::vector<int>& group : groups_) Place(group);
  }

 private:
  int Pos(const RoutePoint& p) const { return overX_ ? p.x : p.y; }
  int Along(const RoutePoint& p) const { return overX_ ? p.y : p.x; }
  void SetPos(RoutePoint& p, int v) const { (overX_ ? p.x : p.y) = v; }

  void Collect() {
    for (std::size_t l = 0; l < lines_.size(); ++l) {
      const RouteNudger::Line& line = lines_[l];
      if (line.fixed) continue;
      const RoutePath& path = line.path;
      const int n = static_cast<int>(path.size());
      for (int j = 0; j + 1 < n; ++j) {
        const RoutePoint& a = path[j];
        const RoutePoint& b = path[j + 1];
        if (Pos(a) != Pos(b) || Along(a) == Along(b)) continue;
        Segment s;
        s.line = static_cast<int>(l);
        s.index = j;
        s.pos = Pos(a);
        s.lo = std::min(Along(a), Along(b));
        s.hi = std::max(Along(a), Along(b));
        const bool aIsLow = Along(a) < Along(b);
        const int beforeA = j - 1;
        const int afterB = j + 2;
        const int lowNeighbour = aIsLow ? beforeA : afterB;
        const int highNeighbour = aIsLow ? afterB : beforeA;
        s.sideLo =
            lowNeighbour >= 0 && lowNeighbour < n ? Sign(Pos(path[lowNeighbour]) - s.pos) : 0;
        s.sideHi =
            highNeighbour >= 0 && highNeighbour < n ? Sign(Pos(path[highNeighbour]) - s.pos) : 0;
        Bounds(line, n, s);
        segments_.push_back(s);
      }
    }
  }

  void Bounds(const RouteNudger::Line& line, int n, Segment& s) const {
    const D before = overX_ ? D::kLeft : D::kUp;
    const D after = overX_ ? D::kRight : D::kDown;
    if (grid_.FreeBand(s.pos, s.lo, s.hi, after, 1) < 1) {
      s.boundLo = s.boundHi = s.pos;  // on a window: stays
      return;
    }
    const int freeBefore = grid_.FreeBand(s.pos - 1, s.lo, s.hi, before, kLook);
    const int freeAfter = grid_.FreeBand(s.pos + 1, s.lo, s.hi, after, kLook);
    s.boundLo = s.pos - freeBefore;
    s.boundHi = s.pos + freeAfter;
    // Keep off the windows' frames where the gap allows.
    const int width = s.boundHi - s.boundLo + 1;
    const int margin = width >= 7 ? 2 : width >= 3 ? 1 : 0;
    if (freeBefore < kLook) s.boundLo += margin;
    if (freeAfter < kLook) s.boundHi -= margin;
    const RoutePath& path = line.path;
    if (overX_) {
      // Next to an end: at least a pixel from the window, and `stub` where the gap
      // allows; in a crowded gap the lines take the whole gap rather than one track.
      const auto keepFrom = [&](int edge) {
        const bool windowBefore = edge < s.pos;
        if (windowBefore) {
          s.boundLo = std::max(s.boundLo, edge + 1);
          s.preferLo = std::max(s.preferLo, edge + stub_);
        } else {
          s.boundHi = std::min(s.boundHi, edge - 1);
          s.preferHi = std::min(s.preferHi, edge - stub_);
        }
      };
      if (s.index == 1) keepFrom(path[0].x);
      if (s.index == n - 3) keepFrom(path[n - 1].x);
    } else {
      // The first and last segments stay beside their rows.
      if (s.index == 0) {
        s.boundLo = std::max(s.boundLo, line.fromTop);
        s.boundHi = std::min(s.boundHi, line.fromBottom);
      }
      if (s.index == n - 2) {
        s.boundLo = std::max(s.boundLo, line.toTop);
        s.boundHi = std::min(s.boundHi, line.toBottom);
      }
    }
    if (s.boundLo > s.boundHi || s.pos < s.boundLo - kLook || s.pos > s.boundHi + kLook) {
      s.boundLo = s.boundHi = s.pos;
    }
  }

  /// Segments in one gap that share a stretch of it: their extents overlap and so do the
  /// positions they may take.
  void Group() {
    const int count = static_cast<int>(segments_.size());
    std::vector<int> all(count);
    std::iota(all.begin(), all.end(), 0);
    std::vector<int> parent(count);
    std::iota(parent.begin(), parent.end(), 0);
    const auto root = [&parent](int v) {
      while (parent[v] != v) v = parent[v] = parent[parent[v]];
      return v;
    };
    ForEachSharing(all, true, [&](int a, int b) { parent[root(a)] = root(b); });
    std::vector<int> slot(count, -1);
    for (int i = 0; i < count; ++i) {
      const int r = root(i);
      if (slot[r] < 0) {
        slot[r] = static_cast<int>(groups_.size());
        groups_.emplace_back();
      }
      groups_[slot[r]].push_back(i);
    }
  }

  /// Calls `pair(i, j)` for the positions i, j in `members` of two segments (of different
  /// lines when `otherLines`) whose extents overlap and whose rooms overlap. A sweep along the extents keeps
  /// the segments open at each place by room, so a gap crowded along its length costs no
  /// more than the segments side by side at any one place.
  template <typename Pair>
  void ForEachSharing(const std::vector<int>& members, bool otherLines, Pair pair) const {
    const int count = static_cast<int>(members.size());
    std::vector<int> byStart(count);
    std::iota(byStart.begin(), byStart.end(), 0);
    int widest = 0;
    for (int m : members) widest = std::max(widest, segments_[m].boundHi - segments_[m].boundLo);
    std::sort(byStart.begin(), byStart.end(), [&](int a, int b) {
      return segments_[members[a]].lo < segments_[members[b]].lo;
    });
    std::set<std::pair<int, int>> open;  // (boundLo, position in members)
    std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>>
        ends;  // (hi, position in members)
    for (int i : byStart) {
      const Segment& a = segments_[members[i]];
      while (!ends.empty() && ends.top().first < a.lo) {
        open.erase({segments_[members[ends.top().second]].boundLo, ends.top().second});
        ends.pop();
      }
      for (auto it = open.lower_bound({a.boundLo - widest, INT_MIN});
           it != open.end() && it->first <= a.boundHi; ++it) {
        const Segment& b = segments_[members[it->second]];
        if (b.boundHi < a.boundLo || (otherLines && b.line == a.line)) continue;
        pair(it->second, i);
      }
      open.insert({a.boundLo, i});
      ends.push({a.hi, i});
    }
  }

  /// Crossings when `a` runs at a lower position than `b`.
  int Crossings(const Segment& a, const Segment& b) const {
    int c = 0;
    const auto inside = [](int v, const Segment& s) { return s.lo < v && v < s.hi; };
    if (a.sideLo > 0 && inside(a.lo, b)) ++c;
    if (a.sideHi > 0 && inside(a.hi, b)) ++c;
    if (b.sideLo < 0 && inside(b.lo, a)) ++c;
    if (b.sideHi < 0 && inside(b.hi, a)) ++c;
    return c;
  }

  std::vector<int> Order(std::vector<int> group) const {
    std::sort(group.begin(), group.end(), [this](int a, int b) {
      const Segment& s = segments_[a];
      const Segment& t = segments_[b];
      if (s.pos != t.pos) return s.pos < t.pos;
      if (s.sideLo + s.sideHi != t.sideLo + t.sideHi)
        return s.sideLo + s.sideHi < t.sideLo + t.sideHi;
      return s.lo < t.lo;
    });
    if (group.size() > static_cast<std::size_t>(kCountedGroup)) return group;
    // Insert each segment where it crosses the fewest placed so far; ties keep the order
    // the positions had.
    std::vector<int> order;
    for (int m : group) {
      const Segment& s = segments_[m];
      int bestAt = static_cast<int>(order.size());
      int bestCost = INT_MAX;
      // Only places the rooms allow: a segment whose room lies wholly below another's
      // comes before it.
      int first = 0;
      int last = static_cast<int>(order.size());
      for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        if (segments_[order[k]].boundHi < s.boundLo) first = k + 1;
      }
      for (int k = static_cast<int>(order.size()) - 1; k >= 0; --k) {
        if (segments_[order[k]].boundLo > s.boundHi) last = k;
      }
      if (last < first) last = first;
      for (int at = first; at <= last; ++at) {
        int cost = 0;
        for (int k = 0; k < at; ++k) cost += Crossings(segments_[order[k]], s);
        for (int k = at; k < static_cast<int>(order.size()); ++k) {
          cost += Crossings(s, segments_[order[k]]);
        }
        if (cost < bestCost) {
          bestCost = cost;
          bestAt = at;
        }
      }
      // The group arrives sorted by position: the last allowed place wins a tie.
      int tieCost = 0;
      for (int k = 0; k < last; ++k) tieCost += Crossings(segments_[order[k]], s);
      for (int k = last; k < static_cast<int>(order.size()); ++k) {
        tieCost += Crossings(s, segments_[order[k]]);
      }
      if (tieCost == bestCost) bestAt = last;
      order.insert(order.begin() + bestAt, m);
    }
    return order;
  }

  /// Positions for a group in its order: each segment within its room, segments whose
  /// extents overlap a spacing apart (less where the gap is too narrow for all of them),
  /// each drawn towards the middle of its gap (or kept where it is in a wide one).
  void Place(const std::vector<int>& group) {
    const int k = static_cast<int>(group.size());
    if (mending_ && !SharesTrack(group)) return;
    if (k == 1) {
      const Segment& s = segments_[group[0]];
      Move(s, std::clamp(Wanted(s), s.boundLo, s.boundHi));
      return;
    }
    const std::vector<int> order = Order(group);
    // Pairs that must be apart, the earlier of the order at the lower position.
    std::vector<std::pair<int, int>> apart;
    ForEachSharing(order, false, [&apart](int i, int j) {
      apart.push_back({std::min(i, j), std::max(i, j)});
    });
    std::sort(apart.begin(), apart.end());
    // The spacing: as many segments as ever run side by side must fit the typical room.
    std::vector<std::pair<int, int>> events;
    std::vector<int> widths;
    for (int m : group) {
      events.push_back({segments_[m].lo, 1});
      events.push_back({segments_[m].hi + 1, -1});
      widths.push_back(segments_[m].boundHi - segments_[m].boundLo + 1);
    }
    std::sort(events.begin(), events.end());
    int depth = 0;
    int deepest = 1;
    for (const auto& e : events) deepest = std::max(deepest, depth += e.second);
    std::nth_element(widths.begin(), widths.begin() + k / 2, widths.end());
    const double gap = std::clamp(static_cast<double>(widths[k / 2]) / (deepest + 1), 1.0,
                                  static_cast<double>(spacing_));
    std::vector<double> x(k);
    std::vector<double> wanted(k);
    for (int i = 0; i < k; ++i) {
      wanted[i] = Wanted(segments_[order[i]]);
      x[i] = wanted[i];
    }
    for (int round = 0; round < 40; ++round) {
      for (const auto& [i, j] : apart) {
        const double short_ = gap - (x[j] - x[i]);
        if (short_ > 0) {
          x[i] -= short_ / 2;
          x[j] += short_ / 2;
        }
      }
      for (int i = 0; i < k; ++i) {
        const Segment& s = segments_[order[i]];
        x[i] += 0.05 * (wanted[i] - x[i]);
        x[i] = std::clamp(x[i], static_cast<double>(s.boundLo), static_cast<double>(s.boundHi));
      }
    }
    // Rounding may put two segments that must be apart on one track: each goes at least a
    // pixel past those before it in the order, then back below those after it where its
    // room ends.
    std::vector<int> at(k);
    for (int i = 0; i < k; ++i) at[i] = static_cast<int>(std::lround(x[i]));
    std::vector<std::vector<int>> before(k);
    std::vector<std::vector<int>> after(k);
    for (const auto& [i, j] : apart) {
      before[j].push_back(i);
      after[i].push_back(j);
    }
    for (int j = 0; j < k; ++j) {
      for (int i : before[j]) at[j] = std::max(at[j], at[i] + 1);
      at[j] = std::min(at[j], segments_[order[j]].boundHi);
    }
    for (int i = k - 1; i >= 0; --i) {
      for (int j : after[i]) at[i] = std::min(at[i], at[j] - 1);
      at[i] = std::max(at[i], segments_[order[i]].boundLo);
    }
    bool overlap = false;
    for (const auto& [i, j] : apart) overlap = overlap || at[i] >= at[j];
    if (overlap) Tracks(order, at);
    for (int i = 0; i < k; ++i) Move(segments_[order[i]], at[i]);
  }

  /// Where the order asks more tracks than the gap holds (its chains of segments that must
  /// be apart run longer than the segments side by side are deep): as few tracks as ever
  /// run side by side, each segment on the first track free along its extent, the tracks
  /// spread evenly over the room the group shares.
  void Tracks(const std::vector<int>& order, std::vector<int>& at) const {
    const int k = static_cast<int>(order.size());
    std::vector<int> byStart(k);
    std::iota(byStart.begin(), byStart.end(), 0);
    std::sort(byStart.begin(), byStart.end(), [&](int a, int b) {
      const Segment& s = segments_[order[a]];
      const Segment& t = segments_[order[b]];
      return s.lo != t.lo ? s.lo < t.lo : a < b;
    });
    std::vector<int> trackEnd;  // the last extent's end on each track
    std::vector<int> track(k);
    for (int i : byStart) {
      const Segment& s = segments_[order[i]];
      int t = 0;
      while (t < static_cast<int>(trackEnd.size()) && trackEnd[t] >= s.lo) ++t;
      if (t == static_cast<int>(trackEnd.size())) trackEnd.push_back(0);
      trackEnd[t] = s.hi;
      track[i] = t;
    }
    int lo = INT_MIN;
    int hi = INT_MAX;
    for (int m : order) {
      lo = std::max(lo, segments_[m].boundLo);
      hi = std::min(hi, segments_[m].boundHi);
    }
    const int tracks = static_cast<int>(trackEnd.size());
    for (int i = 0; i < k; ++i) {
      const Segment& s = segments_[order[i]];
      const int pos = lo <= hi ? lo + static_cast<int>((track[i] + 0.5) * (hi - lo + 1) / tracks)
                               : s.boundLo + track[i];
      at[i] = std::clamp(pos, s.boundLo, s.boundHi);
    }
  }

  /// Whether two segments of `group` whose extents overlap run on one track.
  bool SharesTrack(std::vector<int> group) const {
    std::sort(group.begin(), group.end(), [this](int a, int b) {
      const Segment& s = segments_[a];
      const Segment& t = segments_[b];
      return s.pos != t.pos ? s.pos < t.pos : s.lo < t.lo;
    });
    // Sorted by start, a segment overlaps one before it on its track when it starts before
    // the furthest end so far.
    int furthest = INT_MIN;
    for (std::size_t i = 0; i < group.size(); ++i) {
      const Segment& s = segments_[group[i]];
      if (i > 0 && s.pos != segments_[group[i - 1]].pos) furthest = INT_MIN;
      if (s.lo < furthest) return true;
      furthest = std::max(furthest, s.hi);
    }
    return false;
  }

  /// Where a segment would go alone: the middle of a gap closed on both sides within the
  /// look, else where it is.
  int Wanted(const Segment& s) const {
    const int lo = std::max(s.boundLo, s.preferLo);
    const int hi = std::min(s.boundHi, s.preferHi);
    if (lo > hi) return s.boundLo + (s.boundHi - s.boundLo) / 2;
    if (hi - lo + 1 < kLook) return lo + (hi - lo) / 2;
    return std::clamp(s.pos, lo, hi);
  }

  void Move(const Segment& s, int pos) {
    RoutePath& path = lines_[s.line].path;
    SetPos(path[s.index], pos);
    SetPos(path[s.index + 1], pos);
  }

  const ObstacleGrid& grid_;
  std::vector<RouteNudger::Line>& lines_;
  bool overX_;
  int spacing_;
  int stub_;
  bool mending_;
  std::vector<Segment> segments_;
  std::vector<std::vector<int>> groups_;
};

}  // namespace

void RouteNudger::Spread(const ObstacleGrid& grid, std::vector<Line>& lines, int spacing,
                         int stub) {
  for (Line& line : lines) Simplify(line.path);
  Pass(grid, lines, true, spacing, stub).Run();
  Pass(grid, lines, false, spacing, stub).Run();
  // Moving the segments of one direction stretches or shrinks those of the other between
  // them: where segments come to share a stretch on one track, their group is placed again.
  for (int round = 0; round < 3; ++round) {
    Pass(grid, lines, true, spacing, stub, true).Run();
    Pass(grid, lines, false, spacing, stub, true).Run();
  }
  for (Line& line : lines) Simplify(line.path);
}

void RouteNudger::Simplify(RoutePath& path) {
  RoutePath out;
  out.reserve(path.size());
  for (const RoutePoint& p : path) {
    if (!out.empty() && out.back() == p) continue;
    if (out.size() >= 2) {
      const RoutePoint& a = out[out.size() - 2];
      const RoutePoint& b = out.back();
      if ((a.x == b.x && b.x == p.x) || (a.y == b.y && b.y == p.y)) {
        out.back() = p;
        continue;
      }
    }
    out.push_back(p);
  }
  path = std::move(out);
}

}  // namespace tablora
