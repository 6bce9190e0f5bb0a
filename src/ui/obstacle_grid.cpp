#include "ui/obstacle_grid.h"

#include <algorithm>

namespace tablora {

namespace {
constexpr int kMinCell = 64;
constexpr int kMaxCell = 4096;
}  // namespace

ObstacleGrid::ObstacleGrid(const std::vector<PixelRect>& rects, PixelRect bounds)
    : rects_(rects), bounds_(bounds) {
  bounds_.width = std::max(bounds_.width, 1);
  bounds_.height = std::max(bounds_.height, 1);
  // Cells about twice a window's size, but never so many that empty cells dominate.
  long long sides = 0;
  for (const PixelRect& r : rects_) sides += r.width + r.height;
  cell_ = rects_.empty() ? kMaxCell : static_cast<int>(sides / static_cast<long long>(rects_.size()));
  cell_ = std::clamp(cell_, kMinCell, kMaxCell);
  const long long cap = std::max<long long>(4096, 16LL * static_cast<long long>(rects_.size()));
  while (cell_ < kMaxCell * 16 && static_cast<long long>(bounds_.width / cell_ + 1) *
                                          (bounds_.height / cell_ + 1) > cap) {
    cell_ *= 2;
  }
  columns_ = bounds_.width / cell_ + 1;
  rows_ = bounds_.height / cell_ + 1;

  std::vector<int> count(static_cast<std::size_t>(columns_) * rows_ + 1, 0);
  const auto cover = [this](const PixelRect& r, auto each) {
    if (r.width <= 0 || r.height <= 0) return;
    const int c0 = CellColumn(r.x);
    const int c1 = CellColumn(r.right() - 1);
    const int r0 = CellRow(r.y);
    const int r1 = CellRow(r.bottom() - 1);
    for (int row = r0; row <= r1; ++row) {
      for (int column = c0; column <= c1; ++column) each(row * columns_ + column);
    }
  };
  for (const PixelRect& r : rects_) cover(r, [&count](int cell) { ++count[cell + 1]; });
  for (std::size_t i = 1; i < count.size(); ++i) count[i] += count[i - 1];
  start_ = count;
  rectIndex_.resize(count.back());
  for (std::size_t i = 0; i < rects_.size(); ++i) {
    cover(rects_[i], [this, &count, i](int cell) { rectIndex_[count[cell]++] = static_cast<int>(i); });
  }
}

int ObstacleGrid::CellColumn(int x) const {
  return std::clamp((x - bounds_.x) / cell_, 0, columns_ - 1);
}

int ObstacleGrid::CellRow(int y) const { return std::clamp((y - bounds_.y) / cell_, 0, rows_ - 1); }

template <typename Visit>
void ObstacleGrid::ForEachIn(int column, int row, Visit visit) const {
  const int cell = row * columns_ + column;
  for (int k = start_[cell]; k < start_[cell + 1]; ++k) visit(rects_[rectIndex_[k]]);
}

bool ObstacleGrid::Blocked(int x, int y) const {
  if (!bounds_.Contains(x, y)) return true;
  bool blocked = false;
  ForEachIn(CellColumn(x), CellRow(y), [&](const PixelRect& r) { blocked |= r.Contains(x, y); });
  return blocked;
}

int ObstacleGrid::Free(int x, int y, Direction direction, int limit) const {
  if (direction == kLeft || direction == kRight) return FreeBand(x, y, y, direction, limit);
  if (!bounds_.Contains(x, y)) return 0;
  return FreeBand(y, x, x, direction, limit);
}

int ObstacleGrid::FreeBand(int at, int from, int to, Direction direction, int limit) const {
  if (from > to) std::swap(from, to);
  const bool horizontal = direction == kLeft || direction == kRight;
  const bool forward = direction == kRight || direction == kDown;
  // Along: the axis the answer counts on; across: the band's axis.
  const int alongMin = horizontal ? bounds_.x : bounds_.y;
  const int alongEnd = horizontal ? bounds_.right() : bounds_.bottom();
  const int acrossMin = horizontal ? bounds_.y : bounds_.x;
  const int acrossEnd = horizontal ? bounds_.bottom() : bounds_.right();
  if (at < alongMin || at >= alongEnd || to < acrossMin || from >= acrossEnd) return 0;
  from = std::max(from, acrossMin);
  to = std::min(to, acrossEnd - 1);
  int best = std::min(limit, forward ? alongEnd - at : at - alongMin + 1);
  if (best <= 0) return 0;
  const int bandCell0 = horizontal ? CellRow(from) : CellColumn(from);
  const int bandCell1 = horizontal ? CellRow(to) : CellColumn(to);
  const int alongCells = horizontal ? columns_ : rows_;
  int cell = horizontal ? CellColumn(at) : CellRow(at);
  for (; cell >= 0 && cell < alongCells; cell += forward ? 1 : -1) {
    const int cellStart = alongMin + cell * cell_;
    const int cellEnd = cellStart + cell_;  // one past the cell
    const int distance = forward ? cellStart - at : at - (cellEnd - 1);
    if (distance >= best) break;
    for (int across = bandCell0; across <= bandCell1; ++across) {
      const int column = horizontal ? cell : across;
      const int row = horizontal ? across : cell;
      ForEachIn(column, row, [&](const PixelRect& r) {
        const int lo = horizontal ? r.x : r.y;
        const int hi = horizontal ? r.right() : r.bottom();  // one past
        const int acrossLo = horizontal ? r.y : r.x;
        const int acrossHi = horizontal ? r.bottom() : r.right();
        if (acrossLo > to || acrossHi <= from) return;
        if (forward) {
          if (hi > at) best = std::min(best, std::max(0, lo - at));
        } else {
          if (lo <= at) best = std::min(best, std::max(0, at - (hi - 1)));
        }
      });
    }
  }
  return best;
}

int ObstacleGrid::FirstHit(int x0, int y0, int x1, int y1) const {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  int found = -1;
  for (int row = CellRow(y0); row <= CellRow(y1); ++row) {
    for (int column = CellColumn(x0); column <= CellColumn(x1); ++column) {
      const int cell = row * columns_ + column;
      for (int k = start_[cell]; k < start_[cell + 1]; ++k) {
        const PixelRect& r = rects_[rectIndex_[k]];
        if (r.x <= x1 && r.right() > x0 && r.y <= y1 && r.bottom() > y0 &&
            (found < 0 || rectIndex_[k] < found)) {
          found = rectIndex_[k];
        }
      }
    }
  }
  return found;
}

}  // namespace tablora
