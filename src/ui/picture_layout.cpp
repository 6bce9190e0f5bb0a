#include "ui/picture_layout.h"

#include <algorithm>
#include <numeric>

namespace tablora {

namespace {

bool SpansOverlap(std::int64_t a, std::int64_t aEnd, std::int64_t b, std::int64_t bEnd) {
  return a < bEnd && b < aEnd;
}

/// The indexes of `windows` sorted by one coordinate of their surface place, then the other.
std::vector<int> Order(const std::vector<PictureLayout::Window>& windows, bool acrossFirst) {
  std::vector<int> order(windows.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const PixelRect& ra = windows[a].surface;
    const PixelRect& rb = windows[b].surface;
    return acrossFirst ? (ra.x != rb.x ? ra.x < rb.x : ra.y < rb.y)
                       : (ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x);
  });
  return order;
}

}  // namespace

PictureLayout PictureLayout::Lay(const std::vector<Window>& windows) {
  PictureLayout layout;
  const int count = static_cast<int>(windows.size());
  layout.rects_.resize(count);
  for (int i = 0; i < count; ++i) {
    const Window& w = windows[i];
    layout.rects_[i] = {w.surface.x, w.surface.y, std::max(w.wholeWidth, 0),
                        std::max(w.wholeHeight, 0)};
  }
  std::vector<PictureRect>& rects = layout.rects_;

  // Across: pairs that share rows of the surface, the left one placed first.
  const std::vector<int> byX = Order(windows, true);
  for (int k = 0; k < count; ++k) {
    const int w = byX[k];
    const PixelRect& sw = windows[w].surface;
    for (int j = 0; j < k; ++j) {
      const int u = byX[j];
      const PixelRect& su = windows[u].surface;
      if (!SpansOverlap(su.y, su.bottom(), sw.y, sw.bottom())) continue;
      const std::int64_t x =
          su.right() <= sw.x ? rects[u].right() + (sw.x - su.right()) : rects[u].x + (sw.x - su.x);
      rects[w].x = std::max(rects[w].x, x);
    }
  }

  // Down: pairs that share columns of the picture, the upper one placed first.
  const std::vector<int> byY = Order(windows, false);
  for (int k = 0; k < count; ++k) {
    const int w = byY[k];
    const PixelRect& sw = windows[w].surface;
    for (int j = 0; j < k; ++j) {
      const int u = byY[j];
      if (!SpansOverlap(rects[u].x, rects[u].right(), rects[w].x, rects[w].right())) continue;
      const PixelRect& su = windows[u].surface;
      const std::int64_t y = su.bottom() <= sw.y ? rects[u].bottom() + (sw.y - su.bottom())
                                                 : rects[u].y + (sw.y - su.y);
      rects[w].y = std::max(rects[w].y, y);
    }
  }

  for (const PictureRect& r : rects) {
    layout.width_ = std::max(layout.width_, r.right() + kMargin);
    layout.height_ = std::max(layout.height_, r.bottom() + kMargin);
  }
  return layout;
}

}  // namespace tablora
