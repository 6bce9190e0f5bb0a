// The query window's core: table queries in each dialect, rows counted as read, the
// question above 1,000 rows, failures shown with the grid and count reset.
#include <gtest/gtest.h>

#include <string>

#include "app/result_grid_model.h"
#include "base/text_codec.h"
#include "db/db_test_support.h"
#include "db/dialects/dialect.h"
#include "db/query/query_runner.h"
#include "support/shared_fixtures.h"
#include "ui/grid_model.h"

namespace tablora {
namespace {

using testing::ScriptedPrompts;

std::string G(const char* utf8) { return Cp936(utf8); }

TEST(DialectFirstRows, TextsByKindAndServer) {
  struct Case {
    int kind;
    const char* name;
    int count;
    bool limit;
    const char* text;
  } cases[] = {
      {kSqlServer, "Users", 1, false, "SELECT TOP 1 * FROM [Users]"},
      {kAccess, "Order Details", 10, false, "SELECT TOP 10 * FROM [Order Details]"},
      {kSqlServer, "Users", Dialect::kAllRows, false, "SELECT * FROM [Users]"},
      {kSqlServer, "a]b", 1, false, "SELECT TOP 1 * FROM [a]]b]"},
      // SQLite reads no "]" inside brackets.
      {kSqlServer, "a]b", 1, true, "SELECT * FROM \"a]b\" LIMIT 1"},
      {kSqlServer, "Users", Dialect::kAllRows, true, "SELECT * FROM [Users]"},
      {kOracle, "USERS", 1, false, "SELECT * FROM \"USERS\" WHERE rownum < 2"},
      {kOracle, "USERS", 10, true, "SELECT * FROM \"USERS\" WHERE rownum < 11"},
      {kOracle, "A\"B", Dialect::kAllRows, false, "SELECT * FROM \"A\"\"B\""},
      // The second byte of 乗 (0x81 0x5D) is the byte of "]": it is not doubled.
      {kSqlServer, "\x81\x5D]", 1, false, "SELECT TOP 1 * FROM [\x81\x5D]]]"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.text, Dialect::For(c.kind, c.limit).FirstRows(c.name, c.count)) << c.text;
}

TEST(QueryRunner, PlainSelectsAreTheTextsRunTwice) {
  const std::pair<const char*, bool> cases[] = {
      {"SELECT * FROM t", true},
      {"  -- all\r\n/* rows */ (select a FROM t)", true},
      {"SELECT * FROM t;  \r\n", true},
      {"SELECT * FROM t; DELETE FROM t", false},
      {"SELECTED", false},
      {"WITH x AS (SELECT 1) SELECT * FROM x", false},
      {"EXEC sp_who", false},
      {"", false},
  };
  for (const auto& [sql, plain] : cases) EXPECT_EQ(plain, QueryRunner::IsPlainSelect(sql)) << sql;
}

/// A query window's grid and prompts over an SQLite file with tables of 1,000 and 1,001
/// numbered rows, a table of values and an empty table.
class QueryRunnerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const char* fill =
        "INSERT INTO %s WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
        "i < %d) SELECT i, 'row ' || i FROM n";
    char big[256], exact[256];
    std::snprintf(big, sizeof big, fill, "big", 1001);
    std::snprintf(exact, sizeof exact, fill, "exact", 1000);
    connection_ = new std::string(testing::MakeSqliteDatabase(
        "query_runner.db",
        {"CREATE TABLE big (id int, name varchar(20))", big,
         "CREATE TABLE exact (id int, name varchar(20))", exact,
         G(u8"CREATE TABLE [值] ([名] varchar(20), r double, n int)"),
         G(u8"INSERT INTO [值] VALUES ('甲', 3.14159265, 1)"),
         G(u8"INSERT INTO [值] VALUES (NULL, NULL, 2)"), "CREATE TABLE empty (x int)"}));
  }
  static void TearDownTestSuite() { delete connection_; }

  void SetUp() override { ASSERT_TRUE(db.Open(*connection_)) << db.ErrorsText(); }

  QueryOutcome Run(const std::string& sql) { return QueryRunner(db, prompts).Run(sql, result); }
  /// The filled rows of column `column`, from row 1 on, up to the first empty one.
  int FilledRows(int column = 0) const {
    int r = 1;
    while (r < grid.GetRowCount() && !grid.GetCellText(r, column).empty()) ++r;
    return r - 1;
  }

  static std::string* connection_;
  OdbcConnection db;
  ScriptedPrompts prompts;
  GridModel grid;
  ResultGridModel result{grid};
};
std::string* QueryRunnerTest::connection_ = nullptr;

TEST_F(QueryRunnerTest, AboveAThousandRowsTheUserChoosesAllOrAHundred) {
  const std::string question = QueryRunner::TooManyQuestion(1001);
  EXPECT_EQ(G(u8"选择的记录太多, 有1001条, 全部显示会花很多时间. \n是否继续? 是--全显示, "
              u8"否--只显示100条"),
            question);
  struct Case {
    const char* sql;
    bool answer;
    int shown;
  } cases[] = {
      {"SELECT * FROM big", false, 100},
      {"SELECT * FROM big", true, 1001},
      // Not a lone SELECT: its rows are kept whole while counting instead of run again.
      {"WITH b AS (SELECT * FROM big) SELECT * FROM b", true, 1001},
      {"WITH b AS (SELECT * FROM big) SELECT * FROM b", false, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sql);
    prompts.questions.clear();
    prompts.yesNoAnswers = {c.answer};
    const QueryOutcome outcome = Run(c.sql);
    EXPECT_EQ(std::vector<std::string>{question}, prompts.questions);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(1001, outcome.count);
    EXPECT_EQ(c.shown, outcome.shown);
    EXPECT_EQ(G(u8"受影响记录:1001"), QueryRunner::CountText(outcome));
    EXPECT_EQ(c.shown + 1, grid.GetRowCount());
    EXPECT_EQ(c.shown, FilledRows());
    EXPECT_EQ("id", grid.GetCellText(0, 0));
    EXPECT_EQ("row " + std::to_string(c.shown), grid.GetCellText(c.shown, 1));
  }
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(QueryRunnerTest, ResultsUpToAThousandRowsAreShownWithoutAQuestion) {
  struct Case {
    std::string sql;
    int count;
    int rows;                        ///< of the grid
    std::vector<std::string> cells;  ///< rows 0 to 2 of the grid, left to right
  } cases[] = {
      {"SELECT * FROM exact", 1000, 1001, {"id", "name", "1", "row 1", "2", "row 2"}},
      {G(u8"SELECT * FROM [值] ORDER BY n"),
       2,
       3,
       {G(u8"名"), "r", "n", G(u8"甲"), "3.14", "1", "", "", "2"}},
      {"SELECT * FROM empty", 0, 0, {}},
      {"UPDATE empty SET x = 1", -1, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sql);
    const QueryOutcome outcome = Run(c.sql);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(c.count, outcome.count);
    EXPECT_EQ(c.rows, grid.GetRowCount());
    const int columns = grid.GetColumnCount();
    for (std::size_t i = 0; i < c.cells.size(); ++i)
      EXPECT_EQ(c.cells[i],
                grid.GetCellText(static_cast<int>(i) / columns, static_cast<int>(i) % columns))
          << i;
    if (c.rows > 0) {
      EXPECT_EQ(1, grid.GetFixedRowCount());
      EXPECT_EQ(1, grid.GetFixedColumnCount());
      EXPECT_EQ(kFormatLeft | kFormatWordBreak, grid.Cell(0, 1)->format);
    }
  }
  EXPECT_EQ(G(u8"受影响记录:-1"), QueryRunner::CountText(Run("DELETE FROM empty")));
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(QueryRunnerTest, AFailingTextShowsTheErrorAndEmptiesCountAndGrid) {
  ASSERT_TRUE(Run("SELECT * FROM exact").ok);
  ASSERT_EQ(1001, grid.GetRowCount());
  const QueryOutcome outcome = Run("SELECT * FROM no_such_table");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ("", QueryRunner::CountText(outcome));
  EXPECT_EQ(0, grid.GetRowCount());
  EXPECT_EQ(0, grid.GetColumnCount());
  ASSERT_EQ(1u, prompts.messages.size());
  EXPECT_EQ(G(u8"执行SQL语句失败:\r\n") + "no such table: no_such_table (1)", prompts.messages[0]);
}

TEST_F(QueryRunnerTest, ValuesPastTheSixtyFourthColumnAreRead) {
  std::string sql = "SELECT 1 AS c1";
  for (int c = 2; c <= 70; ++c) sql += ", " + std::to_string(c) + " AS c" + std::to_string(c);
  ASSERT_TRUE(Run(sql).ok);
  ASSERT_EQ(70, grid.GetColumnCount());
  EXPECT_EQ("c70", grid.GetCellText(0, 69));
  EXPECT_EQ("64", grid.GetCellText(1, 63));
  EXPECT_EQ("70", grid.GetCellText(1, 69));
}

TEST(QueryRunnerAccess, NorthwindRecordQueries) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  OdbcConnection db;
  ASSERT_TRUE(db.OpenAccess(nwind, "", -1)) << db.ErrorsText();
  ScriptedPrompts prompts;
  GridModel grid;
  ResultGridModel result(grid);
  for (const auto& [count, shown] : {std::pair{1, 1}, {10, 10}, {Dialect::kAllRows, 2155}}) {
    prompts.yesNoAnswers = {true};
    const QueryOutcome outcome =
        QueryRunner(db, prompts)
            .Run(Dialect::For(kAccess).FirstRows("Order Details", count), result);
    EXPECT_EQ(shown, outcome.count) << count;
    EXPECT_EQ(shown, outcome.shown);
    EXPECT_EQ(shown + 1, grid.GetRowCount());
    EXPECT_EQ("OrderID", grid.GetCellText(0, 0));
    EXPECT_FALSE(grid.GetCellText(shown, 0).empty());
  }
  EXPECT_EQ(G(u8"受影响记录:2155"),
            QueryRunner::CountText(
                QueryRunner(db, prompts).Run("SELECT * FROM [Order Details]", result)));
  EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace tablora
