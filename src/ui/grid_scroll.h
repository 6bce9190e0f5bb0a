#pragma once

namespace tablora {

/// One scroll bar of a grid: the page is the client extent left for the non-fixed
/// cells; positions run from 0 to `maxPosition` (no bar when `range` is 0).
struct ScrollAxis {
  int page = 0;
  int range = 0;  ///< last unit of the scrollable content (content - fixed - 1), or 0
  bool operator==(const ScrollAxis& o) const { return page == o.page && range == o.range; }
  bool Visible() const { return range > 0; }
  /// Largest scroll position: the content beyond one page; 0 without a bar.
  int MaxPosition() const { return range > 0 && range + 1 > page ? range + 1 - page : 0; }
};

/// How a wheel turn scrolls: by whole pages or by single lines (steps > 0 scroll
/// towards the end, the wheel turned towards the user).
struct WheelScroll {
  bool byPage = false;
  int steps = 0;
  bool operator==(const WheelScroll& o) const { return byPage == o.byPage && steps == o.steps; }
};

/// The scrolling rules of the grid.
class GridScroll {
 public:
  /// Wheel scroll lines when the desktop gives none.
  static constexpr int kDefaultWheelLines = 3;
  /// The wheel scroll lines value that means page scrolling.
  static constexpr int kWheelPage = -1;
  static constexpr int kWheelDelta = 120;

  /// Axis for a client extent, the fixed cells' extent and the content extent: a bar
  /// exists when the non-fixed content is larger than the page.
  static ScrollAxis Axis(int clientExtent, int fixedExtent, int contentExtent);

  /// Pages (wheelLines == -1) or lines (delta * wheelLines / 120) for a wheel delta;
  /// a positive delta (away from the user) scrolls towards the top.
  static WheelScroll Wheel(int delta, int wheelLines);
};

}  // namespace tablora
