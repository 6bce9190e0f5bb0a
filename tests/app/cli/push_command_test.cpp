// tablora-cli push: a design script written to a database, with the program's questions.
#include <gtest/gtest.h>

#include "app/cli/cli_test.h"
#include "base/text_file.h"
#include "db/odbc_connection.h"

namespace tablora {
namespace {

class PushCommand : public testing::CliTest {
 protected:
  /// A SQLite file in the test's folder holding "orders" without keys and two rows.
  std::string MakeDatabase() {
    const std::string connection = "Driver=SQLite3;NoCreat=0;Database=" + (dir / "push.db");
    OdbcConnection db;
    EXPECT_TRUE(db.Open(connection)) << db.ErrorsText();
    for (const char* sql :
         {"CREATE TABLE orders (cust_id int, line_no int, amount int)",
          "INSERT INTO orders VALUES (1, 1, 5)", "INSERT INTO orders VALUES (1, 2, 6)"}) {
      EXPECT_TRUE(db.Execute(sql)) << sql;
    }
    return connection;
  }
  /// Rows of orders, then its key columns.
  std::string State(const std::string& connection) {
    OdbcConnection db;
    EXPECT_TRUE(db.Open(connection));
    ResultSet rows;
    EXPECT_TRUE(db.Query("SELECT COUNT(*) FROM orders", rows));
    std::string state = rows.Text(0, 0) + " rows, key:";
    ResultSet keys;
    EXPECT_TRUE(db.PrimaryKeys("orders", keys));
    for (std::size_t r = 0; r < keys.rows.size(); ++r) state += " " + keys.Text(r, 3);
    return state;
  }
  const std::string design = Fixture("push_cli/orders.sql");
};

TEST_F(PushCommand, AnswersDecideTheDrop) {
  struct Case {
    const char* options;
    const char* input;  ///< standard input
    int exitCode;
    const char* stateAfter;
    const char* errorHas;  ///< UTF-8
  };
  const Case cases[] = {
      // --yes does not cover a table that holds rows.
      {"--yes", "", 1, "2 rows, key:",
       u8"表 orders有 2 行数据, 没有删除它!\ntablora-cli push: --yes does not drop a table "
       u8"that holds rows; add --drop-data to drop it\n"},
      {"--yes --drop-data", "", 0, "0 rows, key: cust_id line_no",
       u8"表 orders已存在, 有 2 行数据, 删除后数据将丢失. 要删除吗? y\nOK!\n"},
      {"--table orders", "y\n", 0, "0 rows, key: cust_id line_no", u8"[y/N] OK!\n"},
      {"", "n\n", 3,
       "2 rows, key:", u8"表 orders已存在, 有 2 行数据, 删除后数据将丢失. 要删除吗? [y/N] "},
      {"", "", 3, "2 rows, key:", "no answer on standard input: no (use --yes)"},
      {"--table missing --yes", "", 2, "2 rows, key:", "no table 'missing'"},
      {"--kind abc --yes", "", 2, "2 rows, key:", "usage: tablora-cli push"},
      // The design has no comments: only drops are sent, and SQLite's refusals of them are
      // what a table without comments answers.
      {"--comments-only", "", 0, "2 rows, key:", "OK!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const std::string connection = MakeDatabase();
    const std::string input = dir / "input.txt";
    ASSERT_TRUE(TextFile::WriteBytes(input, c.input));
    const testing::CliRun run =
        Cli("push '" + design + "' '" + connection + "' " + c.options + " < '" + input + "'");
    EXPECT_EQ(c.exitCode, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.errorHas)) << run.err;
    EXPECT_EQ(c.stateAfter, State(connection));
    std::remove((dir / "push.db").c_str());
  }
}

TEST_F(PushCommand, AccessFilesAreReadOnly) {
  const testing::CliRun run =
      Cli("push '" + design + "' '" + TABLORA_SHARED_FIXTURES + "/nwind.mdb' --yes");
  EXPECT_EQ(1, run.exitCode);
  EXPECT_EQ(u8"MS Access 数据库只能读取, 不能更新到数据库!!\n", run.err);
}

}  // namespace
}  // namespace tablora
