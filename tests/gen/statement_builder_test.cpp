#include "gen/statement_builder.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "gen/condition_builder.h"
#include "gen/join_window_model.h"
#include "gen/order_by_builder.h"

namespace tablora {
namespace {

ColumnDesign Col(const char* display, const char* actual, const char* type, int length = 0) {
  ColumnDesign c;
  c.displayName = Cp936(display);
  c.actualName = actual;
  c.typeName = type;
  c.length = length;
  return c;
}

TableDesign Table(const char* actual, const char* display, std::vector<ColumnDesign> columns) {
  TableDesign t;
  t.actualName = actual;
  t.displayName = Cp936(display);
  t.columns = std::move(columns);
  return t;
}

class StatementBuilderTest : public ::testing::Test {
 protected:
  std::vector<TableDesign> defs = {
      Table("Users", u8"用户",
            {Col(u8"编号", "id", "int"), Col(u8"姓名", "name", "varchar", 20),
             Col("", "age", "int")}),
      Table("Orders", "", {Col(u8"编号", "id", "int"), Col("", "userId", "int")})};
  StatementBuilder::Definitions Defs() {
    return [this]() -> const std::vector<TableDesign>& { return defs; };
  }
  static std::string Utf8(const std::string& s) { return TextCodec::Cp936ToUtf8(s); }
};

TEST_F(StatementBuilderTest, ListsAndMovesFieldsAndRebuilds) {
  StatementBuilder b(StatementKind::kSelect, 0, Defs());
  EXPECT_EQ(Utf8(b.TableBoxItems()[0]), u8"Users(用户)");
  EXPECT_EQ(b.TableBoxItems()[1], "Orders");
  ASSERT_EQ(b.available().size(), 3u);
  EXPECT_EQ(Utf8(b.available()[0].text), u8"id(编号)");
  EXPECT_EQ(b.available()[2].text, "age");
  EXPECT_EQ(b.statement(), "");
  b.Choose(0);
  b.Choose(0);
  b.Choose(0);
  EXPECT_EQ(b.statement(), "SELECT id, name, \r\nage \r\nFROM Users");
  b.Unchoose(1);
  ASSERT_EQ(b.available().size(), 1u);
  EXPECT_EQ(Utf8(b.available()[0].text), u8"name(姓名)");
  EXPECT_EQ(b.statement(), "SELECT id, age \r\nFROM Users");
  b.setTop(100);
  b.setWhere("WHERE id = 1");
  b.Rebuild();
  EXPECT_EQ(b.statement(), "SELECT TOP 100 id, age \r\nFROM Users \r\nWHERE id = 1");
  b.Reset();
  EXPECT_EQ(b.top(), 0);
  EXPECT_EQ(b.statement(), "");
  EXPECT_EQ(b.where(), "WHERE id = 1");  // kept across the reset
  b.SelectTable(1);
  EXPECT_TRUE(b.chosen().empty());
  EXPECT_EQ(b.available().size(), 2u);
}

TEST_F(StatementBuilderTest, SetValuesReplaceEarlierOnesAndQuoteStrings) {
  StatementBuilder b(StatementKind::kUpdate, 0, Defs());
  b.ChooseAll();
  std::string error;
  b.SetValue(1, StatementBuilder::ValueText("O'Brien", true, false, error));
  b.SetValue(1, StatementBuilder::ValueText("O'Brien", true, false, error));
  b.SetValue(2, StatementBuilder::ValueText("", false, true, error));
  EXPECT_EQ(Utf8(b.chosen()[1].text), u8"name(姓名)='O''Brien'");
  EXPECT_EQ(b.statement(), "UPDATE Users Set id=?, name='O''Brien', \r\nage=GetDate() ");
  EXPECT_EQ(StatementBuilder::ValueText("", true, false, error), "");
  EXPECT_EQ(Utf8(error), u8"请输入值或选择设置当前时间");
  b.Unchoose(1);
  EXPECT_EQ(Utf8(b.available().back().text), u8"name(姓名)");
}

TEST_F(StatementBuilderTest, JoinsUseAliasesInEntriesAndStatement) {
  StatementBuilder b(StatementKind::kSelect, 0, Defs());
  JoinWindowModel join(0);
  std::string error;
  EXPECT_FALSE(join.CanRelate(0, error));
  EXPECT_EQ(Utf8(error), u8"请先选择表!");
  join.SetTable(1, 1);
  join.SetAliasTicked(1, true);
  ASSERT_TRUE(join.CanRelate(0, error));
  ConditionBuilder on;
  on.ChooseLeft(Cp936(u8"a.id(编号)"));
  on.ChooseOperator("=");
  on.ChooseRight("b.userId");
  join.SetRelation(0, JoinWindowModel::JoinTypes()[1], on.Result());
  EXPECT_EQ(join.keyword(0), "LEFT OUTER JOIN");
  EXPECT_EQ(join.onText(0), "ON a.id = b.userId");
  b.ApplyJoins(join.Result());
  ASSERT_EQ(b.available().size(), 5u);
  EXPECT_EQ(Utf8(b.available()[0].text), u8"a.id(编号)");
  EXPECT_EQ(b.available()[4].text, "b.userId");
  b.Choose(0);
  b.Choose(3);
  EXPECT_EQ(b.statement(),
            "SELECT a.id, b.userId \r\nFROM Users a \r\nLEFT OUTER JOIN Orders b ON a.id = "
            "b.userId\r\n");
}

TEST_F(StatementBuilderTest, SurvivesTablesChangingUnderIt) {
  StatementBuilder b(StatementKind::kDelete, 1, Defs());
  EXPECT_EQ(b.statement(), "DELETE FROM Orders");
  defs.push_back(Table("Added", "", {}));
  EXPECT_EQ(b.Rebuild(), "DELETE FROM Orders");
  defs.clear();  // the design was cleared: no table, the shown text stays
  EXPECT_EQ(b.Rebuild(), "DELETE FROM Orders");
  EXPECT_EQ(b.Input().tables.size(), 0u);
  TemplateInput input;
  EXPECT_FALSE(b.ForTemplate(input));
  defs.push_back(Table("Other", "", {}));
  defs.push_back(Table("Third", "", {}));
  EXPECT_TRUE(b.Input().tables.empty()) << "index 1 now holds another table";

  defs[0].columns.push_back(Col("", "x", "int"));
  StatementBuilder select(StatementKind::kSelect, 0, Defs());
  select.ChooseAll();
  ASSERT_EQ(select.Input().fields.size(), 1u);
  defs[0].columns.clear();  // the column went away while chosen
  EXPECT_TRUE(select.Input().fields.empty());

  std::vector<TableDesign> unbuilt(1);  // a new table whose editor has not built its text
  StatementBuilder none(StatementKind::kSelect, 0,
                        [&unbuilt]() -> const std::vector<TableDesign>& { return unbuilt; });
  EXPECT_EQ(none.currentTable(), -1);
  EXPECT_TRUE(none.available().empty());
}

TEST(ConditionBuilder, JoinsConditionsAndReturnsValidText) {
  ConditionBuilder c;
  EXPECT_EQ(c.Result(), "");
  c.NewAnd();  // nothing to add
  c.ChooseLeft(Cp936(u8"id(编号)"));
  c.ChooseOperator(">=");
  c.TypeValue("3");
  EXPECT_EQ(c.Current(), "id >= 3");
  c.NewOr();
  EXPECT_EQ(c.Shown(), "WHERE id >= 3 \r\nOR ");
  EXPECT_EQ(c.Result(), "WHERE id >= 3");
  c.ChooseLeft("name");
  c.ChooseOperator("LIKE");
  c.TypeValue("'O''B%'");
  c.NewAnd();
  c.ChooseLeft("age");
  c.Reset();
  EXPECT_EQ(c.Result(), "WHERE id >= 3 \r\nOR name LIKE 'O''B%'");
  EXPECT_EQ(ConditionBuilder::Operators().size(), 14u);
}

TEST(OrderByBuilder, BuildsTheClauseFromEitherList) {
  OrderByBuilder o({Cp936(u8"id(编号)"), "name", "age"}, {"age"});
  EXPECT_EQ(o.Result(), "");
  o.Move(2, true);
  o.Move(0, false);
  EXPECT_EQ(o.Result(), "ORDER BY age DESC , id ASC  ");
  o.setHideAsc(true);
  EXPECT_EQ(o.Result(), "ORDER BY age DESC , id ");
  o.Back(0);
  EXPECT_EQ(o.source().back(), "age");
  o.setChosenOnly(true);
  EXPECT_TRUE(o.order().empty());
  o.MoveAll(true);
  EXPECT_TRUE(o.source().empty());
  EXPECT_EQ(o.Result(), "ORDER BY age DESC  ");
}

}  // namespace
}  // namespace tablora

namespace tablora {
namespace {

TEST(StatementBuilderExecute, AsksBeforeStatementsThatDropOrTouchEveryRow) {
  std::vector<TableDesign> defs(1);
  defs[0].actualName = "Users";
  auto definitions = [&defs]() -> const std::vector<TableDesign>& { return defs; };
  const struct {
    StatementKind kind;
    const char* where;
    const char* question;  // UTF-8; "" when it runs without asking
  } cases[] = {
      {StatementKind::kDrop, "", u8"确定要删除表 Users 吗?"},
      {StatementKind::kDelete, "WHERE ", u8"没有条件, 将删除表 Users 的所有记录, 继续吗?"},
      {StatementKind::kDelete, "WHERE id = 1", ""},
      {StatementKind::kUpdate, "", u8"没有条件, 将更新表 Users 的所有记录, 继续吗?"},
      {StatementKind::kUpdate, "WHERE id = 1 \r\nAND ", ""},
      {StatementKind::kSelect, "", ""},
      {StatementKind::kBackup, "", ""},
  };
  for (const auto& c : cases) {
    StatementBuilder b(c.kind, 0, definitions);
    b.setWhere(c.where);
    EXPECT_EQ(TextCodec::Cp936ToUtf8(b.ExecuteQuestion()), c.question)
        << static_cast<int>(c.kind) << " " << c.where;
  }
}

}  // namespace
}  // namespace tablora
