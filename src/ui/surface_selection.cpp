#include "ui/surface_selection.h"

#include <algorithm>

#include "ui/table_surface.h"

namespace tablora {

bool SurfaceSelection::Contains(int table) const {
  return std::binary_search(tables_.begin(), tables_.end(), table);
}

void SurfaceSelection::Toggle(int table, int current) {
  if (tables_.empty() && current >= 0 && current != table) tables_.push_back(current);
  const auto at = std::lower_bound(tables_.begin(), tables_.end(), table);
  if (at != tables_.end() && *at == table) {
    tables_.erase(at);
  } else {
    tables_.insert(at, table);
  }
}

void SurfaceSelection::SelectAll(int count) {
  tables_.clear();
  for (int i = 0; i < count; ++i) tables_.push_back(i);
}

void SurfaceSelection::StartBand(int x, int y) {
  banding_ = true;
  bandX1_ = bandX2_ = x;
  bandY1_ = bandY2_ = y;
}

PixelRect SurfaceSelection::Band() const {
  const int left = std::min(bandX1_, bandX2_);
  const int top = std::min(bandY1_, bandY2_);
  return {left, top, std::abs(bandX2_ - bandX1_), std::abs(bandY2_ - bandY1_)};
}

void SurfaceSelection::EndBand(const TableSurface& surface, bool add) {
  banding_ = false;
  if (!add) tables_.clear();
  const PixelRect band = Band();
  for (int table = 0; table < surface.Count(); ++table) {
    const PixelRect r = surface.Rect(table);
    const bool touches = r.x < band.right() && band.x < r.right() && r.y < band.bottom() &&
                         band.y < r.bottom();
    if (touches && !Contains(table)) {
      tables_.insert(std::lower_bound(tables_.begin(), tables_.end(), table), table);
    }
  }
}

void SurfaceSelection::StartMove(const TableSurface& surface, int table) {
  moveTable_ = Contains(table) ? table : -1;
  startRects_.clear();
  if (moveTable_ < 0) return;
  for (int t : tables_) startRects_.push_back(surface.Rect(t));
}

std::vector<PixelRect> SurfaceSelection::FollowMove(TableSurface& surface) {
  std::vector<PixelRect> dirty;
  if (moveTable_ < 0) return dirty;
  const auto self = std::lower_bound(tables_.begin(), tables_.end(), moveTable_) - tables_.begin();
  const PixelRect now = surface.Rect(moveTable_);
  const int dx = now.x - startRects_[static_cast<std::size_t>(self)].x;
  const int dy = now.y - startRects_[static_cast<std::size_t>(self)].y;
  for (std::size_t i = 0; i < tables_.size(); ++i) {
    if (tables_[i] == moveTable_) continue;
    PixelRect r = startRects_[i];
    dirty.push_back(surface.Rect(tables_[i]));
    // A window does not go past the surface's top or left edge: it stops there.
    r.x = std::max(0, r.x + dx);
    r.y = std::max(0, r.y + dy);
    surface.SetRect(tables_[i], r);
    dirty.push_back(surface.Rect(tables_[i]));
  }
  return dirty;
}

std::vector<int> SurfaceSelection::EndMove(const TableSurface& surface) {
  std::vector<int> moved;
  for (std::size_t i = 0; i < tables_.size() && moveTable_ >= 0; ++i) {
    if (tables_[i] != moveTable_ && !(surface.Rect(tables_[i]) == startRects_[i]))
      moved.push_back(tables_[i]);
  }
  moveTable_ = -1;
  startRects_.clear();
  return moved;
}

void SurfaceSelection::TableRemoved(int index) {
  tables_.erase(std::remove(tables_.begin(), tables_.end(), index), tables_.end());
  for (int& t : tables_) {
    if (t > index) --t;
  }
  moveTable_ = -1;
}

void SurfaceSelection::TableInserted(int index) {
  for (int& t : tables_) {
    if (t >= index) ++t;
  }
  moveTable_ = -1;
}

}  // namespace tablora
