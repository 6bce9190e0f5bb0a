#include "ui/relation_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tablora {
namespace {

std::string Places(const Arrangement& a) {
  std::string out;
  for (const ArrangedWindow& w : a.windows) {
    if (!out.empty()) out += " ";
    out += std::to_string(w.table) + "@" + std::to_string(w.rect.x) + "," + std::to_string(w.rect.y);
  }
  return out;
}

// Windows of 105 x 55 (content 100 x 50), margins 10 and 20.
TEST(RelationLayoutTest, ReferencedTablesGoAboveTheTablesThatReferToThem) {
  struct Case {
    const char* name;
    int tables;
    std::vector<std::pair<int, int>> links;  // (referencing, referenced)
    int perRow;
    const char* places;
  } cases[] = {
      // A chain, then the unrelated table in the grid below; a self-reference and a
      // repeated key change nothing.
      {"chain", 4, {{1, 0}, {2, 1}, {2, 2}, {2, 1}}, 3, "0@0,0 1@0,75 2@0,150 3@0,225"},
      // Table 3 is referred to only by table 2: it sits one layer above 2, not at the top.
      {"pulled down", 4, {{1, 0}, {2, 1}, {2, 3}}, 3, "0@57,0 1@0,75 3@115,75 2@57,150"},
      // A cycle is cut where the walk closes it.
      {"cycle", 2, {{0, 1}, {1, 0}}, 3, "1@0,0 0@0,75"},
      // Four tables in a layer with three per row: two rows of two, centred.
      {"wrapped", 5, {{1, 0}, {2, 0}, {3, 0}, {4, 0}}, 3,
       "0@57,0 1@0,75 2@115,75 3@0,150 4@115,150"},
      // Two groups share a shelf as wide as three windows of the arrange width.
      {"shelf", 4, {{1, 0}, {3, 2}}, 3, "0@0,0 1@0,75 2@125,0 3@125,75"},
      {"no tables per row", 2, {{1, 0}}, 0, ""},
  };
  for (const Case& c : cases) {
    ArrangeOptions options;
    options.tablesPerRow = c.perRow;
    options.width = 150;
    const ArrangeMetrics metrics{150, 10, 20, 1000};
    const std::vector<ArrangeLayout::Content> content(c.tables, {100, 50});
    const Arrangement a = RelationLayout::Compute(options, metrics, c.links, content);
    EXPECT_EQ(Places(a), c.places) << c.name;
    for (const ArrangedWindow& w : a.windows) {
      EXPECT_EQ(w.rect.width, 105) << c.name;
      EXPECT_EQ(w.rect.height, 55) << c.name;
    }
  }
}

}  // namespace
}  // namespace tablora
