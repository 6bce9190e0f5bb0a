#include "app/script_design_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

const char kScript[] =
    "CREATE TABLE [dbo].[t_user] (\r\n"
    "\t[id] [int] NOT NULL ,\r\n"
    "\t[name] [varchar] (50) NULL \r\n"
    ") ON [PRIMARY]\r\n"
    "GO\r\n"
    "\r\n"
    "CREATE TABLE [dbo].[t_order] (\r\n"
    "\t[id] [int] NOT NULL ,\r\n"
    "\t[user_id] [int] NOT NULL ,\r\n"
    "\t[amount] [decimal] (10, 2) NULL \r\n"
    ") ON [PRIMARY]\r\n"
    "GO\r\n";

/// Records the notes the design passes on to its window side.
class RecordingView : public HeadlessDesignView {
 public:
  std::vector<std::string> notes;
  void TableAdded(int index, bool show) override {
    notes.push_back("added " + std::to_string(index));
  }
  void TableChanged(int index) override { notes.push_back("changed " + std::to_string(index)); }
  void DesignCleared() override { notes.push_back("cleared"); }
};

class ScriptDesignSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("tablora_session_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    app_.settings = LoadSettingsFile(TABLORA_SOURCE_DIR "/resources");
    app_.settings.programFolder = TABLORA_SOURCE_DIR "/resources";
    scriptPath_ = (folder_ / "two.sql").string();
    ASSERT_TRUE(TextFile::WriteBytes(scriptPath_, kScript));
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  std::string scriptPath_;
  AppState app_;
  testing::ScriptedPrompts prompts_;
  RecordingView view_;
};

TEST_F(ScriptDesignSessionTest, OpenListsTheTablesUnchangedAndPassesNotesOn) {
  app_.databaseKind = kSqlServer;
  ScriptDesignSession session(app_, prompts_, &view_);
  ASSERT_TRUE(session.OpenScript(scriptPath_))
      << (prompts_.messages.empty() ? "" : prompts_.messages[0]);
  const std::vector<TableSummary> tables = session.Tables();
  ASSERT_EQ(tables.size(), 2u);
  // Tables come sorted by actual name.
  EXPECT_EQ(tables[0].actualName, "t_order");
  EXPECT_EQ(tables[0].columnCount, 3);
  EXPECT_EQ(tables[1].actualName, "t_user");
  EXPECT_EQ(tables[1].columnCount, 2);
  EXPECT_FALSE(session.modified());
  EXPECT_EQ(session.currentPath(), scriptPath_);
  EXPECT_TRUE(app_.designHasContent);
  EXPECT_EQ(std::count(view_.notes.begin(), view_.notes.end(), "added 0"), 1);
  EXPECT_EQ(std::count(view_.notes.begin(), view_.notes.end(), "added 1"), 1);
  EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(ScriptDesignSessionTest, ChangesAskOnCloseAndSavingClearsThem) {
  ScriptDesignSession session(app_, prompts_, &view_);
  ASSERT_TRUE(session.OpenScript(scriptPath_));
  session.design()->TableChanged(0);
  EXPECT_TRUE(session.modified());
  EXPECT_EQ(view_.notes.back(), "changed 0");

  prompts_.yesNoCancelAnswers = {Answer::kCancel};
  EXPECT_FALSE(session.ConfirmDiscard(prompts_));
  const std::string savedPath = (folder_ / "saved.sql").string();
  ASSERT_TRUE(session.SaveScript(savedPath));
  EXPECT_FALSE(session.modified());
  EXPECT_EQ(session.currentPath(), savedPath);
  EXPECT_TRUE(session.ConfirmDiscard(prompts_));

  // The saved script opens again as the same tables.
  AppState again = app_;
  testing::ScriptedPrompts otherPrompts;
  ScriptDesignSession reopened(again, otherPrompts);
  ASSERT_TRUE(reopened.OpenScript(savedPath));
  EXPECT_EQ(reopened.Tables(), session.Tables());
}

TEST_F(ScriptDesignSessionTest, AFailedOpenChangesNothing) {
  ScriptDesignSession session(app_, prompts_, &view_);
  ASSERT_TRUE(session.OpenScript(scriptPath_));
  const std::vector<TableSummary> before = session.Tables();
  EXPECT_FALSE(session.OpenScript((folder_ / "missing.sql").string()));
  EXPECT_EQ(session.Tables(), before);
  EXPECT_EQ(session.currentPath(), scriptPath_);
  EXPECT_FALSE(session.modified());
}

TEST_F(ScriptDesignSessionTest, OpeningOverADesignMarksItChangedOnlyWhenTheTablesMerge) {
  // Answer to "delete the old tables?": yes replaces, no merges the two files (keeping
  // both of each table the two share).
  for (const bool replace : {true, false}) {
    ScriptDesignSession session(app_, prompts_, &view_);
    ASSERT_TRUE(session.OpenScript(scriptPath_));
    prompts_.yesNoAnswers = {replace};
    prompts_.yesNoCancelAnswers = {Answer::kNo, Answer::kNo};
    ASSERT_TRUE(session.OpenScript(scriptPath_));
    EXPECT_EQ(session.Tables().size(), replace ? 2u : 4u);
    EXPECT_EQ(session.modified(), !replace) << "replace " << replace;
  }
}

TEST_F(ScriptDesignSessionTest, RemovingATableIsAChangeUnlessItIsANewOneLeftAsMade) {
  ScriptDesignSession session(app_, prompts_, &view_);
  ASSERT_TRUE(session.OpenScript(scriptPath_));
  const int index = session.design()->AddTable(true, -1);
  EXPECT_TRUE(session.modified());
  session.design()->RemoveTable(index);
  EXPECT_FALSE(session.modified());
  session.design()->RemoveTable(0);
  EXPECT_TRUE(session.modified());
  ASSERT_EQ(session.Tables().size(), 1u);
  EXPECT_EQ(session.Tables()[0].actualName, "t_user");
}

TEST_F(ScriptDesignSessionTest, AScriptHoldingMoreThanTablesIsNeverWrittenOverUnasked) {
  // A server's script of a whole database: tables beside a view, a function, a procedure,
  // a trigger, an index, rows and a grant.
  std::string original;
  ASSERT_TRUE(TextFile::ReadBytes(TABLORA_TEST_DATA "/reader_server_objects.sql", original));
  const std::string shop = (folder_ / "shop.sql").string();
  ASSERT_TRUE(TextFile::WriteBytes(shop, original));
  ScriptDesignSession session(app_, prompts_, &view_);
  ASSERT_TRUE(session.OpenScript(shop));
  EXPECT_EQ(session.Tables().size(), 2u);
  EXPECT_TRUE(session.currentFileHoldsMore());
  session.design()->TableWindowChanged(0);  // a window moved
  ASSERT_TRUE(session.modified());

  // Yes saves under a new name beside it; the script stays as it was.
  const std::string beside = (folder_ / "shop_1.sql").string();
  prompts_.yesNoCancelAnswers = {Answer::kYes};
  prompts_.saveFiles = {beside};
  ASSERT_TRUE(session.ConfirmDiscard(prompts_));
  ASSERT_EQ(prompts_.questions.size(), 1u);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(prompts_.questions[0]),
            u8"将改动保存到 " + shop +
                u8"？\n此文件含有本程序不保存的内容(视图、存储过程等), 保存将丢失它们\n"
                u8"选择“是”将改动另存为新的文件。");
  ASSERT_EQ(prompts_.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts_.fileDialogs[0].proposedName, "shop_1.sql");
  EXPECT_EQ(prompts_.fileDialogs[0].startFolder, folder_.string());
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(shop, bytes));
  EXPECT_EQ(bytes, original);
  ASSERT_TRUE(TextFile::ReadBytes(beside, bytes));
  EXPECT_EQ(bytes.compare(0, 10, "/* TABLORA"), 0);
  EXPECT_EQ(session.currentPath(), beside);
  EXPECT_FALSE(session.currentFileHoldsMore());
  EXPECT_FALSE(session.modified());

  // The first save over a file this program did not write keeps it as NAME.bak (the next
  // free name when that is taken); a file it wrote is saved over without one.
  ASSERT_TRUE(TextFile::WriteBytes(shop + ".bak", "older"));
  ASSERT_TRUE(session.SaveScript(shop));
  ASSERT_TRUE(TextFile::ReadBytes(shop + "(2).bak", bytes));
  EXPECT_EQ(bytes, original);
  ASSERT_TRUE(TextFile::ReadBytes(shop + ".bak", bytes));
  EXPECT_EQ(bytes, "older");
  ASSERT_TRUE(session.SaveScript(shop));
  ASSERT_TRUE(session.SaveScript(beside));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"shop.sql", "shop.sql(2).bak", "shop.sql.bak",
                                             "shop_1.sql", "two.sql"}));
}

TEST_F(ScriptDesignSessionTest, SavingAnEmptyDesignWritesNothing) {
  ScriptDesignSession session(app_, prompts_);
  const std::string target = (folder_ / "empty.sql").string();
  EXPECT_FALSE(session.SaveScript(target));
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_EQ(prompts_.messages.size(), 1u);  // "没有数据!"
}

}  // namespace
}  // namespace tablora
