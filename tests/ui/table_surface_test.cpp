#include "ui/table_surface.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "model/script_parser.h"
#include "support/model_fixture.h"
#include "support/scripted_prompts.h"
#include "ui/grid_text_wrap.h"
#include "ui/table_window_content.h"

namespace tablora {
namespace {

/// 7 pixels per byte, lines of 12 pixels; wrapped text takes the lines its width needs.
class FakeMeasurer : public TextMeasurer {
 public:
  Extent TextExtent(const std::string& text, bool) const override {
    return {static_cast<int>(text.size()) * 7, 12};
  }
  int WrappedHeight(const std::string& text, int width, bool) const override {
    // The last pixel of a cell is its grid line.
    const auto lines = GridTextWrap::Lines(
        text, width - 1, [](std::string_view piece) { return static_cast<int>(piece.size()) * 7; });
    return 12 * static_cast<int>(lines.size());
  }
  Extent ImageExtent(int) const override { return {}; }
};

TableDesign Table(const std::string& name, int columns) {
  TableDesign t;
  t.actualName = name;
  for (int i = 0; i < columns; ++i) {
    ColumnDesign c;
    c.actualName = "c" + std::to_string(i);
    c.typeName = "int";
    c.primaryKey = i == 0;
    t.columns.push_back(c);
  }
  return t;
}

class TableSurfaceTest : public ::testing::Test {
 protected:
  TableSurfaceTest() : design(app, prompts, parser, &view), surface(design) {
    app.settings = testing::EditorSettings();
    Settings& s = app.settings;
    s.headerStyles = {Cp936(u8"实际表名")};
    s.columnStyles = {Cp936(u8"实际列名 数据类型 主键"), Cp936(u8"描述 实际列名"), ""};
    s.columnWidths = {
        {Cp936(u8"实际列名"), "60"}, {Cp936(u8"数据类型"), "50"}, {Cp936(u8"主键"), "30"}};
    s.currentHeaderStyle = 1;
    s.currentColumnStyle = 1;
  }

  /// Adds tables with `columns[i]` columns each and prepares every window.
  void Add(const std::vector<int>& columns) {
    for (int n : columns) {
      const int index = design.tableCount();
      design.definitions().push_back(Table("t" + std::to_string(index), n));
      ASSERT_EQ(design.AddTable(false, index), index);
    }
    surface.Sync();
    for (int i = 0; i < surface.Count(); ++i) surface.Prepare(i, app.settings, measurer);
  }
  void Place(int table, PixelRect rect) { surface.SetRect(table, rect); }

  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  testing::RecordingDesignView view;
  Design design;
  TableSurface surface;
  FakeMeasurer measurer;
};

TEST_F(TableSurfaceTest, ContentFollowsTheStylesAndTheSizeRule) {
  Add({2, 0, 20});
  const GridModel& grid = surface.Window(0).grid;
  ASSERT_EQ(grid.GetRowCount(), 3);
  ASSERT_EQ(grid.GetColumnCount(), 3);
  EXPECT_EQ(grid.GetCellText(0, 0), "t0");
  EXPECT_EQ(grid.BlockOf(0, 0).maxColumn, 2);  // the title spans the width
  EXPECT_EQ(grid.GetCellText(1, 0), "c0");
  EXPECT_EQ(grid.GetCellText(1, 1), "int");
  EXPECT_EQ(grid.GetCellText(1, 2), "<pk>");
  EXPECT_EQ(grid.GetCellText(2, 2), "");
  EXPECT_EQ(grid.Colours().cellBack, (Rgb{128, 255, 128}));
  // Every row one line of 12: 3 rows + 5; the width is the columns + 5.
  EXPECT_EQ(surface.Rect(0), (PixelRect{0, 0, 145, 41}));
  EXPECT_EQ(surface.Rect(1).height, 17);  // no columns: the title only
  // 21 rows of 12 = 252 > 150: cut at the configured height, with a vertical bar.
  EXPECT_EQ(surface.Rect(2), (PixelRect{320, 0, 157, 150}));
  EXPECT_TRUE(surface.ScrollBars(2).vertical);
  EXPECT_FALSE(surface.ScrollBars(2).horizontal);
  EXPECT_FALSE(surface.ScrollBars(0).vertical);
}

TEST_F(TableSurfaceTest, SizeRuleForEachHeight) {
  struct Case {
    int content;
    int configured;
    bool whole;
    int width;
    int height;
  };
  const Case cases[] = {{100, 150, false, 75, 105}, {200, 150, false, 87, 150},
                        {200, 150, true, 75, 205},  {150, 150, false, 75, 155},
                        {148, 150, false, 75, 153}, {0, 150, false, 75, 5}};
  for (const Case& c : cases) {
    const auto size = TableWindowContent::WindowSize(70, c.content, c.configured, c.whole, 12);
    EXPECT_EQ(size, (TableWindowContent::Size{c.width, c.height})) << c.content << " " << c.whole;
  }
}

TEST(TableWindowContentTest, ColumnsFitTheirLongestTextsAndRowsTheLinesTheyWrapInto) {
  Settings s;
  s.headerStyles = {Cp936(u8"实际表名")};
  s.columnStyles = {Cp936(u8"实际列名 数据类型 主键(外键) 描述 默认值"), Cp936(u8"主键(外键)")};
  s.columnWidths = {{Cp936(u8"实际列名"), "60"},
                    {Cp936(u8"数据类型"), "50"},
                    {Cp936(u8"主键(外键)"), "30"},
                    {Cp936(u8"描述"), "80"},
                    {Cp936(u8"默认值"), "40"}};
  s.currentHeaderStyle = 1;
  const auto column = [](std::string name, std::string type, bool key, bool foreign,
                         std::string note) {
    ColumnDesign c;
    c.actualName = std::move(name);
    c.typeName = std::move(type);
    c.primaryKey = key;
    c.foreignKey = foreign;
    c.note = std::move(note);
    return c;
  };
  TableDesign table;
  table.columns = {
      column("ModifiedDate", "datetime", false, false, "The date the row was last changed"),
      column("BusinessEntityID", "uniqueidentifier", true, true, ""),
      column("ID", "int", true, false, "")};
  struct Case {
    const char* name;
    int style;
    bool fit;
    int maximum;
    const char* title;
    std::vector<int> widths;
    std::vector<int> heights;  ///< lines of 12 pixels
  };
  const Case cases[] = {
      // The widths of the settings; no Latin word is broken, the note wraps at blanks.
      {"widths of the settings", 1, false, 300, "Sales", {60, 50, 30, 80, 40}, {12, 48, 12, 12}},
      // Each column as wide as its longest text (7 pixels a byte and the grid line); a
      // column without text takes no room.
      {"fitted", 1, true, 300, "Sales", {113, 113, 50, 232, 0}, {12, 12, 12, 12}},
      {"fitted within the maximum",
       1,
       true,
       100,
       "Sales",
       {100, 100, 50, 100, 0},
       {12, 36, 12, 12}},
      // A title wider than the columns widens the last one, up to the maximum...
      {"title", 2, true, 300, "EmployeeDepartmentHistory", {176}, {12, 12, 12, 12}},
      // ...and beyond it wraps between its words.
      {"long title", 2, true, 100, "Employee Department History", {100}, {36, 12, 12, 12}},
  };
  FakeMeasurer measurer;
  for (const Case& c : cases) {
    s.currentColumnStyle = c.style;
    s.fitColumnWidths = c.fit;
    s.maxColumnWidth = c.maximum;
    table.actualName = c.title;
    const auto style = TableWindowContent::Style::Current(s);
    const auto measures =
        TableWindowContent::Measure(TableWindowContent::TextsOf(table, style), style, s, measurer);
    EXPECT_EQ(measures.widths, c.widths) << c.name;
    EXPECT_EQ(measures.heights, c.heights) << c.name;
  }
}

TEST_F(TableSurfaceTest, StyleEdgesTitlesOnlyEmptyStyleAndLaterUnknownWords) {
  Add({3});
  app.settings.currentColumnStyle = 2;  // first keyword has no width: titles only
  surface.MarkAllContentDirty();
  surface.Prepare(0, app.settings, measurer);
  EXPECT_TRUE(surface.Window(0).titlesOnly);
  EXPECT_EQ(surface.Window(0).grid.GetRowCount(), 1);
  EXPECT_EQ(surface.Window(0).grid.GetColumnWidth(0), 14);  // fitted to "t0"
  app.settings.currentColumnStyle = 3;  // an empty style: no columns, a 5 x 5 window
  surface.MarkContentDirty(0);
  surface.Prepare(0, app.settings, measurer);
  EXPECT_EQ(surface.Rect(0), (PixelRect{0, 0, 5, 5}));
  app.settings.columnStyles[0] = Cp936(u8"实际列名 未知");  // a later unknown word: width 0
  app.settings.currentColumnStyle = 1;
  surface.MarkContentDirty(0);
  surface.Prepare(0, app.settings, measurer);
  EXPECT_EQ(surface.Window(0).grid.GetColumnWidth(1), 0);
  EXPECT_EQ(surface.Rect(0).width, 65);
}

TEST_F(TableSurfaceTest, ARebuildKeepsAGivenSizeUntilTheContentSizeChanges) {
  Add({3, 3});
  Place(0, {10, 10, 60, 40});  // resized (or arranged) smaller than its content
  design.entry(0).window.bkColour = 0x000000FF;
  surface.MarkContentDirty(0);  // as a colour change does
  EXPECT_FALSE(surface.PrepareAll(app.settings, measurer));
  EXPECT_EQ(surface.Rect(0), (PixelRect{10, 10, 60, 40}));
  EXPECT_EQ(surface.Window(0).grid.Colours().cellBack, (Rgb{255, 0, 0}));
  // One column more: the size rule again, from the same corner.
  design.definitions()[0].columns.push_back(Table("x", 1).columns[0]);
  surface.MarkContentDirty(0);
  EXPECT_TRUE(surface.PrepareAll(app.settings, measurer));
  EXPECT_EQ(surface.Rect(0), (PixelRect{10, 10, 145, 5 * 12 + 5}));
}

TEST_F(TableSurfaceTest, WindowsThatAStyleWidensMoveTheirNeighboursApart) {
  Add({2, 2, 2, 2, 2, 2, 2});  // six to a row of cells 160 wide, the seventh below
  ASSERT_EQ(surface.Rect(6), (PixelRect{0, 170, 145, 41}));
  app.settings.columnWidths[Cp936(u8"实际列名")] = "120";  // every window 60 wider
  surface.MarkAllContentDirty();
  EXPECT_TRUE(surface.PrepareAll(app.settings, measurer));
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(surface.Rect(i), (PixelRect{220 * i, 0, 205, 41})) << i;  // the gaps stay 15
  }
  EXPECT_EQ(surface.Rect(6), (PixelRect{0, 170, 205, 41}));
  EXPECT_FALSE(surface.PrepareAll(app.settings, measurer)) << "nothing left to fit";
  // A narrower style moves nothing.
  app.settings.columnWidths[Cp936(u8"实际列名")] = "60";
  surface.MarkAllContentDirty();
  EXPECT_TRUE(surface.PrepareAll(app.settings, measurer));
  EXPECT_EQ(surface.Rect(5), (PixelRect{1100, 0, 145, 41}));
}

TEST_F(TableSurfaceTest, HitTestFindsTheTopmostWindowAndItsZone) {
  Add({2, 20});
  Place(0, {100, 100, 145, 41});
  Place(1, {200, 110, 157, 150});
  struct Case {
    int x, y;
    int table;
    SurfaceZone zone;
  };
  const Case cases[] = {
      {50, 50, -1, SurfaceZone::kNone},
      {150, 120, 0, SurfaceZone::kClient},
      {100, 120, 0, SurfaceZone::kLeft},
      {201, 120, 1, SurfaceZone::kLeft},  // window 1 lies above window 0
      {242, 105, 0, SurfaceZone::kRight},
      {170, 100, 0, SurfaceZone::kTop},
      {170, 140, 0, SurfaceZone::kBottom},
      {101, 101, 0, SurfaceZone::kTopLeft},
      {355, 259, 1, SurfaceZone::kBottomRight},
      {354, 130, 1, SurfaceZone::kRight},
      {347, 118, 1, SurfaceZone::kLineUp},
      {347, 250, 1, SurfaceZone::kLineDown},
      {347, 130, 1, SurfaceZone::kVerticalThumb},
      {347, 240, 1, SurfaceZone::kPageDown},
      {300, 200, 1, SurfaceZone::kClient},
  };
  for (const Case& c : cases) {
    const SurfaceHit hit = surface.HitTest(c.x, c.y);
    EXPECT_EQ(hit.table, c.table) << c.x << "," << c.y;
    EXPECT_EQ(hit.zone, c.zone) << c.x << "," << c.y;
  }
  surface.BringToTop(0);
  EXPECT_EQ(surface.HitTest(201, 120).table, 0);
  EXPECT_EQ(surface.ZOrder(), (std::vector<int>{1, 0}));
  EXPECT_EQ(surface.VisibleIn({0, 0, 150, 105}), (std::vector<int>{0}));
  EXPECT_EQ(surface.VisibleIn({300, 0, 10, 1000}), (std::vector<int>{1}));
  EXPECT_TRUE(surface.VisibleIn({0, 300, 1000, 10}).empty());
}

TEST_F(TableSurfaceTest, DragMovesByTheMouseDeltaBringsToTopAndStaysOnTheSurface) {
  Add({2, 2});
  Place(0, {0, 0, 145, 41});
  Place(1, {100, 20, 145, 41});
  const SurfaceHit hit = surface.Press(30, 20);
  EXPECT_EQ(hit.table, 0);
  EXPECT_EQ(surface.mode(), TableSurface::Mode::kMoving);
  EXPECT_EQ(surface.ZOrder().back(), 0);
  const std::vector<PixelRect> damaged = surface.Drag(80, 45);
  EXPECT_EQ(damaged, (std::vector<PixelRect>{{0, 0, 145, 41}, {50, 25, 145, 41}}));
  EXPECT_EQ(surface.HitTest(150, 50).table, 0);  // above window 1 where they overlap
  const TableWindowState& w = design.entry(0).window;
  EXPECT_EQ((std::vector<int>{w.left, w.top, w.right, w.bottom}),
            (std::vector<int>{50, 25, 195, 66}));
  surface.Drag(-500, -500);  // the top-left corner stays reachable
  EXPECT_EQ(surface.Rect(0), (PixelRect{0, 0, 145, 41}));
  surface.Release();
  EXPECT_TRUE(surface.Drag(300, 300).empty());
  EXPECT_EQ(surface.Rect(0), (PixelRect{0, 0, 145, 41}));
}

TEST_F(TableSurfaceTest, FrameEdgesResizeWithinLimits) {
  Add({2});
  Place(0, {100, 100, 145, 41});
  struct Case {
    int x, y, toX, toY;
    PixelRect after;
  };
  const Case cases[] = {
      {244, 120, 274, 500, {100, 100, 175, 41}},  // right edge: width only
      {170, 140, 0, 160, {100, 100, 145, 61}},    // bottom edge: height only
      {101, 101, 91, 81, {90, 80, 155, 61}},      // top-left corner
      {101, 120, 400, 120, {235, 100, 10, 41}},   // left edge stops at the minimum
      {244, 140, 254, 150, {100, 100, 155, 51}},  // bottom-right corner
  };
  for (const Case& c : cases) {
    Place(0, {100, 100, 145, 41});
    surface.Press(c.x, c.y);
    EXPECT_EQ(surface.mode(), TableSurface::Mode::kResizing);
    surface.Drag(c.toX, c.toY);
    surface.Release();
    EXPECT_EQ(surface.Rect(0), c.after) << c.x << "," << c.y;
  }
}

TEST_F(TableSurfaceTest, OwnScrollBarsArrowsTroughThumbAndWheel) {
  Add({20});  // 21 rows of 12 = 252 pixels in a 150 pixel window
  const PixelRect client = surface.ClientRect(0);
  EXPECT_EQ(client.height, 146);
  const int range = 252 - 146;
  surface.Press(client.x + client.width + 5, client.y + 3);  // the up arrow at the top
  EXPECT_EQ(surface.Window(0).scrollY, 0);
  surface.Press(client.x + client.width + 5, client.y + client.height - 3);  // down arrow
  EXPECT_EQ(surface.Window(0).scrollY, TableSurface::kScrollLine);
  surface.Press(client.x + client.width + 5, client.y + client.height - 15);  // trough
  EXPECT_EQ(surface.Window(0).scrollY, range);
  EXPECT_TRUE(surface.Wheel(client.x + 10, client.y + 10, -1));
  EXPECT_EQ(surface.Window(0).scrollY, range - TableSurface::kScrollLine);
  const TableSurface::Bars bars = surface.ScrollBars(0);
  surface.Press(bars.verticalThumb.x + 2, bars.verticalThumb.y + 2);
  EXPECT_EQ(surface.mode(), TableSurface::Mode::kVerticalThumb);
  surface.Drag(bars.verticalThumb.x + 2, bars.verticalThumb.y - 500);
  EXPECT_EQ(surface.Window(0).scrollY, 0);
  surface.Release();
  EXPECT_FALSE(surface.Wheel(900, 900, 1));  // no window there: the view scrolls
  // A whole box shows every line and has no bar; the wheel is the view's again.
  surface.ToggleWholeBox(0, app.settings, measurer);
  EXPECT_EQ(surface.Rect(0).height, 257);
  EXPECT_FALSE(surface.Wheel(client.x + 10, client.y + 10, 1));
  surface.ToggleWholeBox(0, app.settings, measurer);
  EXPECT_EQ(surface.Rect(0).height, 150);
}

TEST_F(TableSurfaceTest, AWindowStoredOffTheSurfaceIsBroughtBackOnIt) {
  design.definitions().push_back(Table("t0", 1));
  design.AddTable(false, 0);
  TableWindowState& w = design.entry(0).window;
  w = {-40, -15, 110, 135, 0, 0};  // as an opened script may place it
  surface.Sync();
  EXPECT_EQ(surface.Rect(0), (PixelRect{0, 0, 150, 150}));
}

TEST_F(TableSurfaceTest, ClearedDesignEmptiesTheSurfaceAndNewTablesGoOnTop) {
  Add({1, 1});
  EXPECT_EQ(surface.ZOrder(), (std::vector<int>{0, 1}));
  const unsigned before = surface.Window(1).generation;
  surface.MarkContentDirty(1);
  EXPECT_NE(surface.Window(1).generation, before);
  design.ClearDesign();
  surface.Sync();
  EXPECT_EQ(surface.Count(), 0);
  Add({1});
  EXPECT_EQ(surface.ZOrder(), (std::vector<int>{0}));
  EXPECT_EQ(surface.Bottom(), 29);
}

}  // namespace
}  // namespace tablora
