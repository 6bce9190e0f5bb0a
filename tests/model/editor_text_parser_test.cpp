#include "model/editor_text_parser.h"

#include <gtest/gtest.h>

#include "app/text_codec.h"

namespace tablora {
namespace {

ColumnDesign Column(const std::string& display, const std::string& actual, const std::string& type, int length,
                    int scale, bool nullable) {
  ColumnDesign c;
  c.displayName = display;
  c.actualName = actual;
  c.typeName = type;
  c.length = length;
  c.scale = scale;
  c.nullable = nullable;
  return c;
}

TEST(EditorTextParser, ReadsTheEditorsTableTextAndStatements) {
  const std::string text = Cp936(
      u8"CREATE TABLE [sales].[t_order] (\t\t\t--订单:客户订单(组)销售\n"
      u8"[id] [int] IDENTITY (1,1) NOT NULL ,  --编号:主键\n"
      u8"[user_id] [int] NOT NULL ,  --用户:\n"
      u8"[amount] [decimal](10,2) DEFAULT (0) NOT NULL ,  --含税\n"
      u8"[created] [datetime] DEFAULT (getdate()) NULL   \n"
      u8") ON [PRIMARY]"
      u8"\n\nALTER TABLE [sales].[t_order] WITH NOCHECK ADD"
      u8"\nCONSTRAINT [PK_T_ORDER] PRIMARY KEY  CLUSTERED\n(\n[id],\n[user_id]\n)\nON [PRIMARY]"
      u8",\nCONSTRAINT [CK_amount] CHECK ([amount] >= (0))\n\nGO\n\n"
      u8"\n\nALTER TABLE [sales].[t_order] ADD"
      u8"\nCONSTRAINT [FK_o_u] FOREIGN KEY\n(\n[user_id]\n) REFERENCES [sales].[t_user] (\n[id]\n)\nGO\n\n");
  const auto parsed = EditorTextParser().ParseFirstTable(text);
  ASSERT_TRUE(parsed);

  TableDesign expected;
  expected.displayName = Cp936(u8"订单");
  expected.actualName = "t_order";
  expected.comment = Cp936(u8"客户订单(组)销售");
  expected.group = Cp936(u8"销售");
  expected.owner = "sales";
  ColumnDesign id = Column(Cp936(u8"编号"), "id", "int", 0, 0, false);
  id.identity = "IDENTITY (1,1)";
  id.note = Cp936(u8"主键");
  id.primaryKey = true;
  ColumnDesign user = Column(Cp936(u8"用户"), "user_id", "int", 0, 0, false);
  user.primaryKey = true;
  user.foreignKey = true;
  user.foreignKeyRef = std::make_unique<ForeignKeyRef>(ForeignKeyRef{"FK_o_u", "t_user", "id"});
  ColumnDesign amount = Column("", "amount", "decimal", 10, 2, false);
  amount.defaultValue = "0";
  amount.note = Cp936(u8"含税");
  amount.checkExpression = "[amount] >= (0)";
  ColumnDesign created = Column("", "created", "datetime", 0, 0, true);
  created.defaultValue = "getdate()";
  expected.columns = {id, user, amount, created};
  EXPECT_EQ(*parsed, expected);
}

TEST(EditorTextParser, ReadsTheAccessTemplate) {
  const auto parsed = EditorTextParser().ParseFirstTable(
      "CREATE TABLE [t] (\t\t\t\n[id] Long  NOT NULL,  --n:k\n[name] Text(50) NULL,  \n) ON [PRIMARY]");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->owner, "");
  EXPECT_EQ(parsed->actualName, "t");
  ASSERT_EQ(parsed->columns.size(), 2u);
  EXPECT_EQ(parsed->columns[0].typeName, "Long");
  EXPECT_EQ(parsed->columns[0].displayName, "n");
  EXPECT_EQ(parsed->columns[0].note, "k");
  EXPECT_EQ(parsed->columns[1].typeName, "Text");
  EXPECT_EQ(parsed->columns[1].length, 50);
  EXPECT_TRUE(parsed->columns[1].nullable);
}

TEST(EditorTextParser, IgnoresOtherTablesStatementsAndUnnamedChecks) {
  const auto parsed = EditorTextParser().ParseFirstTable(
      "CREATE TABLE [dbo].[t] (\t\t\t\n[a] [int] NOT NULL   \n) ON [PRIMARY]"
      "\n\nALTER TABLE [dbo].[other] WITH NOCHECK ADD\nCONSTRAINT [PK_OTHER] PRIMARY KEY  CLUSTERED\n(\n[a]\n)\n"
      "ON [PRIMARY]\nGO\n\n"
      "\n\nALTER TABLE [dbo].[T] WITH NOCHECK ADD\nCONSTRAINT [CK_a] CHECK (len(a) > 0)\n\nGO\n\n");
  ASSERT_TRUE(parsed);
  ASSERT_EQ(parsed->columns.size(), 1u);
  EXPECT_FALSE(parsed->columns[0].primaryKey);
  EXPECT_EQ(parsed->columns[0].checkExpression, "");
}

TEST(EditorTextParser, TextWithoutATableGivesNothing) {
  EditorTextParser parser;
  EXPECT_FALSE(parser.ParseFirstTable(""));
  EXPECT_FALSE(parser.ParseFirstTable("select * from t"));
  EXPECT_FALSE(parser.ParseFirstTable("CREATE TABLE [dbo].["));
  EXPECT_FALSE(parser.ParseFirstTable("CREATE TABLE [] ("));
  // Cut-off texts give what they hold without reading past their end.
  const auto cut = parser.ParseFirstTable("CREATE TABLE [t] (\n[a] [int](10");
  ASSERT_TRUE(cut);
  ASSERT_EQ(cut->columns.size(), 1u);
  EXPECT_EQ(cut->columns[0].typeName, "int");
  EXPECT_EQ(cut->columns[0].length, 0);
  EXPECT_TRUE(parser.ParseFirstTable("CREATE TABLE [t] (\n) ON [PRIMARY]\nALTER TABLE [dbo].[t] ADD\nCONSTRAINT [x"));
}

}  // namespace
}  // namespace tablora
