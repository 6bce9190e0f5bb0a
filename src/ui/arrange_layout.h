#pragma once

#include <string>
#include <vector>

#include "ui/grid_layout.h"

namespace tablora {

/// The choices of the arrange dialog.
struct ArrangeOptions {
  bool wholeDisplay = false;  ///< "全显示": every window as large as its content
  bool alignRows = false;     ///< "每行对齐": each row starts below the tallest window above
  /// 1 by table-list order ("按字母"), 2 by group ("按分组"), 3 by relations ("按关系排列")
  int order = 1;
  int tablesPerRow = 3;
  int width = 150;  ///< the width of a window whose content is wider
};

/// The sizes arrange works with: the settings' window height and margins, and the view's
/// scroll height before arranging.
struct ArrangeMetrics {
  int height = 150;
  int marginW = 10;
  int marginH = 20;
  int scrollHeight = 1000;
  /// "列宽适应内容": a window keeps its content's width instead of being cut at the width.
  bool contentWidth = false;
  /// The size of a window's scroll bars: a window cut at the height is this much wider for
  /// its vertical bar; one cut at the width that shows all its rows this much taller for
  /// its horizontal bar, so that no bar hides a column or a row.
  int scrollBar = 12;
};

struct ArrangedWindow {
  int table = -1;
  PixelRect rect;
  bool wholeBox = false;  ///< set for whole display; otherwise the window keeps its flag
};

struct Arrangement {
  std::vector<ArrangedWindow> windows;  ///< in the order placed
  int tablesPerRow = 0;                 ///< the number used (at most the table count)
  int scrollWidth = 10000;              ///< at least 10000, and as wide as the rightmost window
  int scrollHeight = 1000;
};

/// Lays table windows out in a grid of `tablesPerRow` slots per row. Each slot is a
/// column that grows by the heights of its windows (unless rows are aligned); the x of
/// a slot is the sum of the widths the slots before it use in the current row.
class ArrangeLayout {
 public:
  /// The window's content: the total of its column widths and of its row heights.
  struct Content {
    int width = 0;
    int height = 0;
  };

  /// Places the tables of `runs` in order; each run after the first starts a new row
  /// (by group, a run is a group). A table placed once is not placed again. Nothing is
  /// placed when tables per row is below 1; more tables per row than tables give the
  /// same layout as one per table.
  static Arrangement Compute(const ArrangeOptions& options, const ArrangeMetrics& metrics,
                             const std::vector<std::vector<int>>& runs,
                             const std::vector<Content>& content);

  /// The runs of an arrangement by group: the groups' tables in tree order, empty groups
  /// left out, then the tables of `tableCount` that no group holds.
  static std::vector<std::vector<int>> GroupRuns(const std::vector<std::vector<int>>& groups,
                                                 int tableCount);
  /// Reads the dialog's two edits into `options`. Returns the message to show, code page
  /// 936, and leaves `options` unchanged when an entry is not an integer ("请键入一个整数。")
  /// or the width is below 1 ("宽度不正确!要大于1"); empty when both are taken.
  static std::string ReadEntries(const std::string& tablesPerRow, const std::string& width,
                                 ArrangeOptions& options);
  /// The one run of table-list order.
  static std::vector<std::vector<int>> ListRun(int tableCount);
};

}  // namespace tablora
