#pragma once

#include <utility>
#include <vector>

#include "model/table_design.h"
#include "ui/design_relations.h"
#include "ui/relation_router.h"
#include "ui/table_surface.h"

namespace tablora {

/// What a line needs to know of a table window: its rectangle and, for each column of its
/// table, the rows of the window that show it. A column whose row is not shown (scrolled
/// away, cut off, titles only) has an empty band (top > bottom): its line meets the title.
struct RelationWindow {
  PixelRect rect;
  std::pair<int, int> title{0, -1};
  std::vector<std::pair<int, int>> columns;
};

/// The relationship lines of a view: one line per relation from the referencing column's
/// row of the child's window to the referenced column's row of the parent's, routed around
/// the windows and routed again whenever a window or a row a line meets moves. All
/// coordinates are surface pixels at 100 %.
class RelationLines {
 public:
  /// Designs with more lines than this route only the dragged window's lines while a
  /// window is dragged (straight from window to window) and every line when it is dropped.
  static constexpr int kRoutedWhileDragging = 400;

  struct Line {
    Relation relation;
    RouteEnd from;  ///< window = the child table's index
    RouteEnd to;    ///< window = the parent table's index
    RoutedLine route;
    PixelRect box;  ///< holds the path and its end marks
  };

  /// The windows of `surface` as lines see them; `definitions` in table order.
  static std::vector<RelationWindow> WindowsOf(const TableSurface& surface,
                                               const std::vector<TableDesign>& definitions);
  /// A window drawn whole at `rect` (all rows shown, no scroll bars): the picture's form.
  static RelationWindow WholeWindow(const PixelRect& rect, const GridModel& grid,
                                    int columnCount, bool titlesOnly);

  /// The relations to draw (after the design's definitions changed); lines are routed
  /// at the next Update.
  void SetRelations(std::vector<Relation> relations);
  /// Routes the lines for `windows` (indexed by table) unless nothing they meet moved.
  /// `moving`: the window being dragged, -1 for none. True when any line changed.
  bool Update(const std::vector<RelationWindow>& windows, int moving = -1);
  const std::vector<Line>& lines() const { return lines_; }
  bool empty() const { return lines_.empty(); }

  /// The line nearest to (x, y) within `tolerance` pixels, -1 for none.
  int HitTest(int x, int y, int tolerance) const;
  /// The lines whose box meets `area`.
  std::vector<int> LinesIn(const PixelRect& area) const;

  /// The strokes of an end mark: the crow's foot ("many") at the child, bars ("one") and a
  /// ring ("none allowed": the key may be NULL) at the parent.
  struct Mark {
    std::vector<std::pair<RoutePoint, RoutePoint>> strokes;
    bool ring = false;
    RoutePoint centre;
    int radius = 0;
  };
  static Mark ChildMark(const Line& line);
  static Mark ParentMark(const Line& line);

 private:
  RouteEnd EndOf(const std::vector<RelationWindow>& windows, int table,
                 const std::vector<int>& columns) const;

  std::vector<Relation> relations_;
  std::vector<Line> lines_;
  bool routed_ = false;   ///< lines_ hold a full routing of routedWindows_
  std::vector<PixelRect> routedWindows_;
};

}  // namespace tablora
