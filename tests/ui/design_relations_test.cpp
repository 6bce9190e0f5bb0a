#include "ui/design_relations.h"

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "model/script_parser.h"
#include "support/script_test_support.h"

namespace tablora {
namespace {

// Owners (none, "dbo", another, letter case), a self-reference, a composite key that is the
// child's whole primary key, nullable and NOT NULL keys, a referenced column the parent
// lacks, an unnamed key, and keys to tables the design does not hold.
TEST(DesignRelationsTest, ForeignKeysOfAScriptBecomeRelations) {
  ScriptParser parser{testing::ResourceFolder()};
  std::string text;
  ASSERT_TRUE(TextFile::ReadBytes(std::string(TABLORA_TEST_DATA) + "/relations_keys.sql", text));
  const std::vector<TableDesign> tables = parser.ParseTables(text);
  ASSERT_EQ(tables.size(), 5u);

  std::string described;
  for (const Relation& r : DesignRelations::Collect(tables)) {
    described += TextCodec::Cp936ToUtf8(DesignRelations::Tip(r, tables));
    described += r.optional ? " optional" : "";
    described += r.oneToOne ? " one-to-one" : "";
    described += r.SelfReference() ? " self" : "";
    described += "\n";
  }
  // Tables come in name order: Agents, Customers, LineNotes, OrderLines, Orders.
  EXPECT_EQ(described,
            u8"sales.LineNotes.(OrderID, LineNo) → sales.OrderLines.(OrderID, LineNo) "
            u8"(FK_LineNotes_Lines) one-to-one\n"
            u8"sales.LineNotes.SeenBy → Customers.CustomerID optional\n"
            u8"sales.OrderLines.OrderID → sales.Orders.OrderID (FK_OrderLines_Orders)\n"
            u8"sales.Orders.CustomerID → Customers.CustomerID (FK_Orders_Customers)\n"
            u8"sales.Orders.ParentOrderID → sales.Orders.OrderID (FK_Orders_Parent) optional self\n"
            u8"sales.Orders.AgentID → Agents.AgentNo (FK_Orders_Agents) optional\n");
  EXPECT_EQ(DesignRelations::QualifiedTableName(tables[1]), "dbo.Customers");
  EXPECT_EQ(DesignRelations::QualifiedTableName(tables[4]), "sales.Orders");
}

}  // namespace
}  // namespace tablora
