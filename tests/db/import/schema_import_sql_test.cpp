#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "db/access/recording_connection.h"
#include "db/access/value_rules.h"
#include "db/db_test_support.h"
#include "db/import/comment_rule.h"

namespace tablora {
namespace {

using testing::Rows;

std::string G(const char* utf8) { return Cp936(utf8); }

/// The columns of a one-row query: name, ADO type, size, auto-increment.
ResultSet Fields(std::vector<ResultColumn> columns) {
  ResultSet set;
  set.columns = std::move(columns);
  return set;
}

const std::vector<std::string> kTableColumns = {"TABLE_CAT", "TABLE_SCHEM", "TABLE_NAME",
                                                "TABLE_TYPE", "REMARKS"};
const std::vector<std::string> kColumnColumns = {
    "TABLE_CAT", "TABLE_SCHEM", "TABLE_NAME",    "COLUMN_NAME",    "DATA_TYPE",
    "TYPE_NAME", "COLUMN_SIZE", "BUFFER_LENGTH", "DECIMAL_DIGITS", "NUM_PREC_RADIX",
    "NULLABLE",  "REMARKS",     "COLUMN_DEF"};
const std::vector<std::string> kKeyColumns = {"TABLE_CAT",   "TABLE_SCHEM", "TABLE_NAME",
                                              "COLUMN_NAME", "KEY_SEQ",     "PK_NAME"};
const std::vector<std::string> kForeignColumns = {"PKTABLE_CAT",   "PKTABLE_SCHEM", "PKTABLE_NAME",
                                                  "PKCOLUMN_NAME", "FKTABLE_CAT",   "FKTABLE_SCHEM",
                                                  "FKTABLE_NAME",  "FKCOLUMN_NAME", "KEY_SEQ",
                                                  "UPDATE_RULE",   "DELETE_RULE",   "FK_NAME"};

const char* const kSqlServerTableComments =
    "SELECT  objname, cast(value as varchar(255)) as description FROM  ::fn_listextendedproperty "
    "(N'MS_Description', N'user', N'dbo', N'table', default, null, null)";
std::string SqlServerColumnComments(const std::string& table) {
  return "SELECT  objname, cast(value as varchar(255)) as COMMENTS FROM   "
         "::fn_listextendedproperty "
         "(N'MS_Description', N'user', N'dbo', N'table', N'" +
         table + "', N'column', default)";
}
const char* const kKeyQuery =
    "SELECT TABLE_NAME,COLUMN_NAME,CONSTRAINT_NAME, CASE WHEN SUBSTRING(CONSTRAINT_NAME,1,2)='PK' "
    "THEN '1' ELSE '0' END AS PKEY,CASE WHEN SUBSTRING(CONSTRAINT_NAME,1,2)='FK' THEN '1' ELSE "
    "'0' END AS FKEY FROM INFORMATION_SCHEMA.KEY_COLUMN_USAGE";

class RecordedImport : public ::testing::Test {
 protected:
  RecordedImport() {
    auto connection = std::make_unique<RecordingConnection>(&bench.prompts);
    db = connection.get();
    bench.state.sharedConnection = std::move(connection);
    db->Answer("SQLTables", Rows(kTableColumns, {{"shop", "dbo", "orders", "TABLE", nullptr},
                                                 {"shop", "dbo", "it's]x", "TABLE", nullptr},
                                                 {"shop", "dbo", "v_orders", "VIEW", nullptr},
                                                 {"shop", "dbo", "", "TABLE", nullptr}}));
    db->Answer("SELECT TOP 1 * FROM [orders]", Fields({{"id", ado::kInteger, 4, 4, true},
                                                       {"cust", ado::kVarChar, 12, 50, false},
                                                       {"amount", ado::kNumeric, 3, 10, false}}));
    db->Answer("SELECT TOP 1 * FROM [it's]]x]", Fields({{"a", ado::kVarWChar, 12, 20, false}}));
  }

  testing::ImportBench bench;
  RecordingConnection* db = nullptr;
};

TEST_F(RecordedImport, SqlServerDirectSendsEachQueryOnceAndFillsTheDesign) {
  db->Answer("SQLColumns",
             Rows(kColumnColumns,
                  {{"", "", "orders", "id", "4", "int", "10", "", "", "", "0", "", ""},
                   {"", "", "orders", "cust", "12", "varchar", "50", "", "", "", "1", "", ""},
                   {"", "", "orders", "amount", "3", "decimal", "10", "", "", "", "1", "", ""},
                   {"", "", "other", "cust", "12", "varchar", "5", "", "", "", "0", "", ""}}));
  db->Answer("SQLPrimaryKeys orders",
             Rows(kKeyColumns, {{"", "dbo", "orders", "id", "1", "PK_o"}}));
  db->Answer("SQLForeignKeys orders",
             Rows(kForeignColumns, {{"", "dbo", "customers", "cid", "", "dbo", "orders", "cust",
                                     "1", "", "", "FK_orders_customers"},
                                    {"", "dbo", "x", "y", "", "dbo", "orders2", "cust", "1", "", "",
                                     "FK_other_table"}}));
  db->Answer(kSqlServerTableComments,
             Rows({"objname", "description"}, {{"ORDERS", u8"订单:订单表：每日\r\n(组)销售"}}));
  db->Answer(SqlServerColumnComments("orders"),
             Rows({"objname", "COMMENTS"},
                  {{"cust", u8"客户:下单的客户"}, {"amount", u8"金额"}, {"id", ""}}));

  ImportRequest request;
  request.host = "h";
  request.database = "shop";
  request.user = "sa";
  request.password = "pw";
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(request));
  EXPECT_TRUE(bench.state.connected);

  const std::vector<std::string> expected = {
      "OPEN Driver=FreeTDS;SERVER=h;PORT=1433;DATABASE=shop;UID=sa;PWD={pw};TDS_Version=7.4",
      "SQLTables",
      "SELECT TOP 1 * FROM [orders]",
      "SELECT TOP 1 * FROM [it's]]x]",
      "SQLColumns",
      "SQLPrimaryKeys orders",
      "SQLForeignKeys orders",
      "SQLPrimaryKeys it's]x",
      "SQLForeignKeys it's]x",
      kSqlServerTableComments,
      SqlServerColumnComments("orders"),
      SqlServerColumnComments("it''s]x"),
  };
  EXPECT_EQ(expected, db->sent());
  EXPECT_EQ(
      std::string(
          u8"table orders display=订单 comment=订单表-每日(组)销售 group=销售 owner=dbo\n"
          u8"  [id] display= type=int(0,0) identity=IDENTITY (1,1) default= note= null=0 pk=1 "
          u8"fk=0 check=\n"
          u8"  [cust] display=客户 type=varchar(50,0) identity= default= note=下单的客户 null=1 "
          u8"pk=0 fk=1 check= ref=FK_orders_customers/customers/cid\n"
          u8"  [amount] display= type=decimal(0,0) identity= default= note=金额 null=1 pk=0 "
          u8"fk=0 check=\n"
          u8"table it's]x display= comment= group= owner=dbo\n"
          u8"  [a] display= type=nvarchar(20,0) identity= default= note= null=0 pk=0 fk=0 "
          u8"check=\n"),
      bench.DescribeAll());
}

TEST_F(RecordedImport, DataLinkSqlServerReadsKeysByQueryAndRefreshesOneTable) {
  bench.state.connectionMode = ConnectionState::kDataLink;
  db->setConnectionString("Driver=FreeTDS;SERVER=s");
  db->Answer(std::string(kKeyQuery) + " ORDER by TABLE_NAME",
             Rows({"TABLE_NAME", "COLUMN_NAME", "CONSTRAINT_NAME", "PKEY", "FKEY"},
                  {{"orders", "id", "PK_orders", "1", "0"},
                   {"orders", "cust", "FK_orders_c", "0", "1"},
                   {"orders", "amount", "UQ_amount", "0", "0"}}));
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(ImportRequest{}));
  const std::vector<std::string> all = {
      "OPEN Driver=FreeTDS;SERVER=s",
      "SQLTables",
      "SELECT TOP 1 * FROM [orders]",
      "SELECT TOP 1 * FROM [it's]]x]",
      "SQLColumns",
      std::string(kKeyQuery) + " ORDER by TABLE_NAME",
      kSqlServerTableComments,
      SqlServerColumnComments("orders"),
      SqlServerColumnComments("it''s]x"),
  };
  EXPECT_EQ(all, db->sent());
  const TableDesign& orders = bench.design.definitions()[0];
  EXPECT_TRUE(orders.columns[0].primaryKey);
  ASSERT_TRUE(orders.columns[1].foreignKey);
  EXPECT_EQ((ForeignKeyRef{"FK_orders_c", " ", " "}), *orders.columns[1].foreignKeyRef);
  EXPECT_FALSE(orders.columns[2].primaryKey || orders.columns[2].foreignKey);

  // Refreshing table 1 sends the one-table forms and rebuilds it in place.
  db->ClearSent();
  bench.design.definitions()[1].owner = "someone";
  bench.design.definitions()[1].displayName = "shown";
  ImportRequest refresh;
  refresh.tableIndex = 1;
  ASSERT_TRUE(import.Run(refresh));
  const std::vector<std::string> one = {
      "SELECT TOP 1 * FROM [it's]]x]",
      "SQLColumns it's]x",
      std::string(kKeyQuery) + " WHERE TABLE_NAME='it''s]x' ORDER by TABLE_NAME",
      std::string(kSqlServerTableComments) + " WHERE objname='it''s]x'",
      SqlServerColumnComments("it''s]x"),
  };
  EXPECT_EQ(one, db->sent());
  ASSERT_EQ(2u, bench.design.definitions().size());
  EXPECT_EQ(2, bench.design.tableCount());
  EXPECT_EQ("", bench.design.definitions()[1].displayName);
  EXPECT_EQ("a", bench.design.definitions()[1].columns.at(0).actualName);
}

TEST_F(RecordedImport, TwoSchemasHoldingOneTableNameGiveTwoTablesEachReadFromItsOwn) {
  db->Answer("SQLTables", Rows(kTableColumns, {{"shop", "dbo", "t", "TABLE", nullptr},
                                               {"shop", "sales", "t", "TABLE", nullptr}}));
  db->Answer("SELECT TOP 1 * FROM [dbo].[t]", Fields({{"a", ado::kInteger, 4, 4, false}}));
  db->Answer("SELECT TOP 1 * FROM [sales].[t]",
             Fields({{"a", ado::kInteger, 4, 4, false}, {"b", ado::kVarChar, 12, 9, false}}));
  db->Answer("SQLColumns",
             Rows(kColumnColumns, {{"", "sales", "t", "a", "", "", "", "", "", "", "0", "", ""},
                                   {"", "dbo", "t", "a", "", "", "", "", "", "", "1", "", ""},
                                   {"", "sales", "t", "b", "", "", "", "", "", "", "1", "", ""}}));
  db->Answer("SQLPrimaryKeys sales.t", Rows(kKeyColumns, {{"", "sales", "t", "a", "1", "PK"},
                                                          {"", "dbo", "t", "a", "1", "PK"}}));
  db->Answer(kSqlServerTableComments, Rows({"objname", "description"}, {{"t", u8"默认"}}));
  const std::string salesComments =
      "SELECT  objname, cast(value as varchar(255)) as description FROM  ::fn_listextendedproperty "
      "(N'MS_Description', N'user', N'sales', N'table', default, null, null)";
  db->Answer(salesComments, Rows({"objname", "description"}, {{"t", u8"销售"}}));
  db->Answer(
      "SELECT  objname, cast(value as varchar(255)) as COMMENTS FROM   "
      "::fn_listextendedproperty (N'MS_Description', N'user', N'sales', N'table', N't', "
      "N'column', default)",
      Rows({"objname", "COMMENTS"}, {{"b", u8"乙"}}));
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(ImportRequest{}));
  EXPECT_EQ(std::string(u8"table t display= comment=默认 group= owner=dbo\n"
                        u8"  [a] display= type=int(0,0) identity= default= note= null=1 pk=0 fk=0 "
                        u8"check=\n"
                        u8"table t display= comment=销售 group= owner=sales\n"
                        u8"  [a] display= type=int(0,0) identity= default= note= null=0 pk=1 fk=0 "
                        u8"check=\n"
                        u8"  [b] display= type=varchar(9,0) identity= default= note=乙 null=1 pk=0 "
                        u8"fk=0 check=\n"),
            bench.DescribeAll());
}

TEST_F(RecordedImport, ATableTheDesignHoldsIsReplacedRenamedOrSkippedAsTheRequestSays) {
  db->Answer("SQLTables", Rows(kTableColumns, {{"shop", "dbo", "orders", "TABLE", nullptr}}));
  const struct {
    ConflictPolicy policy;
    const char* names;
    int columns;  ///< of the design's first table afterwards
  } cases[] = {
      {ConflictPolicy::kReplace, "orders", 3},
      {ConflictPolicy::kRename, "ORDERS orders_1", 1},
      {ConflictPolicy::kSkip, "ORDERS", 1},
  };
  for (const auto& c : cases) {
    testing::ImportBench mine;
    mine.state.sharedConnection = std::move(bench.state.sharedConnection);
    TableDesign orders;
    orders.actualName = "ORDERS";
    orders.displayName = Cp936(u8"我的订单");
    orders.columns.resize(1);
    orders.columns[0].actualName = "mine";
    orders.columns[0].typeName = "int";
    mine.design.definitions().push_back(orders);
    mine.design.AddTable(false, 0);
    mine.design.entry(0).window.left = 321;
    ImportRequest request;
    request.onConflict = c.policy;
    SchemaImport import(mine.design, mine.state);
    ASSERT_TRUE(import.Run(request));
    std::string names;
    for (const TableDesign& t : mine.design.definitions())
      names += (names.empty() ? "" : " ") + t.actualName;
    EXPECT_EQ(names, c.names);
    EXPECT_EQ(mine.design.definitions()[0].columns.size(), static_cast<std::size_t>(c.columns));
    EXPECT_EQ(mine.design.entry(0).window.left, 321);
    EXPECT_EQ(mine.design.tableCount(), static_cast<int>(mine.design.definitions().size()));
    bench.state.sharedConnection = std::move(mine.state.sharedConnection);
  }
}

TEST_F(RecordedImport, OracleSkipsDollarTablesAndFiltersColumnsByOwner) {
  bench.state.connectionMode = ConnectionState::kDataLink;
  db->setConnectionString("Provider=MSDAORA;Data Source=orcl");
  db->Answer("SQLTables", Rows(kTableColumns, {{"", "SCOTT", "EMP", "TABLE", nullptr},
                                               {"", "SCOTT", "BIN$x", "TABLE", nullptr}}));
  const std::string columns =
      "SELECT COLUMN_NAME, DATA_TYPE, DATA_LENGTH, DATA_DEFAULT, NULLABLE FROM DBA_TAB_COLUMNS "
      "WHERE TABLE_NAME ='EMP' AND OWNER='SCOTT'";
  db->Answer(columns, Rows({"COLUMN_NAME", "DATA_TYPE", "DATA_LENGTH", "DATA_DEFAULT", "NULLABLE"},
                           {{"ENAME", "VARCHAR2", "10", nullptr, "Y"},
                            {"EMPNO", "NUMBER", "22", "0", "N"}}));
  const std::string tableComments =
      "SELECT TABLE_NAME as objname, COMMENTS as description FROM ALL_TAB_COMMENTS WHERE "
      "TABLE_TYPE='TABLE' ";
  db->Answer(tableComments, Rows({"objname", "description"}, {{"EMP", u8"员工:职员(组)人事"}}));
  ImportRequest request;
  request.kind = kOracle;
  SchemaImport import(bench.design, bench.state);
  ASSERT_TRUE(import.Run(request));
  const std::vector<std::string> expected = {
      "OPEN Provider=MSDAORA;Data Source=orcl", "SQLTables", columns, tableComments,
      "SELECT COLUMN_NAME as objname, COMMENTS FROM ALL_COL_COMMENTS WHERE TABLE_NAME='EMP'"};
  EXPECT_EQ(expected, db->sent());
  ASSERT_EQ(1u, bench.design.definitions().size());
  const TableDesign& emp = bench.design.definitions()[0];
  EXPECT_EQ(G(u8"员工"), emp.displayName);
  EXPECT_EQ(G(u8"人事"), emp.group);
  EXPECT_EQ(kOracle, bench.app.databaseKind);
  ASSERT_EQ(2u, emp.columns.size());
  EXPECT_TRUE(emp.columns[0].nullable);
  EXPECT_FALSE(emp.columns[1].nullable);
}

TEST_F(RecordedImport, FailedOpenClearsConnectedAndChangesNothing) {
  class Observer : public ImportObserver {
   public:
    void ProgressStarted() override { events += "start "; }
    void ProgressEnded() override { events += "end"; }
    std::string events;
  } observer;
  bench.state.connected = true;
  db->FailOpen("Login failed for user 'sa'.");
  ImportRequest request;
  request.host = "h";
  request.database = "d";
  SchemaImport import(bench.design, bench.state, &observer);
  EXPECT_FALSE(import.Run(request));
  EXPECT_FALSE(bench.state.connected);
  EXPECT_EQ("start end", observer.events);
  EXPECT_EQ(0, bench.design.tableCount());
  ASSERT_EQ(2u, bench.prompts.messages.size());
  EXPECT_EQ(
      "Description: Login failed for user 'sa'.\r\nState: 08001, Native: 0, Source: "
      "[Recording]\r\n",
      bench.prompts.messages[1]);
  request.kind = kOracle;  // a direct connection never reaches Oracle
  db->ClearSent();
  EXPECT_FALSE(import.Run(request));
}

TEST_F(RecordedImport, ProceduresFollowAWholeSqlServerImportWhenAskedFor) {
  bench.state.importProcedures = true;
  db->Answer("SQLProcedures", Rows({"PROCEDURE_CAT", "PROCEDURE_SCHEM", "PROCEDURE_NAME"},
                                   {{"shop", "dbo", "p_a;1"}}));
  ImportRequest request;
  ASSERT_TRUE(SchemaImport(bench.design, bench.state).Run(request));
  const std::vector<std::string> tail(db->sent().end() - 3, db->sent().end());
  EXPECT_EQ(tail[0], "SQLProcedures");
  EXPECT_EQ(tail[1], "exec sp_helptext '[dbo].[p_a]'");
  EXPECT_EQ(tail[2].find("select\t'Parameter_name'"), 0u);
  ASSERT_EQ(bench.design.procedures().size(), 1u);
  EXPECT_EQ(bench.design.procedures()[0].name, "p_a");

  // Refreshing one table reads no procedures.
  db->ClearSent();
  request.tableIndex = 0;
  ASSERT_TRUE(SchemaImport(bench.design, bench.state).Run(request));
  for (const std::string& sent : db->sent()) EXPECT_NE(sent, "SQLProcedures");
  EXPECT_EQ(bench.design.procedures().size(), 1u);
}

TEST(CommentRule, TableAndColumnComments) {
  struct Case {
    const char* text;
    const char* display;
    const char* comment;
    const char* group;
  };
  const Case tables[] = {
      {u8"订单:每日订单(组)销售", u8"订单", u8"每日订单", u8"销售"},
      {u8"订单：说明:补充", u8"订单", u8"说明-补充", "old group"},
      {u8"只有说明", "old display", u8"只有说明", "old group"},
      {u8"(组)仓库", "old display", "old comment", u8"仓库"},
      {"", "old display", "old comment", "old group"},
  };
  for (const Case& c : tables) {
    std::vector<TableDesign> list(1);
    list[0].actualName = "Orders";
    list[0].displayName = "old display";
    list[0].comment = "old comment";
    list[0].group = "old group";
    CommentRule::ApplyToTable(list, "ORDERS", G(c.text));
    EXPECT_EQ(G(c.display), list[0].displayName) << c.text;
    EXPECT_EQ(G(c.comment), list[0].comment) << c.text;
    EXPECT_EQ(G(c.group), list[0].group) << c.text;
  }
  std::vector<TableDesign> list(1);
  list[0].actualName = "t";
  list[0].columns.resize(1);
  list[0].columns[0].actualName = "c";
  list[0].columns[0].displayName = "keep";
  CommentRule::ApplyToColumn(list, "T", "C", G(u8"名称:说明"));  // column names are exact
  EXPECT_EQ("keep", list[0].columns[0].displayName);
  CommentRule::ApplyToColumn(list, "T", "c", G(u8"备注：a:b"));
  EXPECT_EQ(G(u8"备注"), list[0].columns[0].displayName);
  EXPECT_EQ("a-b", list[0].columns[0].note);
  CommentRule::ApplyToColumn(list, "t", "c", G(u8"新说明"));
  EXPECT_EQ(G(u8"备注"), list[0].columns[0].displayName);
  EXPECT_EQ(G(u8"新说明"), list[0].columns[0].note);
}

}  // namespace
}  // namespace tablora
