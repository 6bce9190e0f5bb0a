#include <gtest/gtest.h>

#include "app/cli/cli_test.h"
#include "base/text_codec.h"
#include "support/odbc_test_connection.h"
#include "support/shared_fixtures.h"

namespace tablora::testing {
namespace {

class ServerQueryTest : public CliTest {
 protected:
  /// Makes table `name` on the server with a row of Chinese text outside GB2312 (CJK
  /// extension B needs GB18030's four-byte form) and reads it back through the command line.
  void QueryChineseRow(const std::string& connect, const std::string& name) {
    OdbcTestConnection server;
    ASSERT_TRUE(server.Connect(connect)) << server.error();
    server.Execute("DROP TABLE IF EXISTS " + name);
    const std::string text = Cp936(u8"客户𠀀名称");
    ASSERT_TRUE(server.Execute("CREATE TABLE " + name + " (id int, name varchar(40))"))
        << server.error();
    ASSERT_TRUE(server.Execute("INSERT INTO " + name + " VALUES (1, '" + text + "')"))
        << server.error();
    const CliRun run =
        Cli("query '" + connect + "' 'SELECT id, name, char_length(name) AS n FROM " + name + "'");
    server.Execute("DROP TABLE " + name);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // Five characters on the server: the text went there as characters, not as the program's
    // own bytes.
    EXPECT_EQ(run.out, u8"id,name,n\r\n1,客户𠀀名称,5\r\n");
  }
};

TEST_F(ServerQueryTest, PostgreSqlRowsKeepTheirCharacters) {
  TABLORA_TEST_SERVER(connect, "TABLORA_PG_CONNECT");
  QueryChineseRow(connect, "tablora_query_text");
}

TEST_F(ServerQueryTest, MariaDbRowsKeepTheirCharacters) {
  TABLORA_TEST_SERVER(connect, "TABLORA_MYSQL_CONNECT");
  QueryChineseRow(connect, "tablora_query_text");
}

}  // namespace
}  // namespace tablora::testing
