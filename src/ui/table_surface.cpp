#include "ui/table_surface.h"

#include <algorithm>
#include <optional>

#include "ui/arrange_layout.h"
#include "ui/table_window_content.h"
#include "ui/window_spread.h"

namespace tablora {

namespace {

constexpr int kBorder = TableWindowContent::kBorder;
static_assert(ArrangeMetrics{}.scrollBar == TableSurface::kScrollBar);

bool Overlaps(const PixelRect& a, const PixelRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

/// Thumb length and offset along a track for a view of `visible` out of `content` pixels.
void Thumb(int track, int visible, int content, int scroll, int& offset, int& length) {
  length = content > 0 ? std::max(8, track * visible / content) : track;
  length = std::min(length, track);
  const int range = content - visible;
  offset = range > 0 ? (track - length) * scroll / range : 0;
}

}  // namespace

void TableSurface::Sync() {
  const int count = design_.tableCount();
  if (count < Count()) {
    windows_.clear();
    zOrder_.clear();
    mode_ = Mode::kIdle;
  }
  while (Count() < count) {
    const int table = Count();
    zOrder_.push_back(table);
    windows_.emplace_back();
    // A window stored above or left of the surface could never be reached again.
    SetRect(table, Rect(table));
  }
}

void TableSurface::TableInserted(int index) {
  if (index < 0 || index > Count() || Count() >= design_.tableCount()) return Sync();
  for (int& table : zOrder_) {
    if (table >= index) ++table;
  }
  zOrder_.push_back(index);
  windows_.insert(windows_.begin() + index, SurfaceWindow{});
  windows_[index].wholeBox = design_.entry(index).window.wholeBox;
  if (dragTable_ >= index) ++dragTable_;
  SetRect(index, Rect(index));
}

void TableSurface::WindowSet(int table) {
  if (table < 0 || table >= Count()) return;
  SurfaceWindow& window = windows_[table];
  window.wholeBox = design_.entry(table).window.wholeBox;
  // The colours are in the cells; the rectangle is the one the entry holds.
  window.contentDirty = true;
  Changed(table);
}

void TableSurface::TableRemoved(int index) {
  if (index < 0 || index >= Count()) return;
  windows_.erase(windows_.begin() + index);
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), index), zOrder_.end());
  for (int& table : zOrder_) {
    if (table > index) --table;
  }
  if (dragTable_ == index) {
    mode_ = Mode::kIdle;
    dragTable_ = -1;
  } else if (dragTable_ > index) {
    --dragTable_;
  }
}

PixelRect TableSurface::Rect(int table) const {
  const TableWindowState& w = design_.entries().at(table)->window;
  return {w.left, w.top, w.right - w.left, w.bottom - w.top};
}

void TableSurface::SetRect(int table, PixelRect rect) {
  TableWindowState& w = design_.entry(table).window;
  rect.x = std::max(rect.x, 0);
  rect.y = std::max(rect.y, 0);
  const bool resized = rect.width != w.right - w.left || rect.height != w.bottom - w.top;
  w.left = rect.x;
  w.top = rect.y;
  w.right = rect.x + rect.width;
  w.bottom = rect.y + rect.height;
  if (resized) {
    ScrollBy(table, 0, 0);  // keeps the scroll position within the new size
    Changed(table);
  }
}

TableSurface::Bars TableSurface::ScrollBars(int table) const {
  const PixelRect outer = Rect(table);
  const SurfaceWindow& window = windows_.at(table);
  PixelRect inner{outer.x + kBorder, outer.y + kBorder, outer.width - 2 * kBorder,
                  outer.height - 2 * kBorder};
  const int contentWidth = window.grid.ContentWidth();
  const int contentHeight = window.grid.ContentHeight();
  Bars bars;
  bars.vertical = contentHeight > inner.height;
  bars.horizontal = contentWidth > inner.width - (bars.vertical ? kScrollBar : 0);
  if (bars.horizontal && !bars.vertical) bars.vertical = contentHeight > inner.height - kScrollBar;
  const int clientWidth = std::max(0, inner.width - (bars.vertical ? kScrollBar : 0));
  const int clientHeight = std::max(0, inner.height - (bars.horizontal ? kScrollBar : 0));
  if (bars.vertical) {
    bars.verticalRect = {inner.x + clientWidth, inner.y, kScrollBar, clientHeight};
    const int track = std::max(0, clientHeight - 2 * kScrollBar);
    int offset = 0;
    int length = 0;
    Thumb(track, clientHeight, contentHeight, window.scrollY, offset, length);
    bars.verticalThumb = {bars.verticalRect.x, inner.y + kScrollBar + offset, kScrollBar, length};
  }
  if (bars.horizontal) {
    bars.horizontalRect = {inner.x, inner.y + clientHeight, clientWidth, kScrollBar};
    const int track = std::max(0, clientWidth - 2 * kScrollBar);
    int offset = 0;
    int length = 0;
    Thumb(track, clientWidth, contentWidth, window.scrollX, offset, length);
    bars.horizontalThumb = {inner.x + kScrollBar + offset, bars.horizontalRect.y, length,
                            kScrollBar};
  }
  return bars;
}

PixelRect TableSurface::ClientRect(int table) const {
  const PixelRect outer = Rect(table);
  const Bars bars = ScrollBars(table);
  return {outer.x + kBorder, outer.y + kBorder,
          std::max(0, outer.width - 2 * kBorder - (bars.vertical ? kScrollBar : 0)),
          std::max(0, outer.height - 2 * kBorder - (bars.horizontal ? kScrollBar : 0))};
}

SurfaceZone TableSurface::ZoneIn(int table, int x, int y) const {
  const PixelRect r = Rect(table);
  const bool left = x < r.x + edgeGrip_;
  const bool right = x >= r.x + r.width - edgeGrip_;
  const bool top = y < r.y + edgeGrip_;
  const bool bottom = y >= r.y + r.height - edgeGrip_;
  if (top && left) return SurfaceZone::kTopLeft;
  if (top && right) return SurfaceZone::kTopRight;
  if (bottom && left) return SurfaceZone::kBottomLeft;
  if (bottom && right) return SurfaceZone::kBottomRight;
  if (left) return SurfaceZone::kLeft;
  if (right) return SurfaceZone::kRight;
  if (top) return SurfaceZone::kTop;
  if (bottom) return SurfaceZone::kBottom;
  const Bars bars = ScrollBars(table);
  if (bars.vertical && bars.verticalRect.Contains(x, y)) {
    const PixelRect& bar = bars.verticalRect;
    if (y < bar.y + kScrollBar) return SurfaceZone::kLineUp;
    if (y >= bar.y + bar.height - kScrollBar) return SurfaceZone::kLineDown;
    if (y < bars.verticalThumb.y) return SurfaceZone::kPageUp;
    if (y >= bars.verticalThumb.y + bars.verticalThumb.height) return SurfaceZone::kPageDown;
    return SurfaceZone::kVerticalThumb;
  }
  if (bars.horizontal && bars.horizontalRect.Contains(x, y)) {
    const PixelRect& bar = bars.horizontalRect;
    if (x < bar.x + kScrollBar) return SurfaceZone::kLineLeft;
    if (x >= bar.x + bar.width - kScrollBar) return SurfaceZone::kLineRight;
    if (x < bars.horizontalThumb.x) return SurfaceZone::kPageLeft;
    if (x >= bars.horizontalThumb.x + bars.horizontalThumb.width) return SurfaceZone::kPageRight;
    return SurfaceZone::kHorizontalThumb;
  }
  return SurfaceZone::kClient;
}

SurfaceHit TableSurface::HitTest(int x, int y) const {
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
    if (Rect(*it).Contains(x, y)) return {*it, ZoneIn(*it, x, y)};
  }
  return {};
}

void TableSurface::BringToTop(int table) {
  auto it = std::find(zOrder_.begin(), zOrder_.end(), table);
  if (it == zOrder_.end()) return;
  zOrder_.erase(it);
  zOrder_.push_back(table);
}

std::vector<int> TableSurface::VisibleIn(const PixelRect& area) const {
  std::vector<int> visible;
  for (int table : zOrder_) {
    if (Overlaps(Rect(table), area)) visible.push_back(table);
  }
  return visible;
}

int TableSurface::Bottom() const {
  int bottom = 0;
  for (int i = 0; i < Count(); ++i) bottom = std::max(bottom, design_.entries()[i]->window.bottom);
  return bottom;
}

int TableSurface::Right() const {
  int right = 0;
  for (int i = 0; i < Count(); ++i) right = std::max(right, design_.entries()[i]->window.right);
  return right;
}

void TableSurface::MarkContentDirty(int table) {
  if (table < 0 || table >= Count()) return;
  windows_[table].contentDirty = true;
  windows_[table].fitDirty = true;
  Changed(table);
}

void TableSurface::MarkAllContentDirty() {
  for (int i = 0; i < Count(); ++i) MarkContentDirty(i);
}

const TableDesign& TableSurface::DefinitionOf(int table, TableDesign& names) const {
  const auto& definitions = design_.definitions();
  if (table < static_cast<int>(definitions.size()) && !definitions[table].actualName.empty()) {
    return definitions[table];
  }
  // A new table whose editor has not built its text yet: its names only.
  const TableNames& editorNames = design_.entries().at(table)->editor->names();
  names.displayName = editorNames.displayName;
  names.actualName = editorNames.actualName;
  names.comment = editorNames.comment;
  return names;
}

bool TableSurface::Fit(int table, const TableWindowContent::Style& style, const Settings& settings,
                       const TextMeasurer& measurer, bool build) {
  SurfaceWindow& window = windows_.at(table);
  TableDesign names;
  const TableWindowContent::Texts texts =
      TableWindowContent::TextsOf(DefinitionOf(table, names), style);
  const TableWindowContent::Measures measures =
      TableWindowContent::Measure(texts, style, settings, measurer);
  window.titlesOnly = texts.titlesOnly;
  window.fitDirty = false;
  if (build) {
    const TableWindowState& state = design_.entries()[table]->window;
    TableWindowContent::Fill(window.grid, texts, style, measures,
                             Rgb::FromColorRef(state.textColour),
                             Rgb::FromColorRef(state.bkColour));
    window.contentDirty = false;
    Changed(table);
  }
  const int width = measures.Width();
  const int height = measures.Height();
  if (window.fitted && width == window.fittedWidth && height == window.fittedHeight) return false;
  window.fitted = true;
  window.fittedWidth = width;
  window.fittedHeight = height;
  ApplySize(table, settings);
  return true;
}

bool TableSurface::Prepare(int table, const Settings& settings, const TextMeasurer& measurer) {
  const SurfaceWindow& window = windows_.at(table);
  if (!window.contentDirty && !window.fitDirty) return false;
  const PixelRect before = Rect(table);
  Fit(table, TableWindowContent::Style::Current(settings), settings, measurer, true);
  if (!(Rect(table) == before)) design_.TableWindowFitted(table);
  return true;
}

bool TableSurface::PrepareAll(const Settings& settings, const TextMeasurer& measurer,
                              const PixelRect* area) {
  const auto shown = [&](int table) { return area == nullptr || Overlaps(Rect(table), *area); };
  std::vector<PixelRect> before;
  before.reserve(Count());
  for (int i = 0; i < Count(); ++i) before.push_back(Rect(i));
  bool resized = false;
  std::optional<TableWindowContent::Style> style;
  for (int table = 0; table < Count(); ++table) {
    if (!windows_[table].fitDirty) continue;
    if (!style) style = TableWindowContent::Style::Current(settings);
    // Windows out of sight are only measured: their cells are made when they come into it.
    resized |= Fit(table, *style, settings, measurer, shown(table));
  }
  bool moved = false;
  // Fitting and spreading are the view's own doing, not steps of the design.
  struct Fitted {
    Design& design;
    const TableSurface& surface;
    const std::vector<PixelRect>& before;
    ~Fitted() {
      for (std::size_t i = 0; i < before.size(); ++i)
        if (!(surface.Rect(static_cast<int>(i)) == before[i]))
          design.TableWindowFitted(static_cast<int>(i));
    }
  } fitted{design_, *this, before};
  if (resized) {
    std::vector<PixelRect> after;
    after.reserve(Count());
    for (int i = 0; i < Count(); ++i) after.push_back(Rect(i));
    const std::vector<PixelRect> spread = WindowSpread::Spread(before, after);
    for (int i = 0; i < Count(); ++i) {
      if (!(spread[i] == after[i])) SetRect(i, spread[i]);
      moved |= !(spread[i] == before[i]);
    }
  }
  for (int table = 0; table < Count(); ++table) {
    if (!windows_[table].contentDirty || !shown(table)) continue;
    if (!style) style = TableWindowContent::Style::Current(settings);
    Fit(table, *style, settings, measurer, true);
  }
  return moved;
}

void TableSurface::ApplySize(int table, const Settings& settings) {
  SurfaceWindow& window = windows_[table];
  const TableWindowContent::Size size =
      TableWindowContent::WindowSize(window.fittedWidth, window.fittedHeight,
                                     settings.tableWinHeight, window.wholeBox, kScrollBar);
  PixelRect rect = Rect(table);
  rect.width = size.width;
  rect.height = size.height;
  SetRect(table, rect);
  ScrollBy(table, 0, 0);
}

void TableSurface::ToggleWholeBox(int table, const Settings& settings,
                                  const TextMeasurer& measurer) {
  SurfaceWindow& window = windows_.at(table);
  window.wholeBox = !window.wholeBox;
  design_.entry(table).window.wholeBox = window.wholeBox;
  if (window.contentDirty || window.fitDirty) Prepare(table, settings, measurer);
  ApplySize(table, settings);
  Changed(table);
  design_.TableWindowChanged(table);
}

bool TableSurface::ScrollBy(int table, int dx, int dy) {
  SurfaceWindow& window = windows_.at(table);
  const PixelRect client = ClientRect(table);
  const int maxX = std::max(0, window.grid.ContentWidth() - client.width);
  const int maxY = std::max(0, window.grid.ContentHeight() - client.height);
  const int x = std::clamp(window.scrollX + dx, 0, maxX);
  const int y = std::clamp(window.scrollY + dy, 0, maxY);
  if (x == window.scrollX && y == window.scrollY) return false;
  window.scrollX = x;
  window.scrollY = y;
  Changed(table);
  return true;
}

void TableSurface::Release() {
  const bool placed = (mode_ == Mode::kMoving || mode_ == Mode::kResizing) && dragTable_ >= 0 &&
                      dragTable_ < Count() && !(Rect(dragTable_) == pressRect_);
  mode_ = Mode::kIdle;
  if (placed) design_.TableWindowChanged(dragTable_);
}

SurfaceHit TableSurface::Press(int x, int y) {
  const SurfaceHit hit = HitTest(x, y);
  mode_ = Mode::kIdle;
  dragTable_ = hit.table;
  dragZone_ = hit.zone;
  if (hit.table < 0) return hit;
  pressX_ = x;
  pressY_ = y;
  pressRect_ = Rect(hit.table);
  pressScrollX_ = windows_[hit.table].scrollX;
  pressScrollY_ = windows_[hit.table].scrollY;
  const PixelRect client = ClientRect(hit.table);
  switch (hit.zone) {
    case SurfaceZone::kClient:
      mode_ = Mode::kMoving;
      BringToTop(hit.table);
      break;
    case SurfaceZone::kLineUp:
      ScrollBy(hit.table, 0, -kScrollLine);
      break;
    case SurfaceZone::kLineDown:
      ScrollBy(hit.table, 0, kScrollLine);
      break;
    case SurfaceZone::kPageUp:
      ScrollBy(hit.table, 0, -client.height);
      break;
    case SurfaceZone::kPageDown:
      ScrollBy(hit.table, 0, client.height);
      break;
    case SurfaceZone::kLineLeft:
      ScrollBy(hit.table, -kScrollLine, 0);
      break;
    case SurfaceZone::kLineRight:
      ScrollBy(hit.table, kScrollLine, 0);
      break;
    case SurfaceZone::kPageLeft:
      ScrollBy(hit.table, -client.width, 0);
      break;
    case SurfaceZone::kPageRight:
      ScrollBy(hit.table, client.width, 0);
      break;
    case SurfaceZone::kVerticalThumb:
      mode_ = Mode::kVerticalThumb;
      break;
    case SurfaceZone::kHorizontalThumb:
      mode_ = Mode::kHorizontalThumb;
      break;
    case SurfaceZone::kNone:
      break;
    default:
      mode_ = Mode::kResizing;
      break;
  }
  return hit;
}

std::vector<PixelRect> TableSurface::Drag(int x, int y) {
  if (mode_ == Mode::kIdle || dragTable_ < 0 || dragTable_ >= Count()) return {};
  const PixelRect before = Rect(dragTable_);
  const int dx = x - pressX_;
  const int dy = y - pressY_;
  if (mode_ == Mode::kMoving) {
    SetRect(dragTable_,
            {pressRect_.x + dx, pressRect_.y + dy, pressRect_.width, pressRect_.height});
  } else if (mode_ == Mode::kResizing) {
    int left = pressRect_.x;
    int top = pressRect_.y;
    int right = pressRect_.x + pressRect_.width;
    int bottom = pressRect_.y + pressRect_.height;
    const SurfaceZone z = dragZone_;
    if (z == SurfaceZone::kLeft || z == SurfaceZone::kTopLeft || z == SurfaceZone::kBottomLeft) {
      left = std::clamp(left + dx, 0, right - kMinimumSize);
    }
    if (z == SurfaceZone::kRight || z == SurfaceZone::kTopRight || z == SurfaceZone::kBottomRight) {
      right = std::max(right + dx, left + kMinimumSize);
    }
    if (z == SurfaceZone::kTop || z == SurfaceZone::kTopLeft || z == SurfaceZone::kTopRight) {
      top = std::clamp(top + dy, 0, bottom - kMinimumSize);
    }
    if (z == SurfaceZone::kBottom || z == SurfaceZone::kBottomLeft ||
        z == SurfaceZone::kBottomRight) {
      bottom = std::max(bottom + dy, top + kMinimumSize);
    }
    SetRect(dragTable_, {left, top, right - left, bottom - top});
  } else {
    const SurfaceWindow& window = windows_[dragTable_];
    const Bars bars = ScrollBars(dragTable_);
    const bool vertical = mode_ == Mode::kVerticalThumb;
    const int track = vertical ? bars.verticalRect.height - 2 * kScrollBar
                               : bars.horizontalRect.width - 2 * kScrollBar;
    const int thumb = vertical ? bars.verticalThumb.height : bars.horizontalThumb.width;
    const PixelRect client = ClientRect(dragTable_);
    const int range = vertical ? window.grid.ContentHeight() - client.height
                               : window.grid.ContentWidth() - client.width;
    const int free = track - thumb;
    const int moved = free > 0 ? (vertical ? dy : dx) * range / free : 0;
    const int target = (vertical ? pressScrollY_ : pressScrollX_) + moved;
    if (vertical) {
      ScrollBy(dragTable_, 0, target - window.scrollY);
    } else {
      ScrollBy(dragTable_, target - window.scrollX, 0);
    }
  }
  const PixelRect after = Rect(dragTable_);
  if (after == before && mode_ != Mode::kVerticalThumb && mode_ != Mode::kHorizontalThumb) {
    return {};
  }
  return after == before ? std::vector<PixelRect>{after} : std::vector<PixelRect>{before, after};
}

bool TableSurface::Wheel(int x, int y, int steps) {
  const SurfaceHit hit = HitTest(x, y);
  if (hit.table < 0 || !ScrollBars(hit.table).vertical) return false;
  ScrollBy(hit.table, 0, steps * kScrollLine);
  return true;
}

}  // namespace tablora
