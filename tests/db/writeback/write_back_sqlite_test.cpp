#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "db/access/odbc_connection.h"
#include "db/writeback/write_back_test_support.h"

namespace tablora {
namespace {

using testing::Col;
using testing::WriteBackBench;

std::string G(const char* utf8) { return Cp936(utf8); }

/// The database every case starts from: "orders" without keys, holding two rows.
std::string OrdersDatabase(const std::string& name) {
  return testing::MakeSqliteDatabase(
      name, {"CREATE TABLE orders (cust_id int, line_no int, amount decimal(10,2))",
             "INSERT INTO orders VALUES (1, 1, 12.5)", "INSERT INTO orders VALUES (1, 2, 3)"});
}

/// "orders" as the design has it: a two-column key and a CHECK; `amountDefault` goes into
/// the amount column.
TableDesign OrdersDesign(const std::string& amountDefault) {
  return testing::Table(
      "orders", "", "", "", "",
      {Col("cust_id", "int").Key(), Col("line_no", "int").Key(),
       Col("amount", "decimal").Size(10, 2).Check("amount >= 0").Default(amountDefault)});
}

std::string One(OdbcConnection& db, const std::string& sql) {
  ResultSet rows;
  EXPECT_TRUE(db.Query(sql, rows)) << sql << db.ErrorsText();
  return rows.Text(0, 0);
}

TEST(WriteBackSqlite, UpdateTableRecreatesWithKeysOrRollsBack) {
  struct Case {
    const char* name;
    const char* amountDefault;
    WriteBackResult result;
    const char* rowsAfter;     ///< rows of orders after the command
    const char* messageStart;  ///< UTF-8
  };
  const Case cases[] = {
      {"recreate", "0", WriteBackResult::kDone, "0", "OK!"},
      // The create fails after the drop: the drop is undone, the rows are still there.
      {"rollback", "1 +", WriteBackResult::kFailed, "2", u8"创建表 orders失败, 该表已恢复原样!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBackBench bench(kSqlServer);
    bench.Add(OrdersDesign(c.amountDefault));
    ASSERT_TRUE(bench.OpenOdbc(OrdersDatabase(std::string(c.name) + ".db")));
    bench.prompts.yesNoAnswers = {true};

    EXPECT_EQ(c.result, bench.writeBack.UpdateTable(0));
    EXPECT_EQ(
        std::vector<std::string>{G(u8"表 orders已存在, 有 2 行数据, 删除后数据将丢失. 要删除吗?")},
        bench.prompts.questions);
    ASSERT_EQ(1u, bench.prompts.messages.size());
    EXPECT_EQ(0u, bench.prompts.messages[0].rfind(G(c.messageStart), 0))
        << TextCodec::Cp936ToUtf8(bench.prompts.messages[0]);

    auto& db = static_cast<OdbcConnection&>(*bench.database.state().sharedConnection);
    EXPECT_EQ(c.rowsAfter, One(db, "SELECT COUNT(*) FROM orders"));
    ResultSet keys;
    ASSERT_TRUE(db.PrimaryKeys("orders", keys));
    if (c.result == WriteBackResult::kDone) {
      // The key and the CHECK of the extra statements hold in the new table.
      ASSERT_EQ(2u, keys.rows.size());
      EXPECT_EQ("cust_id", keys.Text(0, 3));
      EXPECT_EQ("line_no", keys.Text(1, 3));
      EXPECT_TRUE(db.Execute("INSERT INTO orders VALUES (1, 1, 5)"));
      EXPECT_FALSE(db.Execute("INSERT INTO orders VALUES (1, 1, 6)"));
      EXPECT_FALSE(db.Execute("INSERT INTO orders VALUES (2, 1, -1)"));
    } else {
      EXPECT_TRUE(keys.rows.empty());
      EXPECT_EQ("12.5", One(db, "SELECT amount FROM orders WHERE line_no = 1"));
    }
  }
}

// Names holding "]" reach SQLite in double quotes and name the table, its key and its
// CHECK there.
TEST(WriteBackSqlite, NamesWithClosingBracketsAreCreatedAsNamed) {
  WriteBackBench bench(kSqlServer);
  bench.Add(testing::Table("o]k", "", "", "", "a]b",
                           {Col("c]1", "int").Key(), Col("q]", "int").Check("[q]]] > 0")}));
  ASSERT_TRUE(bench.OpenOdbc(OrdersDatabase("brackets.db")));
  EXPECT_EQ(WriteBackResult::kDone, bench.writeBack.UpdateTable(0));
  EXPECT_TRUE(bench.prompts.questions.empty());
  auto& db = static_cast<OdbcConnection&>(*bench.database.state().sharedConnection);
  ResultSet keys;
  ASSERT_TRUE(db.PrimaryKeys("o]k", keys));
  ASSERT_EQ(1u, keys.rows.size());
  EXPECT_EQ("c]1", keys.Text(0, 3));
  EXPECT_TRUE(db.Execute("INSERT INTO \"o]k\" VALUES (1, 1)"));
  EXPECT_FALSE(db.Execute("INSERT INTO \"o]k\" VALUES (1, 2)"));
  EXPECT_FALSE(db.Execute("INSERT INTO \"o]k\" VALUES (2, 0)"));
  // Read back from the database, the table keeps its names.
  EXPECT_EQ(WriteBackResult::kDone, bench.writeBack.RefreshTable(0));
  std::vector<std::string> columns;
  for (const ColumnDesign& c : bench.design.definitions()[0].columns)
    columns.push_back(c.actualName);
  EXPECT_EQ((std::vector<std::string>{"c]1", "q]"}), columns);
}

// Several tables in a row (the command line's push): the first failure ends the run and
// says which tables were written before it; a table holding rows can be kept out of it.
TEST(WriteBackSqlite, UpdateTablesStopsAtTheFirstFailureOrSkipsTablesWithRows) {
  struct Case {
    const char* name;
    bool keepTablesWithRows;
    const char* amountDefault;
    WriteBackResult result;
    const char* tablesAfter;            ///< the tables of the database, then the rows of orders
    std::vector<const char*> messages;  ///< UTF-8, each the start of one message
    std::size_t questions;
  };
  const Case cases[] = {
      {"stop",
       false,
       "1 +",
       WriteBackResult::kFailed,
       "first orders 2",
       {"OK!", u8"创建表 orders失败, 该表已恢复原样!\n"},
       1},
      {"skip",
       true,
       "0",
       WriteBackResult::kSkipped,
       "first last orders 2",
       {"OK!", u8"表 orders有 2 行数据, 没有删除它!", "OK!"},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBackBench bench(kSqlServer);
    bench.Add(testing::Table("first", "", "", "", "", {Col("a", "int")}));
    bench.Add(OrdersDesign(c.amountDefault));
    bench.Add(testing::Table("last", "", "", "", "", {Col("z", "int")}));
    ASSERT_TRUE(bench.OpenOdbc(OrdersDatabase(std::string("tables_") + c.name + ".db")));
    bench.prompts.yesNoAnswers = {true};
    bench.writeBack.setKeepTablesWithRows(c.keepTablesWithRows);

    EXPECT_EQ(c.result, bench.writeBack.UpdateTables({0, 1, 2}));
    EXPECT_EQ(c.questions, bench.prompts.questions.size());
    ASSERT_EQ(c.messages.size(), bench.prompts.messages.size());
    for (std::size_t m = 0; m < c.messages.size(); ++m)
      EXPECT_EQ(0u, bench.prompts.messages[m].rfind(G(c.messages[m]), 0))
          << TextCodec::Cp936ToUtf8(bench.prompts.messages[m]);
    if (c.result == WriteBackResult::kFailed) {
      const std::string& failure = bench.prompts.messages.back();
      const std::string written = G(u8"\n已经写入数据库的表: first");
      EXPECT_EQ(failure.size() - written.size(), failure.rfind(written))
          << TextCodec::Cp936ToUtf8(failure);
    }
    auto& db = static_cast<OdbcConnection&>(*bench.database.state().sharedConnection);
    EXPECT_EQ(c.tablesAfter,
              One(db,
                  "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master "
                  "WHERE type = 'table' ORDER BY name)") +
                  " " + One(db, "SELECT COUNT(*) FROM orders"));
  }
}

TEST(WriteBackSqlite, NoAnswerLeavesTheTable) {
  WriteBackBench bench(kSqlServer);
  bench.Add(OrdersDesign("0"));
  ASSERT_TRUE(bench.OpenOdbc(OrdersDatabase("declined.db")));
  bench.prompts.yesNoAnswers = {false};
  EXPECT_EQ(WriteBackResult::kCancelled, bench.writeBack.UpdateTable(0));
  EXPECT_TRUE(bench.prompts.messages.empty());
  auto& db = static_cast<OdbcConnection&>(*bench.database.state().sharedConnection);
  EXPECT_EQ("2", One(db, "SELECT COUNT(*) FROM orders"));
}

TEST(WriteBackSqlite, CommentFailuresAreCountedWithTheFirstError) {
  WriteBackBench bench(kSqlServer);
  bench.Add(testing::Table("orders", G(u8"订单"), G(u8"客户订单"), "", "",
                           {Col("cust_id", "int").Display(G(u8"客户")), Col("line_no", "int"),
                            Col("amount", "int").Note(G(u8"金额"))}));
  ASSERT_TRUE(bench.OpenOdbc(OrdersDatabase("comments.db")));
  EXPECT_EQ(WriteBackResult::kFailed, bench.writeBack.UpdateComments(false, 0));
  // SQLite knows no extended properties: the four drops fail as drops of missing comments
  // do and are not counted; the three adds are.
  ASSERT_EQ(1u, bench.prompts.messages.size());
  const std::string& message = bench.prompts.messages[0];
  const std::string start = G(u8"有3条注释语句执行失败!\n第一个错误:\n");
  ASSERT_EQ(0u, message.rfind(start, 0)) << TextCodec::Cp936ToUtf8(message);
  EXPECT_GT(message.size(), start.size());
}

TEST(WriteBackSqlite, RefreshReadsTheTableOrKeepsAMissingOne) {
  WriteBackBench bench(kSqlServer);
  bench.Add(testing::Table("orders", "", "", "", "", {Col("old", "int")}));
  bench.Add(testing::Table("gone", "", "", "", "", {Col("kept", "int")}));
  ASSERT_TRUE(bench.OpenOdbc(OrdersDatabase("refresh.db")));

  EXPECT_EQ(WriteBackResult::kDone, bench.writeBack.RefreshTable(0));
  std::vector<std::string> columns;
  for (const ColumnDesign& c : bench.design.definitions()[0].columns)
    columns.push_back(c.actualName);
  EXPECT_EQ((std::vector<std::string>{"cust_id", "line_no", "amount"}), columns);
  EXPECT_NE(std::string::npos, bench.design.editor(0).tableText().find("[line_no]"));

  EXPECT_EQ(WriteBackResult::kFailed, bench.writeBack.RefreshTable(1));
  EXPECT_EQ(std::vector<std::string>{G(u8"数据库中没有表gone!")}, bench.prompts.messages);
  ASSERT_EQ(1u, bench.design.definitions()[1].columns.size());
  EXPECT_EQ("kept", bench.design.definitions()[1].columns[0].actualName);
}

}  // namespace
}  // namespace tablora
