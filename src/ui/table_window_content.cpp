#include "ui/table_window_content.h"

#include <algorithm>

#include "model/design.h"
#include "ui/display_styles.h"

namespace tablora {

// New windows are placed by this frame width (Design::PlaceWindow).
static_assert(TableWindowContent::kSizeExtra == TableWindowState::kFrameExtra);

bool TableWindowContent::Fill(GridModel& grid, const TableDesign& table, const Settings& settings,
                              Rgb textColour, Rgb backColour) {
  const std::vector<Settings::StyleWord> words = DisplayStyles::CurrentFieldWords(settings);
  const bool titlesOnly = !words.empty() && words.front().width == -1;
  const int columns = static_cast<int>(table.columns.size());
  // One title row: the second row a long title style would add has no column to show.
  grid.Clear();
  grid.SetDefaultRowHeight(30);
  grid.SetDefaultColumnWidth(30);
  grid.SetRowCount(titlesOnly ? 1 : 1 + columns);
  grid.SetColumnCount(static_cast<int>(words.size()));
  grid.SetFixedRowCount(0);
  grid.SetFixedColumnCount(0);
  for (std::size_t k = 0; k < words.size(); ++k) {
    int width = std::max(words[k].width, 0);
    if (k == 0 && titlesOnly) width = 1;
    grid.SetColumnWidth(static_cast<int>(k), width);
  }
  GridColours& colours = grid.Colours();
  colours.cellBack = backColour;
  colours.gridBack = backColour;
  colours.cellText = textColour;

  grid.SetCell(0, 0, kMaskText | kMaskFormat, DisplayStyles::CurrentTitleText(settings, table),
               kFormatCenter | kFormatWordBreak);
  if (!titlesOnly) {
    for (int r = 0; r < columns; ++r) {
      for (std::size_t k = 0; k < words.size(); ++k) {
        grid.SetCell(r + 1, static_cast<int>(k), kMaskText | kMaskFormat,
                     DisplayStyles::FieldText(words[k].word, table.columns[r]), kFormatWordBreak);
      }
    }
  }
  if (words.size() > 1) grid.MergeBlock(0, 0, 0, static_cast<int>(words.size()) - 1, 0);
  return titlesOnly;
}

void TableWindowContent::Fit(GridModel& grid, bool titlesOnly, const TextMeasurer& measurer) {
  grid.FitRowHeights(measurer);
  if (titlesOnly) grid.FitAll(measurer);
}

TableWindowContent::Size TableWindowContent::WindowSize(int contentWidth, int contentHeight,
                                                        int configuredHeight, bool wholeBox,
                                                        int barWidth) {
  Size size;
  size.width = contentWidth + kSizeExtra;
  if (wholeBox || configuredHeight >= contentHeight) {
    size.height = contentHeight + kSizeExtra;
  } else {
    size.height = configuredHeight;
    size.width += barWidth;
  }
  return size;
}

}  // namespace tablora
