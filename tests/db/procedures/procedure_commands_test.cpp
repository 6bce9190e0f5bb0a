// The procedure view's commands: what they keep, send and tell the user.
#include "db/procedures/procedure_commands.h"

#include <gtest/gtest.h>

#include "base/text_codec.h"
#include "db/access/recording_connection.h"
#include "db/connect/database_session.h"
#include "db/db_test_support.h"

namespace tablora {
namespace {

class ProcedureCommandsTest : public ::testing::Test {
 protected:
  ProcedureCommandsTest() {
    auto connection = std::make_unique<RecordingConnection>();
    db = connection.get();
    db->Open("recording");
    db->ClearSent();
    session.state().sharedConnection = std::move(connection);
    session.state().connected = true;
    bench.design.procedures().push_back({"p", "dbo", "old", {}});
  }

  testing::ImportBench bench;
  DatabaseSession session{bench.design, bench.prompts, "/nonexistent"};
  ProcedureCommands commands{bench.design, bench.prompts, &session};
  RecordingConnection* db = nullptr;
};

TEST_F(ProcedureCommandsTest, UpdateSavesTheTextAndSaysHowItWent) {
  struct Case {
    int kind;
    std::string text;
    bool serverFails;
    std::string message;  ///< UTF-8
    bool sends;
  };
  const std::string create = "create proc p as select 1";
  const std::vector<Case> cases = {
      {kSqlServer, create, false, "OK!", true},
      {kSqlServer, create, true,
       u8"更新失败!\r\nDescription: recorded failure\r\nState: 42000, Native: 0, Source: "
       u8"[Recording]\r\n",
       true},
      {kSqlServer, "select 1", false, u8"语法错误(找不到create语句)!更新失败", false},
      {kSqlServer, "create table t (a int)", false,
       u8"语法错误(找不到create procedure语句)!更新失败", false},
      {kAccess, create, false, u8"MS Access 数据库只能读取: 本系统没有可写入 MS Access 文件的驱动",
       false},
      {kOracle, create, false, u8"只能把存储过程更新到MS SQL Server数据库。", false},
  };
  for (const Case& c : cases) {
    bench.app.databaseKind = c.kind;
    bench.prompts.messages.clear();
    db->ClearSent();
    if (c.serverFails) db->Fail(c.text);
    EXPECT_EQ(commands.UpdateToDatabase(0, c.text), c.message == "OK!") << c.text;
    EXPECT_EQ(bench.design.procedures()[0].text, c.text);
    ASSERT_EQ(bench.prompts.messages.size(), 1u) << c.text;
    EXPECT_EQ(TextCodec::Cp936ToUtf8(bench.prompts.messages[0]), c.message);
    EXPECT_EQ(!db->sent().empty(), c.sends) << c.text;
    if (c.sends) {
      EXPECT_EQ(db->sent().back(), c.serverFails ? "ROLLBACK TRANSACTION" : "COMMIT TRANSACTION");
    }
  }
}

TEST_F(ProcedureCommandsTest, WithoutAConnectionNothingIsSentOrShown) {
  db->Close();  // no dialogs: connecting is cancelled
  EXPECT_FALSE(commands.UpdateToDatabase(0, "create proc p as select 2"));
  EXPECT_TRUE(bench.prompts.messages.empty());
  EXPECT_TRUE(db->sent().empty());
  // Saving needs a procedure.
  EXPECT_TRUE(commands.Save(0, "new"));
  EXPECT_EQ(bench.design.procedures()[0].text, "new");
  EXPECT_FALSE(commands.Save(1, "x"));
}

}  // namespace
}  // namespace tablora
