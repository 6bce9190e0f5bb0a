#include "ui/relation_lines.h"

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "model/script_parser.h"
#include "support/route_checks.h"
#include "support/script_test_support.h"
#include "ui/relation_layout.h"

namespace tablora {
namespace {

constexpr int kRow = 17;

/// A window of `content` at `rect`: a title row, then one row per column.
RelationWindow Window(const PixelRect& rect, int columns) {
  RelationWindow w;
  w.rect = rect;
  w.title = {rect.y + 2, rect.y + kRow};
  for (int c = 0; c < columns; ++c) {
    const int top = rect.y + 2 + kRow * (c + 1);
    w.columns.push_back(top + kRow <= rect.bottom() - 2 ? std::pair<int, int>{top + 2, top + kRow - 3}
                                                         : std::pair<int, int>{0, -1});
  }
  return w;
}

// The shipped ERP sample (70 tables, 92 keys, composite and self-referencing ones), laid out
// as the arrange grid and as the arrange by relations place it: every line keeps out of every
// window and (with `apart`) no two lines run on top of each other for more than a few pixels.
void CheckErpSample(bool apart) {
  ScriptParser parser{testing::ResourceFolder()};
  std::string text;
  ASSERT_TRUE(TextFile::ReadBytes(std::string(TABLORA_SOURCE_DIR) + "/resources/samples/erp70.sql", text));
  const std::vector<TableDesign> tables = parser.ParseTables(text);
  ASSERT_EQ(tables.size(), 70u);
  const std::vector<Relation> relations = DesignRelations::Collect(tables);
  ASSERT_EQ(relations.size(), 92u);
  int composite = 0;
  int self = 0;
  for (const Relation& r : relations) {
    composite += r.childColumns.size() > 1 ? 1 : 0;
    self += r.SelfReference() ? 1 : 0;
  }
  EXPECT_GE(composite, 3);
  EXPECT_GE(self, 5);

  std::vector<ArrangeLayout::Content> content;
  std::vector<std::pair<int, int>> links;
  for (const TableDesign& t : tables) {
    content.push_back({230, kRow * static_cast<int>(t.columns.size() + 1)});
  }
  for (const Relation& r : relations) links.emplace_back(r.child, r.parent);
  ArrangeOptions options;
  options.tablesPerRow = 6;
  options.width = 240;
  options.wholeDisplay = true;
  const ArrangeMetrics metrics{150, 20, 30, 1000};
  const struct {
    const char* name;
    Arrangement arrangement;
  } layouts[] = {
      {"grid", ArrangeLayout::Compute(options, metrics, ArrangeLayout::ListRun(70), content)},
      {"by relations", RelationLayout::Compute(options, metrics, links, content)},
  };
  for (const auto& layout : layouts) {
    std::vector<RelationWindow> windows(tables.size());
    std::vector<PixelRect> rects(tables.size());
    for (const ArrangedWindow& w : layout.arrangement.windows) {
      windows[w.table] = Window(w.rect, static_cast<int>(tables[w.table].columns.size()));
      rects[w.table] = w.rect;
    }
    RelationLines lines;
    lines.SetRelations(relations);
    ASSERT_TRUE(lines.Update(windows)) << layout.name;
    ASSERT_EQ(lines.lines().size(), 92u);
    for (const RelationLines::Line& line : lines.lines()) {
      const std::string tip = DesignRelations::Tip(line.relation, tables);
      EXPECT_TRUE(line.route.clear) << layout.name << " " << tip;
      EXPECT_EQ(testing::LineFaults(rects, {line.from, line.to}, line.route), "")
          << layout.name << " " << tip;
    }
    for (std::size_t i = 0; apart && i < lines.lines().size(); ++i) {
      for (std::size_t j = i + 1; j < lines.lines().size(); ++j) {
        EXPECT_LE(testing::LongestOverlap(lines.lines()[i].route.path, lines.lines()[j].route.path), 4)
            << layout.name << " " << DesignRelations::Tip(lines.lines()[i].relation, tables) << " / "
            << DesignRelations::Tip(lines.lines()[j].relation, tables) << "\n"
            << testing::PathText(lines.lines()[i].route.path) << "\n"
            << testing::PathText(lines.lines()[j].route.path);
      }
    }
    EXPECT_FALSE(lines.Update(windows)) << "nothing moved: nothing routed again";
  }
}

TEST(RelationLinesTest, ErpSampleLinesKeepOutOfWindows) { CheckErpSample(false); }

TEST(RelationLinesTest, ErpSampleLinesRunApart) { CheckErpSample(true); }

}  // namespace
}  // namespace tablora
