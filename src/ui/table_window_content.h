#pragma once

#include "base/settings.h"
#include "model/table_design.h"
#include "ui/grid_model.h"
#include "ui/text_measurer.h"

namespace tablora {

/// The grid a table window shows: a title row and one row per column of its table, one
/// grid column per keyword of the current field style.
class TableWindowContent {
 public:
  /// The border a window adds to its grid on each side, and the extra pixel of the size rule.
  static constexpr int kBorder = 2;
  static constexpr int kSizeExtra = 2 * kBorder + 1;

  /// Rebuilds rows, columns, texts and colours of `grid` from `table` and the current
  /// styles (no measuring). A later keyword without a width gets width 0. Returns true
  /// when the style shows titles only (its first keyword has no width).
  static bool Fill(GridModel& grid, const TableDesign& table, const Settings& settings,
                   Rgb textColour, Rgb backColour);
  /// Fits the rows to their tallest cells, and the whole grid when `titlesOnly`.
  static void Fit(GridModel& grid, bool titlesOnly, const TextMeasurer& measurer);

  struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size& o) const { return width == o.width && height == o.height; }
  };
  /// The window size for a grid of the given content size: as wide as the columns + 5;
  /// as tall as the rows + 5 when `wholeBox`, else cut at `configuredHeight` when the rows
  /// are taller than that; a cut window is `barWidth` wider, so that its vertical scroll
  /// bar does not hide a column.
  static Size WindowSize(int contentWidth, int contentHeight, int configuredHeight, bool wholeBox,
                         int barWidth);
};

}  // namespace tablora
