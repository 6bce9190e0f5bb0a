#include "gen/statement_generator.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"

namespace tablora {
namespace {

StatementField Field(const char* name, const char* type, int length, int scale = 0,
                     const char* text = nullptr) {
  StatementField f;
  f.actualName = name;
  f.typeName = type;
  f.length = length;
  f.scale = scale;
  f.text = text ? Cp936(text) : name;
  return f;
}

StatementInput Users(StatementKind kind, std::vector<StatementField> fields = {
                                             Field("id", "int", 0), Field("name", "varchar", 20)}) {
  StatementInput in;
  in.kind = kind;
  in.tables.push_back({"Users", "", "", "", ""});
  in.fields = std::move(fields);
  return in;
}

struct Case {
  const char* name;
  StatementInput input;
  const char* expected;  // UTF-8
};

TEST(StatementGenerator, BuildsEachKindByteForByte) {
  std::vector<Case> cases;
  cases.push_back({"insert", Users(StatementKind::kInsert),
                   "INSERT INTO Users(id, name )\r\n VALUES(%d, '%s')"});
  {
    StatementInput in = Users(StatementKind::kInsert);
    in.parameters = true;
    cases.push_back({"insert with parameters", in,
                     u8"DECLARE \r\n@id int,\r\n@name varchar(20)\r\n\r\n\r\n--开始插入数据\r\n"
                     u8"INSERT INTO Users(id, name )\r\n VALUES(@id, @name)"});
    in.procedureHeader = true;
    cases.push_back(
        {"insert procedure", in,
         u8"IF EXISTS (SELECT name FROM  sysobjects WHERE name = N'p_Users_inst' AND type = "
         u8"'P') \r\nDROP PROCEDURE p_Users_inst\r\nGO\r\n\r\nCREATE PROCEDURE p_Users_inst\r\n"
         u8"\r\n@id int,\r\n@name varchar(20)\r\n\r\nAS\r\n\r\n--开始插入数据\r\n"
         u8"INSERT INTO Users(id, name )\r\n VALUES(@id, @name)"});
    in.parameters = false;
    cases.push_back({"procedure header alone changes nothing", in,
                     "INSERT INTO Users(id, name )\r\n VALUES(%d, '%s')"});
  }
  {
    StatementInput in = Users(StatementKind::kInsert);
    in.fields[0].text = "id=GetDate()";
    in.parameters = true;
    cases.push_back({"set value, and no comma after the last declaration", in,
                     u8"DECLARE \r\n@name varchar(20)\r\n\r\n\r\n--开始插入数据\r\n"
                     u8"INSERT INTO Users(id, name )\r\n VALUES(GetDate(), @name)"});
  }
  cases.push_back({"update", Users(StatementKind::kUpdate), "UPDATE Users Set id=?, name=? "});
  {
    StatementInput in = Users(StatementKind::kUpdate,
                              {Field("price", "decimal", 10, 2), Field("name", "varchar", 20)});
    in.parameters = in.procedureHeader = true;
    in.where = "WHERE id = 1 \r\nAND ";
    cases.push_back(
        {"update procedure keeps the scale and has AS; trailing AND dropped", in,
         u8"IF EXISTS (SELECT name FROM  sysobjects WHERE name = N'p_Users_update' AND type = "
         u8"'P') \r\nDROP PROCEDURE p_Users_update\r\nGO\r\n\r\nCREATE PROCEDURE "
         u8"p_Users_update\r\n\r\n@price decimal(10,2),\r\n@name varchar(20)\r\n\r\nAS\r\n\r\n"
         u8"--开始更新数据\r\nUPDATE Users Set price=@price, name=@name  \r\nWHERE id = 1"});
  }
  {
    StatementInput in = Users(StatementKind::kSelect,
                              {Field("a", "int", 0), Field("b", "int", 0), Field("c", "int", 0),
                               Field("d", "int", 0), Field("e", "int", 0)});
    in.top = 100;
    cases.push_back(
        {"select five fields, TOP", in, "SELECT TOP 100 a, b, \r\nc, d, \r\ne \r\nFROM Users"});
    in.noLineBreaks = true;
    in.top = 0;
    in.where = "WHERE ";
    in.orderBy = "ORDER BY a DESC ";
    cases.push_back({"no line breaks; a bare WHERE is left out", in,
                     "SELECT a, b, c, d, e \r\nFROM Users \r\nORDER BY a DESC"});
  }
  {
    StatementInput in = Users(StatementKind::kSelect, {Field("id", "int", 0)});
    in.parameters = in.procedureHeader = true;
    cases.push_back(
        {"select procedure has AS", in,
         u8"IF EXISTS (SELECT name FROM  sysobjects WHERE name = N'p_Users_sel' AND type = "
         u8"'P') \r\nDROP PROCEDURE p_Users_sel\r\nGO\r\n\r\nCREATE PROCEDURE p_Users_sel\r\n"
         u8"\r\n@id int\r\n\r\nAS\r\n\r\n--开始选择数据\r\nSELECT @id=id \r\nFROM Users"});
  }
  {
    StatementInput in;
    in.kind = StatementKind::kSelect;
    in.tables = {{"Users", "", "a", "", ""},
                 {"Orders", "", "b", "INNER JOIN", "ON a.id = b.userId"},
                 {"Items", "sales", "", "CROSS JOIN", "ON a.id = c.x"},
                 {"Notes", "", "", "", ""}};
    in.fields = {Field("id", "int", 0, 0, u8"a.id(编号)"),
                 Field("total", "money", 0, 0, "b.total")};
    in.databaseName = "Shop";
    cases.push_back({"joins: aliases, owners, a cross join without ON", in,
                     "SELECT a.id, b.total \r\nFROM Shop.dbo.Users a \r\nINNER JOIN "
                     "Shop.dbo.Orders b ON a.id = b.userId\r\n \r\nCROSS JOIN Shop.sales.Items\r\n"
                     ", Shop.dbo.Notes"});
  }
  {
    StatementInput in = Users(StatementKind::kDelete);
    in.databaseName = "Northwind";
    cases.push_back({"delete with database", in, "DELETE FROM Northwind.dbo.Users"});
    in.where = "WHERE name = 'O''Brien'";
    cases.push_back(
        {"delete with where", in, "DELETE FROM Northwind.dbo.Users \r\nWHERE name = 'O''Brien'"});
    in.kind = StatementKind::kDrop;
    cases.push_back({"drop takes no where", in, "DROP TABLE Northwind.dbo.Users"});
  }
  {
    StatementInput in = Users(StatementKind::kBackup);
    in.now = {2005, 1, 11, 1, 5};
    cases.push_back(
        {"backup stamp is zero-padded", in, "SELECT * INTO dbo.Users200501110105 FROM dbo.Users"});
    in.now = {2005, 11, 1, 1, 5};
    in.tables[0].owner = "hr";
    cases.push_back(
        {"backup of another day differs", in, "SELECT * INTO hr.Users200511010105 FROM hr.Users"});
  }
  cases.push_back({"no fields", Users(StatementKind::kUpdate, {}), ""});
  for (const Case& c : cases) {
    const std::optional<std::string> text = StatementGenerator::Build(c.input);
    ASSERT_TRUE(text.has_value()) << c.name;
    EXPECT_EQ(TextCodec::Cp936ToUtf8(*text), c.expected) << c.name;
  }
}

TEST(StatementGenerator, NoTableLeavesTheStatementAlone) {
  StatementInput in = Users(StatementKind::kDelete);
  in.tables.clear();
  EXPECT_FALSE(StatementGenerator::Build(in).has_value());
}

TEST(StatementGenerator, CleansConditions) {
  const std::pair<const char*, const char*> cases[] = {
      {"WHERE ", ""},
      {"WHERE a = 1 \r\nAND ", "WHERE a = 1"},
      {"WHERE a = 1 \r\nOR b = 2 \r\nOR ", "WHERE a = 1 \r\nOR b = 2"},
      {"WHERE brand = 'BAND' \r\nAND ", "WHERE brand = 'BAND'"},
      {"WHERE x = 'OR'", "WHERE x = 'OR'"},
      {"ON ", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(StatementGenerator::CleanCondition(in), out) << in;
}

}  // namespace
}  // namespace tablora
