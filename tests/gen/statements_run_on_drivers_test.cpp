// Generated statements run against real drivers through ODBC: SQLite for the statements
// its dialect accepts, and the MS Access driver for a one-table SELECT of the Northwind file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "gen/condition_builder.h"
#include "gen/join_window_model.h"
#include "gen/statement_builder.h"
#include "support/odbc_test_connection.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;
using testing::OdbcTestConnection;
using Rows = std::vector<std::vector<std::string>>;

ColumnDesign Col(const char* actual, const char* type, int length = 0, int scale = 0) {
  ColumnDesign c;
  c.actualName = actual;
  c.typeName = type;
  c.length = length;
  c.scale = scale;
  return c;
}

TableDesign Table(const char* name, std::vector<ColumnDesign> columns) {
  TableDesign t;
  t.actualName = name;
  t.columns = std::move(columns);
  return t;
}

TEST(StatementsRunOnDrivers, SqliteRunsInsertSelectJoinUpdateDeleteDrop) {
  if (!OdbcTestConnection::HasDriver("SQLite3")) GTEST_SKIP() << "no SQLite3 ODBC driver";
  const fs::path db = fs::path(::testing::TempDir()) / ("stmts_" + std::to_string(getpid()));
  fs::remove(db);
  OdbcTestConnection c;
  ASSERT_TRUE(c.Connect("Driver=SQLite3;NoCreat=0;Database=" + db.string())) << c.error();
  ASSERT_TRUE(c.Execute("CREATE TABLE People(id int, name varchar(40), price decimal(10,2))"));
  ASSERT_TRUE(c.Execute("CREATE TABLE Orders(id int, personId int, total int)"));
  std::vector<TableDesign> defs = {
      Table("People",
            {Col("id", "int"), Col("name", "varchar", 40), Col("price", "decimal", 10, 2)}),
      Table("Orders", {Col("id", "int"), Col("personId", "int"), Col("total", "int")})};
  auto definitions = [&defs]() -> const std::vector<TableDesign>& { return defs; };
  std::string error;

  StatementBuilder insert(StatementKind::kInsert, 0, definitions);
  insert.ChooseAll();
  const struct {
    const char* id;
    const char* name;
  } people[] = {{"1", "O'Brien"}, {"2", "Smith"}};
  for (const auto& person : people) {
    insert.SetValue(0, StatementBuilder::ValueText(person.id, false, false, error));
    insert.SetValue(1, StatementBuilder::ValueText(person.name, true, false, error));
    insert.SetValue(2, StatementBuilder::ValueText("2.5", false, false, error));
    ASSERT_TRUE(c.Execute(insert.statement())) << insert.statement() << "\n" << c.error();
  }
  ASSERT_TRUE(c.Execute("INSERT INTO Orders VALUES(10, 1, 7)"));

  StatementBuilder select(StatementKind::kSelect, 0, definitions);
  JoinWindowModel join(0);
  join.SetTable(1, 1);
  join.SetAliasTicked(1, true);
  ConditionBuilder on;
  on.ChooseLeft("a.id");
  on.ChooseOperator("=");
  on.ChooseRight("b.personId");
  join.SetRelation(0, JoinWindowModel::JoinTypes()[0], on.Result());
  select.ApplyJoins(join.Result());
  select.Choose(1);  // a.name
  select.Choose(4);  // b.total (positions shift as entries leave)
  Rows rows;
  ASSERT_TRUE(c.Query(select.statement(), rows)) << select.statement() << "\n" << c.error();
  EXPECT_EQ(rows, (Rows{{"O'Brien", "7"}}));

  StatementBuilder update(StatementKind::kUpdate, 0, definitions);
  update.Choose(1);
  update.SetValue(0, StatementBuilder::ValueText("D'Arcy", true, false, error));
  ConditionBuilder where;
  where.ChooseLeft("id");
  where.ChooseOperator("=");
  where.TypeValue("2");
  where.NewAnd();  // leaves a trailing AND that must not reach the statement
  update.setWhere(where.Result());
  ASSERT_TRUE(c.Execute(update.Rebuild())) << update.statement() << "\n" << c.error();

  StatementBuilder del(StatementKind::kDelete, 0, definitions);
  del.setWhere("WHERE name = 'O''Brien'");
  ASSERT_TRUE(c.Execute(del.Rebuild())) << del.statement() << "\n" << c.error();

  StatementBuilder all(StatementKind::kSelect, 0, definitions);
  all.ChooseAll();
  ASSERT_TRUE(c.Query(all.statement(), rows)) << all.statement() << "\n" << c.error();
  EXPECT_EQ(rows, (Rows{{"2", "D'Arcy", "2.5"}}));

  StatementBuilder drop(StatementKind::kDrop, 1, definitions);
  drop.setWhere("WHERE id = 1");
  ASSERT_TRUE(c.Execute(drop.Rebuild())) << drop.statement() << "\n" << c.error();
  EXPECT_FALSE(c.Query("SELECT * FROM Orders", rows));
  fs::remove(db);
}

TEST(StatementsRunOnDrivers, AccessFileAnswersAOneTableSelect) {
  TABLORA_SHARED_FIXTURE(mdb, "nwind.mdb");
  if (!OdbcTestConnection::HasDriver("MDBTools")) GTEST_SKIP() << "no MDBTools driver";
  setenv("MDBICONV", "CP936", 0);
  OdbcTestConnection c;
  ASSERT_TRUE(c.Connect("Driver=MDBTools;DBQ=" + mdb)) << c.error();
  std::vector<TableDesign> defs = {Table(
      "Shippers",
      {Col("ShipperID", "int"), Col("CompanyName", "varchar", 40), Col("Phone", "varchar", 24)})};
  StatementBuilder select(StatementKind::kSelect, 0,
                          [&defs]() -> const std::vector<TableDesign>& { return defs; });
  select.Choose(1);
  select.Choose(0);
  select.setTop(2);
  select.setWhere("WHERE ShipperID > 1");
  Rows rows;
  ASSERT_TRUE(c.Query(select.Rebuild(), rows)) << select.statement() << "\n" << c.error();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"United Package", "2"}));
}

}  // namespace
}  // namespace tablora
