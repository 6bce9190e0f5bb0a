#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "base/text_codec.h"
#include "db/access/ado_recordset.h"
#include "db/access/value_rules.h"
#include "db/db_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

using testing::ScriptedPrompts;

std::string G(const char* utf8) { return Cp936(utf8); }

std::string SqliteWithValues() {
  return testing::MakeSqliteDatabase(
      "values.db", {G(u8"CREATE TABLE [值] ([名] varchar(20), r double, b bigint, n int)"),
                    G(u8"INSERT INTO [值] VALUES ('甲', 3.14159265, 5000000000, 1)"),
                    G(u8"INSERT INTO [值] VALUES (NULL, 2.5, NULL, 2)"),
                    G(u8"INSERT INTO [值] VALUES ('丙', NULL, -1, 3)")});
}

TEST(AccessLayer, RecordsetReadsWholeSetsAndShapesValues) {
  ScriptedPrompts prompts;
  OdbcConnection db(&prompts);
  ASSERT_TRUE(db.Open(SqliteWithValues()));
  AdoRecordset rs(&db, &prompts);
  ASSERT_TRUE(rs.Open(G(u8"SELECT [名], r, b, n FROM [值] ORDER BY n")));
  EXPECT_EQ(3, rs.GetRecordCount());
  ASSERT_EQ(4, rs.GetFieldCount());
  EXPECT_EQ(G(u8"名"), rs.GetFieldName(0));
  EXPECT_EQ(ado::kDouble, rs.GetFieldType(1));
  EXPECT_EQ(ado::kBigInt, rs.GetFieldType(2));
  EXPECT_EQ("", rs.GetFieldName(4));
  EXPECT_EQ(-1, rs.GetFieldDefinedSize(-1));

  // Each row: name by index, real by index (cut) and by name (whole), bigint, int by name.
  const char* expected[][5] = {{u8"甲", "3.14", "3.14159265", "5000000000", "1"},
                               {"", "2.50", "2.50000000", "", "2"},
                               {u8"丙", "", "", "-1", "3"}};
  for (const auto& row : expected) {
    ASSERT_FALSE(rs.IsEOF());
    std::string text;
    ASSERT_TRUE(rs.GetValueText(0, text));
    EXPECT_EQ(G(row[0]), text);
    ASSERT_TRUE(rs.GetValueText(1, text));
    EXPECT_EQ(row[1], text);
    ASSERT_TRUE(rs.GetValueText("R", text));
    EXPECT_EQ(row[2], text);
    ASSERT_TRUE(rs.GetValueText(2, text));
    EXPECT_EQ(row[3], text);
    int n = 0;
    ASSERT_TRUE(rs.GetValueInt("n", n));
    EXPECT_EQ(std::stoi(row[4]), n);
    rs.MoveNext();
  }
  EXPECT_TRUE(rs.IsEOF());
  std::string untouched = "kept";
  EXPECT_FALSE(rs.GetValueText(0, untouched));
  EXPECT_EQ("kept", untouched);
  EXPECT_FALSE(rs.GetValueText(9, untouched));
  int value = 7;
  EXPECT_FALSE(rs.GetValueInt("n", value));
  EXPECT_EQ(0, value);
  ASSERT_TRUE(rs.MoveFirst());
  EXPECT_EQ(3, rs.GetRecordCount());
  EXPECT_FALSE(rs.IsEOF());
  EXPECT_TRUE(prompts.messages.empty());

  // Reading from a closed set tells the user the connection may be gone.
  ASSERT_TRUE(rs.Close());
  EXPECT_EQ(0, rs.State());
  EXPECT_EQ(-1, rs.GetRecordCount());
  EXPECT_FALSE(rs.GetValueText(0, untouched));
  ASSERT_EQ(1u, prompts.messages.size());
  EXPECT_EQ(G(u8"数据库可能已经断开,\n请重新连接数据库后再试!"), prompts.messages[0]);

  // Reopening with an empty text runs the stored one again.
  ASSERT_TRUE(rs.Open(""));
  EXPECT_EQ(3, rs.GetRecordCount());
}

TEST(AccessLayer, FailuresAreReturnValuesAndErrorsText) {
  ScriptedPrompts prompts;
  OdbcConnection db(&prompts);
  EXPECT_FALSE(db.Open(""));  // nothing stored: fails quietly
  EXPECT_TRUE(prompts.messages.empty());
  AdoRecordset early(&db);
  EXPECT_FALSE(early.Open("SELECT 1"));  // not connected: not even tried

  ASSERT_TRUE(db.Open(SqliteWithValues()));
  EXPECT_EQ(nullptr, db.Execute("SELECT * FROM no_such_table"));
  const std::string errors = db.ErrorsText();
  EXPECT_EQ(0u, errors.find("Description: no such table: no_such_table"));
  EXPECT_NE(std::string::npos, errors.find("State: HY000, Native: 1, Source: "));
  EXPECT_EQ(errors.size() - 2, errors.rfind("\r\n"));
  EXPECT_TRUE(prompts.messages.empty());

  // Open with an empty string reuses the stored one.
  db.Close();
  EXPECT_FALSE(db.IsOpen());
  ASSERT_TRUE(db.Open(""));
  EXPECT_TRUE(db.IsOpen());
  auto set = db.Execute("SELECT count(*) FROM sqlite_master");
  ASSERT_NE(nullptr, set);
  EXPECT_EQ(1u, set->rows.size());
}

TEST(AccessLayer, MissingMdbGetsOurMessage) {
  ScriptedPrompts prompts;
  OdbcConnection db(&prompts);
  EXPECT_FALSE(db.OpenAccess("/no/such/folder/x.mdb", "", -1));
  ASSERT_EQ(2u, prompts.messages.size());
  EXPECT_EQ("Unspecified error", prompts.messages[0]);
  EXPECT_EQ(G(u8"Description: 找不到数据库文件: /no/such/folder/x.mdb\r\nState: HY000, Native: "
              u8"0, Source: [Tablora]\r\n"),
            prompts.messages[1]);
}

TEST(AccessLayer, NorthwindValuesThroughMdbTools) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  OdbcConnection db;
  ASSERT_TRUE(db.OpenAccess(nwind, "", -1)) << db.ErrorsText();
  AdoRecordset rs(&db);
  ASSERT_TRUE(rs.Open("SELECT * FROM Categories"));
  EXPECT_EQ(8, rs.GetRecordCount());
  std::string name, picture;
  ASSERT_TRUE(rs.GetValueText("CategoryName", name));
  ASSERT_TRUE(rs.GetValueText("Picture", picture));
  EXPECT_EQ("Beverages", name);
  EXPECT_EQ("[BLOB]", picture);
  ASSERT_TRUE(rs.Open("SELECT OrderID, OrderDate, Freight FROM Orders WHERE OrderID = 10248"));
  ASSERT_EQ(1, rs.GetRecordCount());
  std::string id, date, freight;
  rs.GetValueText("OrderID", id);
  rs.GetValueText("OrderDate", date);
  rs.GetValueText("Freight", freight);
  EXPECT_EQ("10248", id);
  EXPECT_EQ(19u, date.size());
  EXPECT_EQ("32.38", freight);
  EXPECT_EQ(nullptr, db.Execute("DELETE FROM Orders"));  // the driver is read-only
}

/// A local port nothing listens on.
int ClosedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  close(fd);
  return ntohs(a.sin_port);
}

TEST(AccessLayer, FreeTdsFailsFastOnAClosedPortAndIsBoundedOnASilentOne) {
  using Clock = std::chrono::steady_clock;
  ScriptedPrompts prompts;
  OdbcConnection db(&prompts);
  const std::string host = "127.0.0.1," + std::to_string(ClosedPort());
  auto start = Clock::now();
  EXPECT_FALSE(db.OpenSqlServer(host, "master", "sa", "x", -1, false));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
  EXPECT_NE(std::string::npos, db.ErrorsText().find("State: 08S01"));
  EXPECT_NE(std::string::npos, db.ErrorsText().find("Adaptive Server is unavailable"));
  EXPECT_NE(std::string::npos, db.ErrorsText().find("Source: [FreeTDS][SQL Server]"))
      << db.ErrorsText();
  EXPECT_EQ(2u, prompts.messages.size());

  // A listener that accepts and never answers: only the login timeout ends the wait.
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(0, bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a));
  ASSERT_EQ(0, listen(listener, 4));
  socklen_t len = sizeof a;
  getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
  db.setLoginTimeout(2);
  start = Clock::now();
  EXPECT_FALSE(db.OpenSqlServer("127.0.0.1," + std::to_string(ntohs(a.sin_port)), "m", "sa", "x",
                                -1, false));
  const auto waited = Clock::now() - start;
  close(listener);
  EXPECT_GE(waited, std::chrono::milliseconds(1500));
  EXPECT_LT(waited, std::chrono::seconds(10));
  EXPECT_FALSE(db.IsOpen());
}

}  // namespace
}  // namespace tablora
