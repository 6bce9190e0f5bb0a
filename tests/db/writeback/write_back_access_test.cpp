#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/recording_connection.h"
#include "db/writeback/write_back_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

using testing::Col;
using testing::WriteBackBench;

/// MDBTools opens .mdb files read-only: every command that writes is refused with one
/// message before anything is sent; the comment commands offer their script instead, and
/// declining it asks for no file.
TEST(WriteBackAccess, NorthwindRefusesEveryWrite) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  struct Case {
    const char* name;
    std::function<WriteBackResult(WriteBack&)> run;
    std::string message;  ///< code page 936; the offered script's question when `offers`
    bool offers = false;
  };
  const std::string offer = WriteBack::ReadOnlyMessage() +
                            Cp936(
                                u8"\n可以保存注释脚本, 在 Windows 上运行它把字段说明写入数据库文件."
                                u8"\n\n保存注释脚本?");
  const Case cases[] = {
      {"更新到数据库(&S)", [](WriteBack& w) { return w.UpdateTable(0); },
       WriteBack::ReadOnlyMessage()},
      {"只更新注释到数据库(&V)", [](WriteBack& w) { return w.UpdateComments(false, 0); }, offer,
       true},
      {"更新所有注释到数据库(&D)", [](WriteBack& w) { return w.UpdateComments(false, -1); }, offer,
       true},
      {"更新分组信息到数据库(&C)", [](WriteBack& w) { return w.UpdateComments(true, -1); },
       Cp936(u8"MS Access 不能更新分组信息!!")},
      {"产生分组信息(&A)", [](WriteBack& w) { return w.WriteCommentScript(true); },
       Cp936(u8"MS Access 不能产生分组信息!!")},
      {"产生所有注释(&B)", [](WriteBack& w) { return w.WriteCommentScript(false); },
       Cp936(u8"MS Access 不能产生注释信息!!")},
  };
  EXPECT_EQ(u8"MS Access 数据库只能读取: 本系统没有可写入 MS Access 文件的驱动",
            TextCodec::Cp936ToUtf8(WriteBack::ReadOnlyMessage()));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBackBench bench(kAccess);
    bench.Add(testing::Table("Customers", "", "", "", "", {Col("CustomerID", "TEXT")}));
    AdoConnection& db = *bench.database.state().sharedConnection;
    ASSERT_TRUE(db.OpenAccess(nwind, "", -1)) << db.ErrorsText();
    bench.database.state().connected = true;
    // Any other question would be answered yes; the offer is declined.
    bench.prompts.yesNoAnswers = {!c.offers};
    bench.prompts.saveFiles = {::testing::TempDir() + "never_written.sql"};

    EXPECT_EQ(WriteBackResult::kRefused, c.run(bench.writeBack));
    const std::vector<std::string> said{c.message};
    EXPECT_EQ(c.offers ? std::vector<std::string>{} : said, bench.prompts.messages);
    EXPECT_EQ(c.offers ? said : std::vector<std::string>{}, bench.prompts.questions);
    EXPECT_TRUE(bench.prompts.fileDialogs.empty());
  }
}

/// Taking the offer saves a Windows script that sets every column's description, beside
/// the file it names; texts the script language cannot quote arrive whole.
TEST(WriteBackAccess, CommentsAreOfferedAsAWindowsScript) {
  const std::string path = ::testing::TempDir() + "comment_access.vbs";
  for (const int tableIndex : {-1, 2}) {
    SCOPED_TRACE(tableIndex);
    WriteBackBench bench(kAccess);
    bench.Add(testing::Table(
        "t_user", Cp936(u8"用户"), Cp936(u8"系统用户(组)系统"), Cp936(u8"系统"), "",
        {Col("id", "LONGINT").Display(Cp936(u8"编号")).Key(),
         Col("say \"hi\"", "TEXT").Note(Cp936(u8"第一行\r\n第二行\t\"引号\"\x01𠀀"))}));
    bench.Add(testing::Table("", "", "", "", "", {Col("skipped", "TEXT")}));
    bench.Add(testing::Table("log", "", "", "", "", {Col("at", "DATETIME")}));
    auto& db = bench.Use(std::make_unique<RecordingConnection>());
    ASSERT_TRUE(db.Open(u8"Driver=MDBTools;DBQ=/data/商店.mdb"));
    bench.database.state().connected = true;
    bench.prompts.yesNoAnswers = {true};
    bench.prompts.saveFiles = {path};

    EXPECT_EQ(WriteBackResult::kScriptSaved, bench.writeBack.UpdateComments(false, tableIndex));
    ASSERT_EQ(1u, bench.prompts.fileDialogs.size());
    EXPECT_EQ("/data", bench.prompts.fileDialogs[0].startFolder);
    EXPECT_EQ("Tablora_AccessComment.vbs", bench.prompts.fileDialogs[0].proposedName);
    EXPECT_TRUE(bench.prompts.messages.empty());
    std::string bytes;
    ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
    ASSERT_EQ("\xFF\xFE", bytes.substr(0, 2));
    const std::string text = TextCodec::Cp936ToUtf8(TextCodec::Utf16LeToCp936(bytes.substr(2)));
    if (tableIndex < 0) {
      std::ofstream(::testing::TempDir() + "comment_access.vbs.txt", std::ios::binary) << text;
      EXPECT_EQ(testing::ReadFixture("comment_access.vbs.txt"), text);
    } else {
      // One table: its columns alone.
      std::vector<std::string> describes;
      for (std::size_t at = text.find("\r\nDescribe "); at != std::string::npos;
           at = text.find("\r\nDescribe ", at + 2)) {
        describes.push_back(text.substr(at + 2, text.find('\r', at + 2) - at - 2));
      }
      EXPECT_EQ(std::vector<std::string>{"Describe \"log\", \"at\", \"\""}, describes);
    }
  }
}

TEST(WriteBackAccess, NorthwindTableIsReadBack) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  WriteBackBench bench(kAccess);
  bench.Add(testing::Table("Order Details", "", "", "", "", {Col("old", "TEXT")}));
  AdoConnection& db = *bench.database.state().sharedConnection;
  ASSERT_TRUE(db.OpenAccess(nwind, "", -1)) << db.ErrorsText();
  bench.database.state().connected = true;
  EXPECT_EQ(WriteBackResult::kDone, bench.writeBack.RefreshTable(0));
  // The same record the import of the whole file makes (its first table).
  const std::string imported = testing::ReadFixture("import_nwind.txt");
  EXPECT_EQ(imported.substr(0, imported.find("table Orders ")),
            testing::Describe(bench.design.definitions()[0]));
  EXPECT_TRUE(bench.prompts.messages.empty());
}

}  // namespace
}  // namespace tablora
