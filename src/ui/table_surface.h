#pragma once

#include <algorithm>
#include <vector>

#include "base/settings.h"
#include "model/design.h"
#include "ui/grid_layout.h"
#include "ui/grid_model.h"
#include "ui/table_window_content.h"
#include "ui/text_measurer.h"

namespace tablora {

/// Where a point lies on a table window.
enum class SurfaceZone {
  kNone,
  kClient,
  kLeft,
  kRight,
  kTop,
  kBottom,
  kTopLeft,
  kTopRight,
  kBottomLeft,
  kBottomRight,
  kLineUp,
  kLineDown,
  kPageUp,
  kPageDown,
  kVerticalThumb,
  kLineLeft,
  kLineRight,
  kPageLeft,
  kPageRight,
  kHorizontalThumb,
};

struct SurfaceHit {
  int table = -1;
  SurfaceZone zone = SurfaceZone::kNone;
};

/// The state of one table window besides its rectangle and colours (which the design's
/// TableWindowState holds).
struct SurfaceWindow {
  GridModel grid{30, 30};
  bool wholeBox = false;
  int scrollX = 0;  ///< the window's own scroll position in grid pixels
  int scrollY = 0;
  bool contentDirty = true;  ///< the cells must be rebuilt from the definition
  bool fitDirty = true;      ///< the content must be measured and the size rule applied
  bool titlesOnly = false;
  bool fitted = false;  ///< the size rule ran since the window was made
  int fittedWidth = 0;  ///< the content size the size rule last ran for
  int fittedHeight = 0;
  unsigned generation = 0;  ///< changes whenever the window's drawing changes
};

/// The table windows of one design view, drawn by the view itself: their stacking order,
/// hit-testing, moving and resizing with the mouse, their own scroll bars and the content
/// each window shows. Rectangles are in view (surface) pixels.
class TableSurface {
 public:
  static constexpr int kEdgeGrip = 4;     ///< pixels inside the frame that resize
  static constexpr int kScrollBar = 12;   ///< width of a window's scroll bar
  static constexpr int kScrollLine = 20;  ///< pixels one arrow click or wheel step scrolls
  static constexpr int kMinimumSize = 2 * kEdgeGrip + 2;

  explicit TableSurface(Design& design) : design_(design) {}
  const Design& design() const { return design_; }

  /// Follows the design's table list: new tables go on top, a cleared design empties it.
  void Sync();
  /// Table `index` was taken out of the design: its window goes, the windows after it
  /// take the indexes their tables now have, the stacking order stays.
  void TableRemoved(int index);
  /// A table came back at `index` (undo): the windows from there on take their new
  /// indexes; it goes on top of the stack.
  void TableInserted(int index);
  /// Table `table`'s entry was set as a whole: the window follows its full height and
  /// colours (its rectangle is the entry's).
  void WindowSet(int table);
  int Count() const { return static_cast<int>(windows_.size()); }
  SurfaceWindow& Window(int table) { return windows_.at(table); }
  const SurfaceWindow& Window(int table) const { return windows_.at(table); }

  PixelRect Rect(int table) const;
  /// Moves and sizes a window; its top-left corner stays on the surface (x, y >= 0).
  void SetRect(int table, PixelRect rect);
  /// The grid's area: inside the border, left of and above the scroll bars.
  PixelRect ClientRect(int table) const;
  struct Bars {
    bool vertical = false;
    bool horizontal = false;
    PixelRect verticalRect;  ///< the whole bar with its arrows
    PixelRect horizontalRect;
    PixelRect verticalThumb;
    PixelRect horizontalThumb;
  };
  Bars ScrollBars(int table) const;

  /// How many pixels inside the frame resize a window (kEdgeGrip unless set; a view
  /// shown at a small scale widens it).
  void SetEdgeGrip(int pixels) { edgeGrip_ = std::max(pixels, 1); }
  /// The topmost window under a point and the zone of it.
  SurfaceHit HitTest(int x, int y) const;
  void BringToTop(int table);
  /// Table indexes from the bottom of the stack to its top.
  const std::vector<int>& ZOrder() const { return zOrder_; }
  /// The windows that overlap `area`, from bottom to top.
  std::vector<int> VisibleIn(const PixelRect& area) const;
  /// The bottom and right edge of all windows.
  int Bottom() const;
  int Right() const;

  /// The table's definition changed (or its colours): rebuild its cells when next shown.
  void MarkContentDirty(int table);
  void MarkAllContentDirty();
  /// Rebuilds and fits the window when needed. The size rule (which keeps the top-left
  /// corner) runs on the first fit and when the content's size changed: a rebuild that
  /// leaves it as it was, such as a colour change, keeps a size the user or arrange gave.
  /// True when anything changed.
  bool Prepare(int table, const Settings& settings, const TextMeasurer& measurer);
  /// Fits every window that needs it, windows that grew pushing the windows wholly right
  /// of or below them apart (WindowSpread) so that no two windows come to overlap, and
  /// rebuilds the cells of the windows that overlap `area` (all windows when null); the
  /// others are only measured. True when a window's rectangle changed.
  bool PrepareAll(const Settings& settings, const TextMeasurer& measurer,
                  const PixelRect* area = nullptr);
  /// Flips the whole-box flag and applies the size rule; a change of the design.
  void ToggleWholeBox(int table, const Settings& settings, const TextMeasurer& measurer);
  /// Scrolls a window's grid by (dx, dy) pixels within its content; true when it moved.
  bool ScrollBy(int table, int dx, int dy);

  // The mouse.
  enum class Mode { kIdle, kMoving, kResizing, kVerticalThumb, kHorizontalThumb };
  /// Left button down: a press on the client starts a move and brings the window to the
  /// top; on the frame a resize; on a scroll bar it scrolls (arrows by a line, the trough
  /// by a page) or starts a thumb drag.
  SurfaceHit Press(int x, int y);
  /// Mouse move while a button is down: the rectangles to repaint (old and new place).
  std::vector<PixelRect> Drag(int x, int y);
  /// The button went up (or the capture was lost): a window moved or resized by the drag
  /// is a change of the design (Design::TableWindowChanged).
  void Release();
  Mode mode() const { return mode_; }
  int dragTable() const { return dragTable_; }
  /// The wheel over (x, y): scrolls the window there when it has a vertical bar and
  /// returns true; false when the view should scroll instead.
  bool Wheel(int x, int y, int steps);

 private:
  SurfaceZone ZoneIn(int table, int x, int y) const;
  /// The table's definition, or its names (in `names`) while it has none.
  const TableDesign& DefinitionOf(int table, TableDesign& names) const;
  /// Measures the window (and rebuilds its cells when `build`); the size rule runs when
  /// the content's size changed. True when it did.
  bool Fit(int table, const TableWindowContent::Style& style, const Settings& settings,
           const TextMeasurer& measurer, bool build);
  /// The size rule for the content size last measured, from the window's corner.
  void ApplySize(int table, const Settings& settings);
  void Changed(int table) { ++windows_[table].generation; }

  Design& design_;
  int edgeGrip_ = kEdgeGrip;
  std::vector<SurfaceWindow> windows_;
  std::vector<int> zOrder_;
  Mode mode_ = Mode::kIdle;
  int dragTable_ = -1;
  SurfaceZone dragZone_ = SurfaceZone::kNone;
  int pressX_ = 0;
  int pressY_ = 0;
  PixelRect pressRect_;
  int pressScrollX_ = 0;
  int pressScrollY_ = 0;
};

}  // namespace tablora
