#include "model/table_design.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

TEST(TableDesign, TypeTextShowsSizeAndScaleOnlyWhenPositive) {
  ColumnDesign c;
  c.typeName = "decimal";
  c.length = 10;
  c.scale = 2;
  EXPECT_EQ(TypeText(c), "decimal(10,2)");
  c.scale = 0;
  EXPECT_EQ(TypeText(c), "decimal(10)");
  c.length = 0;
  c.scale = 2;
  EXPECT_EQ(TypeText(c), "decimal");
}

TEST(TableDesign, TreeTextNamesBothOnlyWhenTheyDiffer) {
  EXPECT_EQ(TreeText("t_user", "\xD3\xC3\xBB\xA7"), "t_user(\xD3\xC3\xBB\xA7)");
  EXPECT_EQ(TreeText("t_user", "t_user"), "t_user");
  EXPECT_EQ(TreeText("t_user", ""), "t_user");
}

TEST(TableDesign, CopiesOwnTheirForeignKeyBlock) {
  ColumnDesign a;
  a.foreignKey = true;
  a.foreignKeyRef = std::make_unique<ForeignKeyRef>(ForeignKeyRef{"FK_a", "t", "id"});
  ColumnDesign b = a;
  ASSERT_TRUE(b.foreignKeyRef);
  EXPECT_NE(a.foreignKeyRef.get(), b.foreignKeyRef.get());
  EXPECT_EQ(a, b);
  b.foreignKeyRef->refColumn = "other";
  EXPECT_NE(a, b);
  EXPECT_EQ(a.foreignKeyRef->refColumn, "id");
}

TEST(TableDesign, ATableIsItsOwnerAndNameAndANameAloneFindsItOnlyWhenOneOwnerHoldsIt) {
  const auto table = [](const char* owner, const char* name) {
    TableDesign t;
    t.owner = owner;
    t.actualName = name;
    return t;
  };
  // dbo.t, Sales.t, dbo.Orders (no owner: dbo), x.y.z named "y.z" under x.
  const std::vector<TableDesign> tables = {table("dbo", "t"), table("Sales", "t"),
                                           table("", "Orders"), table("x", "y.z")};
  EXPECT_TRUE(SameTable(tables[0], table("DBO", "T")));
  EXPECT_TRUE(SameTable(tables[2], table("dbo", "orders")));
  EXPECT_FALSE(SameTable(tables[0], tables[1]));
  EXPECT_EQ(QualifiedName(tables[2]), "dbo.Orders");

  const struct {
    const char* name;
    int found;
  } cases[] = {
      {"t", kAmbiguousTable}, {"sales.t", 1}, {"dbo.t", 0}, {"Orders", 2}, {"dbo.Orders", 2},
      {"other.t", -1},        {"orders", -1}, {"y.z", 3},   {"x.y.z", 3},  {"nothing", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindTableByName(tables, c.name), c.found) << c.name;
}

}  // namespace
}  // namespace tablora
