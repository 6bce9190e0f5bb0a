#pragma once

#include <string>
#include <vector>

#include "base/settings.h"
#include "model/table_design.h"
#include "ui/display_styles.h"
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

  /// The current title and field styles, looked up once for many windows.
  struct Style {
    std::string title;                         ///< the title style's name
    std::vector<Settings::StyleWord> words;    ///< field keywords with their widths (-1: none)
    std::vector<DisplayStyles::Field> fields;  ///< what each keyword shows
    static Style Current(const Settings& settings);
  };

  /// What a window shows. Titles only when the style's first keyword has no width.
  struct Texts {
    std::string title;
    std::vector<std::vector<std::string>> rows;  ///< per table column: a text per keyword
    bool titlesOnly = false;
  };
  static Texts TextsOf(const TableDesign& table, const Style& style);

  /// The column widths and row heights of a window's grid.
  struct Measures {
    std::vector<int> widths;
    std::vector<int> heights;
    int Width() const;
    int Height() const;
  };
  /// Fits the grid to its texts. Off "列宽适应内容" (`settings.fitColumnWidths`) a column
  /// is as wide as the settings give its keyword (0 when they give none). On, it is as wide
  /// as its longest text (0 when it has none), at most `settings.maxColumnWidth`, and the
  /// last column widens so that the title fits on one line within that maximum (or within
  /// the columns when they are wider). Every row is as tall as its tallest cell, a text
  /// wider than its cell (the title: than the whole row) taking the lines it wraps into.
  /// Titles only: one column as wide as the title and a row 15 pixels taller than it.
  static Measures Measure(const Texts& texts, const Style& style, const Settings& settings,
                          const TextMeasurer& measurer);

  /// Rebuilds rows, columns, texts, sizes and colours of `grid`.
  static void Fill(GridModel& grid, const Texts& texts, const Style& style,
                   const Measures& measures, Rgb textColour, Rgb backColour);

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
