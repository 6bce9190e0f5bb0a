#pragma once

#include <vector>

#include "ui/pixel_rect.h"

namespace tablora {

/// Window rectangles bucketed on a uniform grid, for the free-space questions a line router
/// asks: is a pixel free, and how many free pixels lie beside a point or beside a band.
/// Pixels outside `bounds` count as taken.
class ObstacleGrid {
 public:
  ObstacleGrid(const std::vector<PixelRect>& rects, PixelRect bounds);

  const PixelRect& bounds() const { return bounds_; }
  const std::vector<PixelRect>& rects() const { return rects_; }
  /// True when pixel (x, y) lies in a rectangle or outside the bounds.
  bool Blocked(int x, int y) const;

  enum Direction { kLeft = 0, kRight = 1, kUp = 2, kDown = 3 };
  /// The number of free pixels from (x, y) on in `direction`, (x, y) itself counted: 0 when
  /// it is taken. Stops counting at `limit`.
  int Free(int x, int y, Direction direction, int limit) const;
  /// The same for a band: the free columns (rows) from `at` on in `direction` across the
  /// whole band [from, to] of rows (columns). A horizontal direction reads `at` as a column
  /// and the band as rows, a vertical one the other way round.
  int FreeBand(int at, int from, int to, Direction direction, int limit) const;
  /// The first rectangle (index) that a segment from (x0, y0) to (x1, y1) of one row or
  /// column touches, -1 for none.
  int FirstHit(int x0, int y0, int x1, int y1) const;

 private:
  int CellColumn(int x) const;
  int CellRow(int y) const;
  template <typename Visit>
  void ForEachIn(int column, int row, Visit visit) const;

  std::vector<PixelRect> rects_;
  PixelRect bounds_;
  int cell_ = 256;
  int columns_ = 1;
  int rows_ = 1;
  std::vector<int> start_;  ///< cell c holds rectIndex_[start_[c] .. start_[c + 1])
  std::vector<int> rectIndex_;
};

}  // namespace tablora
