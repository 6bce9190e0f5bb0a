#include "model/script_opener.h"

#include <fstream>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "base/text_file.h"
#include "model/design.h"
#include "model/script_parser.h"
#include "model/script_writer.h"
#include "support/model_fixture.h"
#include "support/script_test_support.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

using testing::Col;
using testing::Describe;
using testing::Table;

std::string G(const char* utf8) { return Cp936(utf8); }
std::string Fixture(const char* name) { return std::string(TABLORA_TEST_DATA) + "/" + name; }

class ScriptOpenerTest : public ::testing::Test {
 protected:
  ScriptOpenerTest() { app.settings = testing::EditorSettings(); }

  bool Open(const std::string& path) { return opener.OpenScript(path); }

  void ExpectDesign(const std::vector<TableDesign>& expected) {
    const auto& actual = design.definitions();
    ASSERT_EQ(expected.size(), actual.size());
    ASSERT_EQ(static_cast<int>(expected.size()), design.tableCount());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(expected[i], actual[i]) << "expected:\n"
                                        << Describe(expected[i]) << "actual:\n"
                                        << Describe(actual[i]);
    }
  }
  std::string TempFile(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + "reader_opener_" + name;
    EXPECT_TRUE(TextFile::WriteBytes(path, bytes));
    return path;
  }

  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{testing::ResourceFolder(), &prompts};
  Design design{app, prompts, parser};
  ScriptOpener opener{design, parser, prompts};
};

std::vector<TableDesign> SavedSampleTables() {
  return {
      Table("t_order", "", G(u8"订单"), "", "sales",
            {Col("order_id", "int").Display(G(u8"订单号")).Key(),
             Col("user_id", "int").Display(G(u8"用户")).Refs("FK_order_user", "t_user", "id"),
             Col("amount", "decimal")
                 .Size(10, 2)
                 .Default("0")
                 .Display(G(u8"金额"))
                 .Note(G(u8"含税"))}),
      Table(
          "t_user", G(u8"用户"), G(u8"系统用户, 含逗号(组)基础"), G(u8"基础"), "dbo",
          {Col("id", "int").Identity("IDENTITY (1,1)").Display(G(u8"编号")).Note(G(u8"主键")).Key(),
           Col("name", "varchar").Size(50).Display(G(u8"用户名")),
           Col("email", "varchar")
               .Size(100)
               .Default("''")
               .Nullable()
               .Display(G(u8"邮箱"))
               .Note("it's (optional), x"),
           Col("age", "int")
               .Nullable()
               .Display(G(u8"年龄"))
               .Note(G(u8"周岁"))
               .Check("[age] >= 0 AND [age] IN (1,2,3)")})};
}

TEST_F(ScriptOpenerTest, OpensASavedGbkScriptWithItsLayout) {
  ASSERT_TRUE(Open(Fixture("reader_gbk_crlf.sql"))) << opener.error();
  ExpectDesign(SavedSampleTables());
  // The file holds t_user first: the first layout record is t_user's, although t_user
  // becomes table 1 once the tables are sorted by name.
  const TableWindowState& order = design.entry(0).window;
  EXPECT_EQ((std::vector<int>{-5, 700, 145, 850}),
            (std::vector<int>{order.left, order.top, order.right, order.bottom}));
  EXPECT_EQ(order.textColour, 0x00123456u);
  EXPECT_EQ(order.bkColour, 0x00ABCDEFu);
  const TableWindowState& user = design.entry(1).window;
  EXPECT_EQ((std::vector<int>{320, 40, 470, 190}),
            (std::vector<int>{user.left, user.top, user.right, user.bottom}));
  EXPECT_EQ(user.textColour, 0x000000FFu);
  EXPECT_EQ(user.bkColour, 0x00FFEEDDu);
  EXPECT_EQ(design.currentPath(), Fixture("reader_gbk_crlf.sql"));
  EXPECT_TRUE(app.designHasContent);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(ScriptOpenerTest, ReadsUtf16AndUtf8WithByteOrderMarksAsCodePage936) {
  const std::vector<TableDesign> expected = {
      Table(G(u8"员工"), "employee", G(u8"职员表"), "", "dbo",
            {Col(G(u8"工号"), "char").Size(8).Display(G(u8"号")).Note(G(u8"编号")),
             Col(G(u8"姓名"), "nvarchar").Size(20).Nullable()})};
  for (const char* name : {"reader_utf16_bom.sql", "reader_utf8_bom.sql"}) {
    design.ClearDesign();
    ASSERT_TRUE(Open(Fixture(name))) << name;
    ExpectDesign(expected);
  }
}

TEST_F(ScriptOpenerTest, OneTableFileRestoresNoLayoutAndStopsAtEndOfFileByte) {
  ASSERT_TRUE(Open(Fixture("reader_one_table.sql")));
  ExpectDesign({Table(
      "log", "", G(u8"日志"), "", "dbo",
      {Col("at", "datetime"), Col("message", "varchar").Size(200).Nullable().Note(G(u8"内容"))})});
  EXPECT_EQ(design.entry(0).window.left, 0);
  EXPECT_EQ(design.entry(0).window.bkColour, TableWindowState().bkColour);
}

TEST_F(ScriptOpenerTest, OpensAHandWrittenSqlServerScript) {
  ASSERT_TRUE(Open(Fixture("reader_handwritten_mssql.sql"))) << opener.error();
  ExpectDesign(
      {Table("Customers", G(u8"客户"), G(u8"客户资料"), "", "dbo",
             {Col("CustomerID", "nchar").Size(5).Key(), Col("CompanyName", "nvarchar").Size(40),
              Col("Region", "nvarchar").Size(15).Nullable().Note(G(u8"地区")),
              Col("Notes", "nvarchar(max)").Nullable()}),
       Table("Orders", "", "", "", "dbo",
             {Col("OrderID", "int").Identity("IDENTITY (1, 1) not for replication").Key(),
              Col("CustomerID", "nchar")
                  .Size(5)
                  .Nullable()
                  .Refs("FK_Orders_Customers", "Customers", "CustomerID"),
              Col("Freight", "money").Nullable().Default("(0)"),
              Col("Discount", "decimal")
                  .Size(4, 2)
                  .Default("0.5")
                  .Check("[Discount] >= 0 and [Discount] <= (1)"),
              Col("ShippedOn", "datetime").Nullable().Default("getdate()")})});
}

/// How often `part` occurs in `text`.
int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST_F(ScriptOpenerTest, TablesOfOneNameUnderTwoOwnersStayTwoThroughSaveAndReopen) {
  ASSERT_TRUE(Open(Fixture("reader_owners_and_checks.sql")));
  ASSERT_EQ(design.tableCount(), 3);
  const std::vector<TableDesign> opened = design.definitions();
  const TableDesign& mine = opened[1];
  const TableDesign& sales = opened[2];
  ASSERT_EQ(QualifiedName(mine), "dbo.Customer");
  ASSERT_EQ(QualifiedName(sales), "Sales.Customer");
  // Each table has its own columns, key, default, CHECK and descriptions.
  ASSERT_EQ(mine.columns.size(), 2u);
  ASSERT_EQ(sales.columns.size(), 3u);
  EXPECT_TRUE(mine.columns[0].primaryKey);
  EXPECT_TRUE(sales.columns[0].primaryKey);
  EXPECT_EQ(mine.columns[1].checkExpression, "([Name]<>'')");
  EXPECT_EQ(sales.columns[2].defaultValue, "'AW'");
  EXPECT_EQ(sales.columns[2].checkExpression, "");
  EXPECT_EQ(mine.displayName, G(u8"客户"));
  EXPECT_EQ(mine.comment, G(u8"零售客户"));
  EXPECT_EQ(mine.columns[1].note, G(u8"名称"));
  EXPECT_EQ(sales.displayName, G(u8"门店客户"));
  EXPECT_EQ(sales.group, G(u8"销售"));
  EXPECT_EQ(sales.columns[1].note, G(u8"区域"));

  // Saved once each, and each window's place comes back with its own table.
  design.entry(1).window.left = 400;
  design.entry(2).window.left = 10;
  design.entry(2).window.top = 500;
  const std::string path = ::testing::TempDir() + "reader_opener_two_owners.sql";
  ASSERT_TRUE(ScriptWriter(app).SaveScript(design, prompts, path, -1));
  std::string saved;
  ASSERT_TRUE(TextFile::ReadBytes(path, saved));
  EXPECT_EQ(Count(saved, "CREATE TABLE [dbo].[Customer]"), 1);
  EXPECT_EQ(Count(saved, "CREATE TABLE [Sales].[Customer]"), 1);
  prompts.yesNoAnswers = {true};
  ASSERT_TRUE(Open(path));
  ExpectDesign(opened);
  EXPECT_EQ(design.entry(1).window.left, 400);
  EXPECT_EQ(design.entry(2).window.left, 10);
  EXPECT_EQ(design.entry(2).window.top, 500);
}

TEST_F(ScriptOpenerTest, EveryCheckOfAColumnIsKeptThroughSaveAndReopen) {
  ASSERT_TRUE(Open(Fixture("reader_owners_and_checks.sql")));
  const TableDesign bill = design.definitions()[0];
  ASSERT_EQ(QualifiedName(bill), "Production.BillOfMaterials");
  const std::string both =
      "([ProductAssemblyID] IS NULL AND [BOMLevel]=(0) AND [PerAssemblyQty]=(1.00) OR "
      "[ProductAssemblyID] IS NOT NULL AND [BOMLevel]>=(1)) AND "
      "([ProductAssemblyID]<>[ComponentID])";
  EXPECT_EQ(bill.columns[1].checkExpression, both);
  EXPECT_EQ(bill.columns[4].checkExpression, "([PerAssemblyQty]>=(1.00))");
  for (int c : {0, 2, 3}) EXPECT_EQ(bill.columns[c].checkExpression, "") << c;

  const std::string path = ::testing::TempDir() + "reader_opener_checks.sql";
  ASSERT_TRUE(ScriptWriter(app).SaveScript(design, prompts, path, -1));
  std::string saved;
  ASSERT_TRUE(TextFile::ReadBytes(path, saved));
  EXPECT_EQ(Count(saved, "CONSTRAINT [CK_ProductAssemblyID] CHECK (" + both + ")"), 1);
  prompts.yesNoAnswers = {true};
  ASSERT_TRUE(Open(path));
  EXPECT_EQ(design.definitions()[0], bill) << Describe(design.definitions()[0]);
}

TEST_F(ScriptOpenerTest, TablesKeptBesideTheDesignsOwnAreReplacedRenamedOrSkippedAsAnswered) {
  ASSERT_TRUE(Open(Fixture("reader_owners_and_checks.sql")));
  design.entry(0).window.left = 400;
  // Keep the design; then for each table the file shares with it: replace, keep both, skip.
  prompts.yesNoAnswers = {false};
  prompts.yesNoCancelAnswers = {Answer::kYes, Answer::kNo, Answer::kCancel};
  ASSERT_TRUE(Open(Fixture("reader_owners_and_checks.sql")));
  ASSERT_EQ(prompts.questions.size(), 4u);
  EXPECT_NE(prompts.questions[1].find("Production.BillOfMaterials"), std::string::npos);
  EXPECT_NE(prompts.questions[2].find("Customer_1"), std::string::npos);
  ASSERT_EQ(design.tableCount(), 4);
  std::vector<std::string> names;
  for (const TableDesign& t : design.definitions()) names.push_back(QualifiedName(t));
  EXPECT_EQ(names, (std::vector<std::string>{"Production.BillOfMaterials", "dbo.Customer",
                                             "Sales.Customer", "dbo.Customer_1"}));
  EXPECT_EQ(design.entry(0).window.left, 400);  // the replaced table kept its window
  EXPECT_EQ(design.definitions()[3].columns, design.definitions()[1].columns);

  const std::string path = ::testing::TempDir() + "reader_opener_merged.sql";
  ASSERT_TRUE(ScriptWriter(app).SaveScript(design, prompts, path, -1));
  std::string saved;
  ASSERT_TRUE(TextFile::ReadBytes(path, saved));
  for (const char* name : {"[dbo].[Customer]", "[Sales].[Customer]", "[dbo].[Customer_1]",
                           "[Production].[BillOfMaterials]"}) {
    EXPECT_EQ(Count(saved, std::string("CREATE TABLE ") + name), 1) << name;
  }
}

TEST_F(ScriptOpenerTest, AsksBeforeReplacingAnOpenDesign) {
  const std::string question = G(u8"严重警告---请把程序关闭, 再重新打开!!\n\t要删除原来的表吗?");
  ASSERT_TRUE(Open(Fixture("reader_one_table.sql")));
  prompts.yesNoAnswers = {false};
  ASSERT_TRUE(Open(Fixture("reader_utf8_bom.sql")));
  EXPECT_EQ(prompts.questions, std::vector<std::string>{question});
  ASSERT_EQ(design.tableCount(), 2);
  EXPECT_EQ(design.definitions()[0].actualName, "log");
  EXPECT_EQ(design.definitions()[1].actualName, G(u8"员工"));
  EXPECT_EQ(design.entry(1).window.left, 160);  // placed after the first table

  prompts.yesNoAnswers = {true};
  ASSERT_TRUE(Open(Fixture("reader_one_table.sql")));
  ASSERT_EQ(design.tableCount(), 1);
  EXPECT_EQ(design.definitions()[0].actualName, "log");
}

TEST_F(ScriptOpenerTest, TablesAddedBesideANewUnnamedTableGetIndexesOfTheirOwn) {
  prompts.databaseKinds = {kSqlServer};
  ASSERT_EQ(design.AddTable(true, -1), 0);  // being typed: no definition yet
  ASSERT_TRUE(design.definitions().empty());
  prompts.yesNoAnswers = {false};
  ASSERT_TRUE(Open(Fixture("reader_gbk_crlf.sql")));
  ASSERT_EQ(design.tableCount(), 3);
  ASSERT_EQ(design.definitions().size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(design.entry(i).tableIndex, i);
  EXPECT_EQ(design.definitions()[1], SavedSampleTables()[0]);
  EXPECT_EQ(design.definitions()[2], SavedSampleTables()[1]);
  EXPECT_EQ(design.entry(2).window.left, 320);
}

TEST_F(ScriptOpenerTest, FailuresLeaveTheOpenDesignAsItWas) {
  ASSERT_TRUE(Open(Fixture("reader_one_table.sql")));
  const std::vector<TableDesign> before = design.definitions();
  const std::string notTables = G(u8"不是表的SQL脚本文件!");
  std::string big(50u << 20, 'x');
  for (std::size_t i = 0; i < big.size(); i += 97) big[i] = static_cast<char>(i * 31);
  const std::pair<std::string, std::string> cases[] = {
      {TempFile("empty.sql", ""), notTables},
      {TempFile("select.sql", "select * from t\r\n"), notTables},
      {TempFile("unclosed.sql", "CREATE TABLE [x] (\r\n[a] int\r\n"), notTables},
      {TempFile("binary.sql", big), notTables},
      {TempFile("data.MDB", "CREATE TABLE [x] ([a] int)"),
       G(u8"还不能打开MS Access数据库文件(.mdb)!")},
  };
  for (const auto& [path, message] : cases) {
    prompts.messages.clear();
    EXPECT_FALSE(Open(path)) << path;
    EXPECT_EQ(prompts.messages, std::vector<std::string>{message}) << path;
    EXPECT_EQ(opener.error(), message);
    EXPECT_TRUE(prompts.questions.empty()) << path;
    EXPECT_EQ(design.definitions(), before) << path;
    EXPECT_EQ(design.tableCount(), 1);
    EXPECT_EQ(design.currentPath(), Fixture("reader_one_table.sql"));
  }
  prompts.messages.clear();
  const std::string missing = ::testing::TempDir() + "reader_opener_missing.sql";
  EXPECT_FALSE(Open(missing));
  // Chinese first; the system's own reason may follow on a line of its own.
  EXPECT_EQ(prompts.messages,
            std::vector<std::string>{G(u8"无法读取文件! ") + missing + "\n" + strerror(ENOENT)});
  EXPECT_EQ(design.definitions(), before);
}

TEST_F(ScriptOpenerTest, AsksForAFileWhenNoPathIsGiven) {
  EXPECT_FALSE(Open(""));  // the dialog is cancelled
  EXPECT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(design.tableCount(), 0);
  EXPECT_EQ(opener.error(), "");
  prompts.openFiles = {Fixture("reader_one_table.sql")};
  EXPECT_TRUE(Open(""));
  EXPECT_EQ(design.tableCount(), 1);
  EXPECT_EQ(design.currentPath(), Fixture("reader_one_table.sql"));
}

TEST_F(ScriptOpenerTest, HandsProcedureScriptsToTheProcedureList) {
  const std::string path = TempFile(
      "procs.sql",
      "CREATE PROCEDURE [dbo].[p_a] AS\r\nselect 1\r\nGO\r\ncreate proc dbo.p_b\r\nas\r\ngo\r\n");
  ASSERT_TRUE(Open(path));
  EXPECT_TRUE(opener.readProcedures());
  ASSERT_EQ(design.procedures().size(), 2u);
  EXPECT_EQ(design.procedures()[0].name, "p_a");
  EXPECT_EQ(design.procedures()[0].text, "CREATE PROCEDURE [dbo].[p_a] AS\nselect 1\nGO\n");
  EXPECT_EQ(design.procedures()[1].name, "p_b");
  EXPECT_EQ(design.tableCount(), 0);
}

TEST_F(ScriptOpenerTest, ReportsAMissingPatternFileOnce) {
  testing::ScriptedPrompts localPrompts;
  ScriptParser broken(::testing::TempDir() + "no_such_program_folder", &localPrompts);
  Design other{app, localPrompts, broken};
  ScriptOpener brokenOpener{other, broken, localPrompts};
  EXPECT_FALSE(brokenOpener.OpenScript(Fixture("reader_one_table.sql")));
  EXPECT_FALSE(broken.ParseTableText("CREATE TABLE [t] ([a] int)").has_value());
  const std::string missing = G(u8"缺少文件!");
  ASSERT_GE(localPrompts.messages.size(), 1u);
  EXPECT_EQ(localPrompts.messages[0], missing);
  EXPECT_EQ(std::count(localPrompts.messages.begin(), localPrompts.messages.end(), missing), 1);
  EXPECT_EQ(other.tableCount(), 0);
}

TEST_F(ScriptOpenerTest, ReadsUtf8WithoutAMarkAndKeepsCodePage936AsItIs) {
  const std::string chinese = u8"CREATE TABLE [员工] ([工号] int NULL)\n";
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"UTF-8 without a mark", chinese, G(chinese.c_str())},
      {"code page 936", G(chinese.c_str()), G(chinese.c_str())},
      {"ASCII only", "CREATE TABLE t (a int)\r\n", "CREATE TABLE t (a int)\n"},
      {"a stray UTF-8 lead byte", "a\xE5\xB7", "a\xE5\xB7"},
      {"an overlong form", "a\xC0\xAF", "a\xC0\xAF"},
  };
  for (const Case& c : cases) {
    std::string text;
    ASSERT_TRUE(ScriptOpener::DecodeFile(c.bytes, text)) << c.what;
    EXPECT_EQ(text, c.text) << c.what;
  }
  std::string withMark;
  ASSERT_TRUE(TextFile::ReadBytes(Fixture("reader_utf8_bom.sql"), withMark));
  ASSERT_TRUE(Open(TempFile("utf8_no_mark.sql", withMark.substr(3))));
  ASSERT_EQ(design.tableCount(), 1);
  EXPECT_EQ(design.definitions()[0].actualName, G(u8"员工"));
  EXPECT_EQ(design.definitions()[0].comment, G(u8"职员表"));
}

TEST_F(ScriptOpenerTest, AScriptTheReaderCannotReadWholeIsNotOpened) {
  // Nesting this deep exhausts the matcher: the table after it would be all that is left.
  const std::string text = "CREATE TABLE [deep] (\n[a] [int] DEFAULT (" + std::string(200000, '(') +
                           "0" + std::string(200000, ')') +
                           ") NULL\n)\nCREATE TABLE [good] ([b] int NULL)\n";
  EXPECT_FALSE(Open(TempFile("deep.sql", text)));
  EXPECT_NE(opener.error(), "");
  EXPECT_EQ(design.tableCount(), 0);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], opener.error());
}

}  // namespace
}  // namespace tablora
