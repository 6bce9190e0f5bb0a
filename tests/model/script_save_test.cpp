#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "model/design.h"
#include "model/layout_block.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "model/script_writer.h"
#include "model/sql_server_comments.h"
#include "support/model_fixture.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "/" + name; }

std::string ReadFile(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(path, bytes)) << path;
  return bytes;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

class ScriptSaveTest : public ::testing::Test {
 protected:
  ScriptSaveTest() : design(app, prompts, parser, &view), writer(app) {
    app.settings = testing::EditorSettings();
    view.clientWidth = 500;
  }

  /// Appends definition `name` (one column "id", the key) and creates its table.
  void AddLoaded(const std::string& name) {
    TableDesign t;
    t.actualName = name;
    ColumnDesign id;
    id.actualName = "id";
    id.typeName = "int";
    id.primaryKey = true;
    id.note = "k'ey";
    t.columns.push_back(id);
    design.definitions().push_back(t);
    design.AddTable(false, static_cast<int>(design.definitions().size()) - 1);
  }

  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{std::string(TABLORA_SOURCE_DIR) + "/resources"};
  testing::RecordingDesignView view;
  Design design;
  ScriptWriter writer;
};

TEST_F(ScriptSaveTest, FourTablesCarryA69ByteLayoutIn94Characters) {
  for (const char* name : {"t_a", "t_b", "t_c", "t_d"}) AddLoaded(name);
  design.entry(2).window.textColour = 0x000000FF;
  design.entry(3).window.bkColour = 0x00123456;
  const std::vector<LayoutRecord> records = {{0, 0, 0, 0x0080FF80},
                                             {160, 0, 0, 0x0080FF80},
                                             {320, 0, 0xFF, 0x0080FF80},
                                             {0, 170, 0, 0x00123456}};
  EXPECT_EQ(LayoutBlock::Pack(records).size(), 69u);
  const std::string encoded = LayoutBlock::Encode(records);
  ASSERT_EQ(encoded.size(), 94u);
  EXPECT_EQ(encoded.substr(76, 2), "\r\n");
  EXPECT_EQ(encoded.find('\r', 78), std::string::npos);

  const std::string path = TempPath("writer_four.sql");
  ASSERT_TRUE(writer.SaveScript(design, prompts, path, -1));
  const std::string bytes = ReadFile(path);
  const std::string head =
      "/* TABLORA V1.5 :94:" + encoded.substr(0, 76) + "\r\r\n" + encoded.substr(78) +
      "      */\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n" +
      "CREATE TABLE [dbo].[t_a] (\t\t\t\r\n[id] [int] NOT NULL   --k'ey\r\n) ON [PRIMARY]\r\n\r\n";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_EQ(LayoutBlock::Decode(bytes.substr(20, 95)), records);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_GT(view.scrollResets, 0);
  // The path was given: it is not asked for and the current path stays.
  EXPECT_TRUE(prompts.fileDialogs.empty());
  EXPECT_EQ(design.currentPath(), "");
}

TEST_F(ScriptSaveTest, OneTableIsProposedByNameAndHasNoLayout) {
  AddLoaded("t_a");
  AddLoaded("t_b");
  const std::string path = TempPath("writer_one.txt");
  prompts.saveFiles = {path};
  ASSERT_TRUE(writer.SaveScript(design, prompts, "", 1));
  ASSERT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_EQ(prompts.fileDialogs[0].proposedName, "t_b.txt");
  EXPECT_EQ(prompts.fileDialogs[0].defaultExtension, "txt");
  EXPECT_EQ(design.currentPath(), path);

  const std::string expected =
      Cp936(u8"/* TABLORA V1.5    自动产生 */\n\n\n\n\n\n\n\n") +
      "CREATE TABLE [dbo].[t_b] (\t\t\t\n[id] [int] NOT NULL   --k'ey\n) ON [PRIMARY]\n\n"
      "\n\nexec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_b'\nGO\n"
      "exec sp_dropextendedproperty N'MS_Description', N'user', N'dbo', N'table', N't_b', "
      "N'column', N'id'\nGO\n"
      "exec sp_addextendedproperty N'MS_Description', N'k''ey', N'user', N'dbo', N'table', N't_b', "
      "N'column', N'id'\nGO\n"
      "\n\nALTER TABLE [dbo].[t_b] WITH NOCHECK ADD\nCONSTRAINT [PK_T_B] PRIMARY KEY  "
      "CLUSTERED\n(\n[id]\n)\nON [PRIMARY]\nGO\n\n";
  EXPECT_EQ(ReadFile(path), TextFile::ToCrLf(expected));
}

TEST_F(ScriptSaveTest, ProposedNameComesFromTheLastConnection) {
  EXPECT_EQ(writer.ProposedFileName(design, -1), "");
  app.lastDatabase = "shop";
  EXPECT_EQ(writer.ProposedFileName(design, -1), "shop");
  app.lastHost = "srv";
  EXPECT_EQ(writer.ProposedFileName(design, -1), "shop(srv)");
  // One table without a definition yet: the connection's name.
  EXPECT_EQ(writer.ProposedFileName(design, 0), "shop(srv)");
}

TEST_F(ScriptSaveTest, SaveDialogShowsAllFilesAndStartsBesideTheDesign) {
  AddLoaded("t_a");
  const struct {
    std::string current;
    std::string lastDatabase;
    int index;
    std::string folder;
    std::string proposed;
  } cases[] = {
      {"", "", -1, "", ""},
      {"/work/designs/shop.sql", "", -1, "/work/designs", "shop.sql"},
      {"/shop.sql", "", -1, "/", "shop.sql"},
      {"/work/designs/shop.sql", "erp", -1, "/work/designs", "erp"},
      {"/work/designs/shop.sql", "", 0, "/work/designs", "t_a.txt"},
  };
  for (const auto& c : cases) {
    design.setCurrentPath(c.current);
    app.lastDatabase = c.lastDatabase;
    prompts.fileDialogs.clear();
    EXPECT_FALSE(writer.SaveScript(design, prompts, "", c.index));
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    const FileDialogSpec& dialog = prompts.fileDialogs[0];
    EXPECT_EQ(dialog.startFolder, c.folder) << c.current;
    EXPECT_EQ(dialog.proposedName, c.proposed) << c.current;
    EXPECT_EQ(dialog.defaultExtension, "txt");
    // A design is offered as an SQL script first, one table's script as text first.
    EXPECT_EQ(dialog.filters,
              (c.index < 0 ? std::vector<std::string>{"sql", "txt"}
                           : std::vector<std::string>{"txt", "sql"}));
  }
}

// A design with characters GBK lacks saves as GB18030 by default (GBK bytes where GBK has
// the character), as UTF-8 when the dialog's second encoding is chosen (and again on the
// next save to that file), and opens as the same design either way.
TEST_F(ScriptSaveTest, ScriptsSaveAsGb18030OrTheChosenUtf8AndOpenTheSame) {
  AddLoaded(Cp936(u8"订单😀"));
  const std::string gb = TempPath("writer_gb18030.sql");
  const std::string utf8 = TempPath("writer_utf8.sql");
  prompts.saveFiles = {gb, utf8};
  prompts.saveEncodings = {0, 1};
  ASSERT_TRUE(writer.SaveScript(design, prompts, "", -1));
  EXPECT_EQ(prompts.fileDialogs.back().encodings,
            (std::vector<std::string>{"GB18030 (GBK)", "UTF-8"}));
  const std::string gbBytes = ReadFile(gb);
  EXPECT_NE(std::string::npos, gbBytes.find("[dbo].[\xB6\xA9\xB5\xA5\x94\x39\xFC\x36]"));
  EXPECT_FALSE(design.currentFileUtf8());

  ASSERT_TRUE(writer.SaveScript(design, prompts, "", -1));
  EXPECT_TRUE(design.currentFileUtf8());
  EXPECT_EQ(ReadFile(utf8), TextCodec::Cp936ToUtf8(gbBytes));
  std::remove(utf8.c_str());
  ASSERT_TRUE(writer.SaveScript(design, prompts, design.currentPath(), -1));
  EXPECT_EQ(ReadFile(utf8), TextCodec::Cp936ToUtf8(gbBytes));

  for (const std::string& path : {gb, utf8}) {
    Design opened(app, prompts, parser, &view);
    ScriptOpener opener(opened, parser, prompts);
    ASSERT_TRUE(opener.OpenScript(path)) << opener.error();
    ASSERT_EQ(opened.definitions().size(), 1u);
    EXPECT_EQ(opened.definitions()[0].actualName, Cp936(u8"订单😀")) << path;
    EXPECT_FALSE(opened.currentFileUtf8());  // opening alone never changes what a save writes
  }
}

TEST_F(ScriptSaveTest, CancelledDialogWritesNothing) {
  AddLoaded("t_a");
  EXPECT_FALSE(writer.SaveScript(design, prompts, "", -1));
  EXPECT_EQ(prompts.fileDialogs.size(), 1u);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(design.currentPath(), "");
}

TEST_F(ScriptSaveTest, NoDefinitionsSaysSoAndWritesNoFile) {
  design.AddTable(true, -1);  // a new table whose text was never built
  const std::string path = TempPath("writer_nodata.sql");
  std::remove(path.c_str());
  EXPECT_FALSE(writer.SaveScript(design, prompts, path, -1));
  EXPECT_EQ(prompts.messages, (std::vector<std::string>{Cp936(u8"没有数据!")}));
  EXPECT_FALSE(Exists(path));
}

TEST_F(ScriptSaveTest, UnwritableTargetIsReportedAndTheOldFileKept) {
  AddLoaded("t_a");
  const std::string path = TempPath("writer_locked.sql");
  ASSERT_TRUE(TextFile::WriteBytes(path, "old"));
  // The temporary file beside the target cannot be made: a folder holds its name.
  const std::string blocker = path + ".tmp" + std::to_string(::getpid());
  ASSERT_EQ(::mkdir(blocker.c_str(), 0755), 0);
  EXPECT_FALSE(writer.SaveScript(design, prompts, path, -1));
  ::rmdir(blocker.c_str());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].rfind(Cp936(u8"无法写入文件"), 0), 0u);
  EXPECT_NE(prompts.messages[0].find("writer_locked.sql"), std::string::npos);
  EXPECT_NE(prompts.messages[0].find("Is a directory"), std::string::npos);  // the reason
  EXPECT_EQ(ReadFile(path), "old");

  prompts.messages.clear();
  EXPECT_FALSE(writer.SaveScript(design, prompts, TempPath("no_such_dir/x.sql"), -1));
  EXPECT_EQ(prompts.messages.size(), 1u);
}

TEST_F(ScriptSaveTest, LineBreaksTypedAsCrLfAreStoredOnce) {
  AddLoaded("t_a");
  TableEditor& editor = design.editor(0);
  editor.EditShownText("CREATE TABLE [dbo].[t_a] (\t\t\t\r\n[id] [int] NULL   \r\n) ON [PRIMARY]");
  editor.ApplySqlText();  // rebuilt from the refilled grid: LF only again
  EXPECT_EQ(editor.tableText().find('\r'), std::string::npos);
  editor.SetShowExtraStatements(true);
  editor.EditShownText("CREATE TABLE [dbo].[t_a] (\t\t\t\r\n[id] [int] NULL   \r\n) ON [PRIMARY]" +
                       editor.extraStatements());
  editor.SetShowExtraStatements(false);
  ASSERT_NE(editor.tableText().find("\r\n"), std::string::npos);
  const std::string path = TempPath("writer_crlf.sql");
  ASSERT_TRUE(writer.SaveScript(design, prompts, path, -1));
  const std::string bytes = ReadFile(path);
  EXPECT_NE(bytes.find(
                "CREATE TABLE [dbo].[t_a] (\t\t\t\r\n[id] [int] NULL   \r\n) ON [PRIMARY]\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(bytes.find("\r\r\n[id]"), std::string::npos);
}

}  // namespace
}  // namespace tablora
