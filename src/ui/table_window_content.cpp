#include "ui/table_window_content.h"

#include <algorithm>
#include <numeric>

#include "model/design.h"
#include "ui/display_styles.h"

namespace tablora {

// New windows are placed by this frame width (Design::PlaceWindow).
static_assert(TableWindowContent::kSizeExtra == TableWindowState::kFrameExtra);

namespace {

/// A cell's text needs its extent (padding included) and one pixel more for the grid line.
int NeededWidth(const TextMeasurer::Extent& extent) {
  return extent.width > 0 ? extent.width + 1 : 0;
}

/// The height of a word-broken text of extent `line` in a cell `room` pixels wide.
int TextHeight(const std::string& text, const TextMeasurer::Extent& line, int room,
               const TextMeasurer& measurer) {
  if (room <= 0 || NeededWidth(line) <= room) return line.height;
  return std::max(line.height, measurer.WrappedHeight(text, room, false));
}

}  // namespace

TableWindowContent::Style TableWindowContent::Style::Current(const Settings& settings) {
  Style style{
      DisplayStyles::CurrentTitleStyle(settings), DisplayStyles::CurrentFieldWords(settings), {}};
  for (const Settings::StyleWord& word : style.words) {
    style.fields.push_back(DisplayStyles::FieldOf(word.word));
  }
  return style;
}

TableWindowContent::Texts TableWindowContent::TextsOf(const TableDesign& table,
                                                      const Style& style) {
  Texts texts;
  texts.title = DisplayStyles::TitleText(style.title, table);
  texts.titlesOnly = !style.words.empty() && style.words.front().width == -1;
  // One title row: the second row a long title style would add has no column to show.
  if (texts.titlesOnly) return texts;
  texts.rows.reserve(table.columns.size());
  for (const ColumnDesign& column : table.columns) {
    std::vector<std::string>& row = texts.rows.emplace_back();
    row.reserve(style.fields.size());
    for (DisplayStyles::Field field : style.fields) {
      row.push_back(DisplayStyles::FieldText(field, column));
    }
  }
  return texts;
}

int TableWindowContent::Measures::Width() const {
  return std::accumulate(widths.begin(), widths.end(), 0);
}

int TableWindowContent::Measures::Height() const {
  return std::accumulate(heights.begin(), heights.end(), 0);
}

TableWindowContent::Measures TableWindowContent::Measure(const Texts& texts, const Style& style,
                                                         const Settings& settings,
                                                         const TextMeasurer& measurer) {
  const std::size_t columns = style.words.size();
  Measures m;
  m.widths.assign(columns, 0);
  if (texts.titlesOnly) {
    const TextMeasurer::Extent title = measurer.TextExtent(texts.title, false);
    m.widths[0] = title.width;
    m.heights.push_back(title.height + 15);
    return m;
  }
  // Each text measured once, row by row.
  std::vector<TextMeasurer::Extent> extents;
  extents.reserve(texts.rows.size() * columns);
  for (const std::vector<std::string>& row : texts.rows) {
    for (std::size_t k = 0; k < columns; ++k) extents.push_back(measurer.TextExtent(row[k], false));
  }
  for (std::size_t k = 0; k < columns; ++k) {
    if (!settings.fitColumnWidths) {
      m.widths[k] = std::max(style.words[k].width, 0);
      continue;
    }
    for (std::size_t r = 0; r < texts.rows.size(); ++r) {
      m.widths[k] = std::max(m.widths[k], NeededWidth(extents[r * columns + k]));
    }
    m.widths[k] = std::min(m.widths[k], settings.maxColumnWidth);
  }
  const TextMeasurer::Extent title = measurer.TextExtent(texts.title, false);
  int total = m.Width();
  if (settings.fitColumnWidths && columns > 0) {
    const int wanted = std::min(NeededWidth(title), std::max(total, settings.maxColumnWidth));
    if (wanted > total) {
      m.widths.back() += wanted - total;
      total = wanted;
    }
  }
  m.heights.reserve(texts.rows.size() + 1);
  // Without columns no cell holds the title.
  m.heights.push_back(columns == 0 ? 0 : TextHeight(texts.title, title, total, measurer));
  for (std::size_t r = 0; r < texts.rows.size(); ++r) {
    int height = 0;
    for (std::size_t k = 0; k < columns; ++k) {
      height = std::max(
          height, TextHeight(texts.rows[r][k], extents[r * columns + k], m.widths[k], measurer));
    }
    m.heights.push_back(height);
  }
  return m;
}

void TableWindowContent::Fill(GridModel& grid, const Texts& texts, const Style& style,
                              const Measures& measures, Rgb textColour, Rgb backColour) {
  const int columns = static_cast<int>(style.words.size());
  grid.Clear();
  grid.SetDefaultRowHeight(30);
  grid.SetDefaultColumnWidth(30);
  grid.SetRowCount(1 + static_cast<int>(texts.rows.size()));
  grid.SetColumnCount(columns);
  grid.SetFixedRowCount(0);
  grid.SetFixedColumnCount(0);
  for (int k = 0; k < columns; ++k) grid.SetColumnWidth(k, measures.widths[k]);
  for (int r = 0; r < grid.GetRowCount(); ++r) grid.SetRowHeight(r, measures.heights[r]);
  GridColours& colours = grid.Colours();
  colours.cellBack = backColour;
  colours.gridBack = backColour;
  colours.cellText = textColour;

  grid.SetCell(0, 0, kMaskText | kMaskFormat, texts.title, kFormatCenter | kFormatWordBreak);
  for (std::size_t r = 0; r < texts.rows.size(); ++r) {
    for (int k = 0; k < columns; ++k) {
      grid.SetCell(static_cast<int>(r) + 1, k, kMaskText | kMaskFormat, texts.rows[r][k],
                   kFormatWordBreak);
    }
  }
  if (columns > 1) grid.MergeBlock(0, 0, 0, columns - 1, 0);
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
