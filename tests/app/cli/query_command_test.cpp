// tablora-cli query: a query's rows as CSV on standard output.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/cli/cli_test.h"
#include "base/text_codec.h"
#include "db/access/odbc_connection.h"
#include "db/db_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora::testing {
namespace {

class QueryCommandTest : public CliTest {
 protected:
  /// A table whose texts need quoting: commas, quotes, a line break, NULL, an empty text
  /// and Chinese (stored in code page 936, as the program writes it).
  static std::string Database() {
    return MakeSqliteDatabase(
        "query_cli.db",
        {Cp936(u8"CREATE TABLE [客户] (id int, [名称] varchar(20), note varchar(20))"),
         Cp936(u8"INSERT INTO [客户] VALUES (1, 'a,b', 'say \"hi\"')"),
         Cp936(u8"INSERT INTO [客户] VALUES (2, 'line1' || char(13, 10) || 'line2', NULL)"),
         Cp936(u8"INSERT INTO [客户] VALUES (3, '中文', '')")});
  }
};

TEST_F(QueryCommandTest, RowsBecomeCsvWithEveryFieldQuotedAsItMustBe) {
  const std::string connection = "\"" + Database() + "\"";
  const std::string csv = Read(Fixture("query_cli.csv"));
  CliRun run = Cli("query " + connection + " 'SELECT * FROM [客户] ORDER BY id'");
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ(csv, run.out);
  EXPECT_EQ("", run.err);

  // --limit keeps the header and the first records.
  run = Cli("query " + connection + " 'SELECT * FROM [客户] ORDER BY id' --limit 1");
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ(csv.substr(0, csv.find("2,")), run.out);

  // A statement without rows prints nothing.
  run = Cli("query " + connection + " 'UPDATE [客户] SET id = id'");
  EXPECT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ("", run.out);
}

TEST_F(QueryCommandTest, FailuresGoToStandardErrorWithExitCodeOne) {
  const std::string connection = "\"" + Database() + "\"";
  struct Case {
    std::string args;
    int exitCode;
    const char* errorPart;
  } cases[] = {
      {"query " + connection + " 'SELECT * FROM nowhere'", 1, "no such table: nowhere"},
      {"query 'Driver=SQLite3;Database=/no/such/dir/x.db;NoCreat=1' 'SELECT 1'", 1,
       "cannot connect"},
      {"query /no/such/file.mdb 'SELECT 1'", 1, "/no/such/file.mdb"},
      {"query " + connection + " 'SELECT 1' --limit -3", 2, "usage: tablora-cli query"},
      {"query " + connection, 2, "usage: tablora-cli query"},
      {"query '' 'SELECT 1'", 2, "the connection string is empty"},
      {"query nwind 'SELECT 1'", 2, "'nwind' is neither a connection string"},
      // A missing SQLite file is not made: the driver would create it empty.
      {"query 'Driver=SQLite3;Database=missing.db' 'SELECT 1'", 1,
       u8"找不到数据库文件: missing.db"},
      {"query 'Driver=SQLite3;Database=" + dir.path().string() + "' 'SELECT 1'", 1,
       u8"这是一个文件夹, 不是数据库文件: "},
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.args;
    EXPECT_EQ("", run.out) << c.args;
    EXPECT_NE(std::string::npos, run.err.find(c.errorPart)) << c.args << "\n" << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "missing.db"));
}

// Every command that reads a locked SQLite file says so (here after a short busy wait).
TEST_F(QueryCommandTest, ALockedDatabaseSaysSo) {
  const std::string connection = Database();
  OdbcConnection locker;
  ASSERT_TRUE(locker.Open(connection));
  ASSERT_TRUE(locker.Execute("BEGIN EXCLUSIVE")) << locker.ErrorsText();
  const std::string locked = "'" + connection + ";Timeout=200' ";
  const std::pair<std::string, const char*> cases[] = {
      {"query " + locked + "'SELECT * FROM [客户]'", u8"数据库被锁定: database is locked"},
      {"import " + locked + "out.sql", u8"无法读取数据库中的表!\n数据库被锁定: "},
      {"push '" + Fixture("push_cli/orders.sql") + "' " + locked + "--yes",
       u8"无法检查表orders是否存在!\n数据库被锁定: "},
  };
  for (const auto& [args, message] : cases) {
    const CliRun run = Cli(args);
    EXPECT_EQ(1, run.exitCode) << args;
    EXPECT_NE(std::string::npos, run.err.find(message)) << args << "\n" << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "out.sql"));
  EXPECT_TRUE(locker.Execute("ROLLBACK"));
}

// A text holding "=" is a connection string, with or without its last ";"; the MDBTools
// driver reads it as the MS Access file it names.
TEST_F(QueryCommandTest, MdbToolsConnectionStringsAreNotFileNames) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  const std::string sql = "'SELECT TOP 2 OrderID, Freight FROM Orders'";
  const CliRun file = Cli("query '" + nwind + "' " + sql);
  ASSERT_EQ(0, file.exitCode) << file.err;
  EXPECT_EQ("OrderID,Freight\r\n10330,12.7500\r\n10331,10.1900\r\n", file.out);
  for (const std::string& text :
       {"Driver=MDBTools;DBQ=" + nwind, "Driver=MDBTools;DBQ=" + nwind + ";"}) {
    const CliRun run = Cli("query '" + text + "' " + sql);
    EXPECT_EQ(0, run.exitCode) << text << "\n" << run.err;
    EXPECT_EQ(file.out, run.out) << text;
  }
}

TEST_F(QueryCommandTest, NorthwindOrderDetailsHas2155Records) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  const CliRun run = Cli("query '" + nwind + "' 'SELECT * FROM [Order Details]'");
  ASSERT_EQ(0, run.exitCode) << run.err;
  std::size_t lines = 0;
  for (std::size_t p = run.out.find("\r\n"); p != std::string::npos;
       p = run.out.find("\r\n", p + 2))
    ++lines;
  EXPECT_EQ(2156u, lines);
  EXPECT_EQ(0u, run.out.find(
                    "OrderID,ProductID,UnitPrice,Quantity,Discount\r\n10248,11,14.0000,12,0\r\n"));
}

}  // namespace
}  // namespace tablora::testing
