#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/writeback/write_back_test_support.h"

namespace tablora {
namespace {

using testing::Col;
using testing::WriteBackBench;

std::string G(const char* utf8) { return Cp936(utf8); }

/// Two tables: display names, a group held in the comment, an apostrophe, an Oracle owner
/// "dbo" (written as SYSTEM) and a table whose texts are all empty.
void AddTables(WriteBackBench& bench) {
  bench.Add(testing::Table(
      "t_user", G(u8"用户"), G(u8"系统用户(组)系统"), G(u8"系统"), "dbo",
      {Col("id", "int").Display(G(u8"编号")).Key(), Col("name", "varchar").Size(50).Note("it's")}));
  bench.Add(testing::Table("log", "", "", "", "", {Col("at", "datetime")}));
}

TEST(CommentScript, FilesOfEachKind) {
  struct Case {
    int kind;
    bool tablesOnly;
    const char* fixture;  ///< empty: no file is written
    const char* message;  ///< UTF-8; empty: none
    const char* proposed;
  };
  const Case cases[] = {
      {kSqlServer, true, "comment_group_sqlserver.sql", "", "Tablora_GroupComment.sql"},
      {kSqlServer, false, "comment_all_sqlserver.sql", "", "Tablora_AllComment.sql"},
      {kOracle, false, "comment_all_oracle.sql", "", "Tablora_AllComment.sql"},
      {kAccess, true, "", u8"MS Access 不能产生分组信息!!", ""},
      {kAccess, false, "", u8"MS Access 不能产生注释信息!!", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + (c.tablesOnly ? " group" : " all"));
    WriteBackBench bench(c.kind);
    AddTables(bench);
    const std::string path = ::testing::TempDir() + "comment_script.sql";
    std::remove(path.c_str());
    bench.prompts.saveFiles = {path};
    const WriteBackResult result = bench.writeBack.WriteCommentScript(c.tablesOnly);
    std::string written;
    const bool exists = TextFile::ReadBytes(path, written);
    if (*c.fixture != 0) {
      EXPECT_EQ(WriteBackResult::kDone, result);
      ASSERT_EQ(1u, bench.prompts.fileDialogs.size());
      EXPECT_EQ(c.proposed, bench.prompts.fileDialogs[0].proposedName);
      EXPECT_EQ("sql", bench.prompts.fileDialogs[0].defaultExtension);
      std::ofstream(::testing::TempDir() + c.fixture, std::ios::binary) << written;
      EXPECT_EQ(testing::ReadFixture(c.fixture), written);
    } else {
      // MS Access is refused before a file is asked for: nothing is created or emptied.
      EXPECT_EQ(WriteBackResult::kRefused, result);
      EXPECT_TRUE(bench.prompts.fileDialogs.empty());
      EXPECT_FALSE(exists);
    }
    const std::vector<std::string> messages =
        *c.message ? std::vector<std::string>{G(c.message)} : std::vector<std::string>{};
    EXPECT_EQ(messages, bench.prompts.messages);
  }
}

TEST(CommentScript, CancelWritesNothing) {
  WriteBackBench bench(kSqlServer);
  AddTables(bench);
  EXPECT_EQ(WriteBackResult::kCancelled, bench.writeBack.WriteCommentScript(false));
  EXPECT_EQ(1u, bench.prompts.fileDialogs.size());
  EXPECT_TRUE(bench.prompts.messages.empty());
}

}  // namespace
}  // namespace tablora
