#include "ui/window_spread.h"

#include <algorithm>
#include <numeric>

namespace tablora {

namespace {

/// One axis: the distance each window moves along it. `start`, `end` and `growth` are the
/// windows' extents before the change and how much they grew along the axis.
std::vector<int> Shifts(const std::vector<int>& start, const std::vector<int>& end,
                        const std::vector<int>& growth) {
  const std::size_t n = start.size();
  std::vector<std::size_t> byStart(n);
  std::iota(byStart.begin(), byStart.end(), 0);
  std::vector<std::size_t> byEnd = byStart;
  std::sort(byStart.begin(), byStart.end(), [&](std::size_t a, std::size_t b) {
    return start[a] != start[b] ? start[a] < start[b] : end[a] < end[b];
  });
  std::sort(byEnd.begin(), byEnd.end(),
            [&](std::size_t a, std::size_t b) { return end[a] < end[b]; });
  // A window moves by the largest shift + growth of the windows that end before it starts;
  // those start earlier, so their shifts are known when it is reached.
  std::vector<int> shift(n, 0);
  int pushed = 0;
  std::size_t ended = 0;
  for (std::size_t i : byStart) {
    while (ended < n && end[byEnd[ended]] <= start[i]) {
      const std::size_t j = byEnd[ended++];
      pushed = std::max(pushed, shift[j] + growth[j]);
    }
    shift[i] = pushed;
  }
  return shift;
}

}  // namespace

std::vector<PixelRect> WindowSpread::Spread(const std::vector<PixelRect>& before,
                                            const std::vector<PixelRect>& after) {
  const std::size_t n = std::min(before.size(), after.size());
  std::vector<int> left(n), right(n), top(n), bottom(n), wider(n), taller(n);
  for (std::size_t i = 0; i < n; ++i) {
    left[i] = before[i].x;
    right[i] = before[i].x + before[i].width;
    top[i] = before[i].y;
    bottom[i] = before[i].y + before[i].height;
    wider[i] = std::max(0, after[i].width - before[i].width);
    taller[i] = std::max(0, after[i].height - before[i].height);
  }
  const std::vector<int> dx = Shifts(left, right, wider);
  const std::vector<int> dy = Shifts(top, bottom, taller);
  std::vector<PixelRect> spread(after.begin(), after.begin() + n);
  for (std::size_t i = 0; i < n; ++i) {
    spread[i].x = before[i].x + dx[i];
    spread[i].y = before[i].y + dy[i];
  }
  return spread;
}

}  // namespace tablora
