#include "ui/tile_layout.h"

#include <algorithm>
#include <cmath>

namespace tablora {

void TileLayout::Reset(int count) {
  shares_.assign(std::max(count, 0), count > 0 ? 1.0 / count : 0);
}

void TileLayout::Remove(int index) {
  if (index < 0 || index >= count()) return;
  const double left = 1.0 - shares_[index];
  shares_.erase(shares_.begin() + index);
  if (left <= 0) return Reset(count());
  for (double& share : shares_) share /= left;
}

int TileLayout::PaneSpace(int width) const {
  return std::max(width - kSashWidth * std::max(count() - 1, 0), 0);
}

std::vector<PixelRect> TileLayout::Panes(int width, int height) const {
  std::vector<PixelRect> panes;
  const int space = PaneSpace(width);
  double edge = 0;
  int x = 0;
  for (int i = 0; i < count(); ++i) {
    edge += shares_[i];
    // The last pane ends at the right edge whatever the rounding.
    const int end = i + 1 == count() ? space : static_cast<int>(std::lround(edge * space));
    const int left = x - i * kSashWidth;
    panes.push_back({x, 0, std::max(end - left, 0), std::max(height, 0)});
    x = panes.back().right() + kSashWidth;
  }
  return panes;
}

int TileLayout::SashAt(int x, int width) const {
  const std::vector<PixelRect> panes = Panes(width, 1);
  for (int i = 0; i + 1 < count(); ++i) {
    if (x >= panes[i].right() && x < panes[i + 1].x) return i;
  }
  return -1;
}

void TileLayout::DragSash(int sash, int x, int width) {
  const int space = PaneSpace(width);
  if (sash < 0 || sash + 1 >= count() || space <= 0) return;
  const std::vector<PixelRect> panes = Panes(width, 1);
  const int first = panes[sash].x;
  const int pair = panes[sash].width + panes[sash + 1].width;
  const int left = std::clamp(x - first, 0, pair);
  const double both = shares_[sash] + shares_[sash + 1];
  shares_[sash] = pair > 0 ? both * left / pair : both / 2;
  shares_[sash + 1] = both - shares_[sash];
}

bool TileLayout::Uneven(int width) const {
  if (count() < 2) return false;
  const int even = PaneSpace(width) / count();
  for (const PixelRect& pane : Panes(width, 1)) {
    if (std::abs(pane.width - even) > 1) return true;
  }
  return false;
}

}  // namespace tablora
