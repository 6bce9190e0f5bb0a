#include <gtest/gtest.h>

#include <functional>

#include "base/text_codec.h"
#include "db/writeback/write_back_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

using testing::Col;
using testing::WriteBackBench;

/// MDBTools opens .mdb files read-only: every command that writes is refused with one
/// message before anything is sent or a file is asked for; reading a table back works.
TEST(WriteBackAccess, NorthwindRefusesEveryWrite) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  struct Case {
    const char* name;
    std::function<WriteBackResult(WriteBack&)> run;
    const char* message;  ///< UTF-8
  };
  const std::string readOnly = TextCodec::Cp936ToUtf8(WriteBack::ReadOnlyMessage());
  const Case cases[] = {
      {"更新到数据库(&S)", [](WriteBack& w) { return w.UpdateTable(0); }, readOnly.c_str()},
      {"只更新注释到数据库(&V)", [](WriteBack& w) { return w.UpdateComments(false, 0); },
       readOnly.c_str()},
      {"更新所有注释到数据库(&D)", [](WriteBack& w) { return w.UpdateComments(false, -1); },
       readOnly.c_str()},
      {"更新分组信息到数据库(&C)", [](WriteBack& w) { return w.UpdateComments(true, -1); },
       u8"MS Access 不能更新分组信息!!"},
      {"产生分组信息(&A)", [](WriteBack& w) { return w.WriteCommentScript(true); },
       u8"MS Access 不能产生分组信息!!"},
      {"产生所有注释(&B)", [](WriteBack& w) { return w.WriteCommentScript(false); },
       u8"MS Access 不能产生注释信息!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBackBench bench(kAccess);
    bench.Add(testing::Table("Customers", "", "", "", "", {Col("CustomerID", "TEXT")}));
    AdoConnection& db = *bench.database.state().sharedConnection;
    ASSERT_TRUE(db.OpenAccess(nwind, "", -1)) << db.ErrorsText();
    bench.database.state().connected = true;
    bench.prompts.yesNoAnswers = {true};
    bench.prompts.saveFiles = {::testing::TempDir() + "never_written.sql"};

    EXPECT_EQ(WriteBackResult::kRefused, c.run(bench.writeBack));
    EXPECT_EQ(std::vector<std::string>{Cp936(c.message)}, bench.prompts.messages);
    EXPECT_TRUE(bench.prompts.questions.empty());
    EXPECT_TRUE(bench.prompts.fileDialogs.empty());
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
