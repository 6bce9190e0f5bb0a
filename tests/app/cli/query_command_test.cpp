// tablora-cli query: a query's rows as CSV on standard output.
#include <gtest/gtest.h>

#include "app/cli/cli_test.h"
#include "base/text_codec.h"
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
  };
  for (const Case& c : cases) {
    const CliRun run = Cli(c.args);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.args;
    EXPECT_EQ("", run.out) << c.args;
    EXPECT_NE(std::string::npos, run.err.find(c.errorPart)) << c.args << "\n" << run.err;
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
  EXPECT_EQ(
      0u, run.out.find(
              "OrderID,ProductID,UnitPrice,Quantity,Discount\r\n10248,11,14.00,12,0.00000000\r\n"));
}

}  // namespace
}  // namespace tablora::testing
