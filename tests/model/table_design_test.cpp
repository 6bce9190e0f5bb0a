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

}  // namespace
}  // namespace tablora
