#include "ui/colour_choice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/script_design_session.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

class ColourChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("tablora_colours_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(folder);
    app.settings = LoadSettingsFile(TABLORA_SOURCE_DIR "/resources");
    app.settings.programFolder = TABLORA_SOURCE_DIR "/resources";
    const std::string script =
        "CREATE TABLE [dbo].[orders] (\t\t\t--" + Cp936(u8"订单") +
        ":\r\n\t[id] [int] NOT NULL \r\n) ON [PRIMARY]\r\nGO\r\n\r\n"
        "CREATE TABLE [dbo].[users] (\r\n\t[id] [int] NOT NULL \r\n) ON [PRIMARY]\r\nGO\r\n";
    path = (folder / "two.sql").string();
    ASSERT_TRUE(TextFile::WriteBytes(path, script));
    session = std::make_unique<ScriptDesignSession>(app, prompts);
    ASSERT_TRUE(session->OpenScript(path));
  }
  void TearDown() override { fs::remove_all(folder); }
  Design& design() { return *session->design(); }
  std::uint32_t Text(int t) { return design().entry(t).window.textColour; }
  std::uint32_t Back(int t) { return design().entry(t).window.bkColour; }

  fs::path folder;
  std::string path;
  AppState app;
  testing::ScriptedPrompts prompts;
  std::unique_ptr<ScriptDesignSession> session;
};

TEST_F(ColourChoiceTest, TheDialogListsTablesAndPreselectsAsItsCallerAsks) {
  const ColourChoice all(design(), -1, ColourChoice::kText);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(all.Caption()), u8"请选择文字颜色");
  std::vector<std::string> items;
  for (const std::string& item : all.Items()) items.push_back(TextCodec::Cp936ToUtf8(item));
  EXPECT_EQ(items, (std::vector<std::string>{u8"订单(orders)", "users", u8"<<全部表>>"}));
  EXPECT_EQ(all.selection(), 2);
  EXPECT_FALSE(all.ShowsSwatch());

  design().entry(1).window.bkColour = 0x00123456;
  ColourChoice one(design(), 1, ColourChoice::kBackground);
  EXPECT_EQ(TextCodec::Cp936ToUtf8(one.Caption()), u8"请选择背景颜色");
  EXPECT_EQ(one.selection(), 1);
  EXPECT_EQ(one.colour(), 0x00123456u);
  EXPECT_TRUE(one.ShowsSwatch());
  one.Select(2);
  EXPECT_FALSE(one.ShowsSwatch());
  EXPECT_EQ(ColourChoice(design(), 7, ColourChoice::kText).selection(), 2);
}

TEST_F(ColourChoiceTest, OkColoursOneOrEveryTableAndNothingWithoutAColour) {
  const std::uint32_t back0 = Back(0);
  ColourChoice all(design(), -1, ColourChoice::kText);
  EXPECT_TRUE(all.Apply().empty());  // no colour chosen yet
  EXPECT_EQ(Text(0), 0u);
  EXPECT_FALSE(session->modified());

  all.SetColour(0x000000FF);
  EXPECT_EQ(all.Apply(), (std::vector<int>{0, 1}));
  EXPECT_EQ(Text(0), 0x000000FFu);
  EXPECT_EQ(Text(1), 0x000000FFu);
  EXPECT_EQ(Back(0), back0);
  EXPECT_TRUE(session->modified());

  ColourChoice one(design(), 1, ColourChoice::kBackground);
  one.SetColour(0x00FF0000);
  EXPECT_EQ(one.Apply(), std::vector<int>{1});
  EXPECT_TRUE(one.Apply().empty());  // the dialog stays open; the same colour again is no change
  EXPECT_EQ(Back(1), 0x00FF0000u);
  EXPECT_EQ(Back(0), back0);

  // The colours are saved with the design and come back when it is opened again.
  const std::string saved = (folder / "saved.sql").string();
  ASSERT_TRUE(session->SaveScript(saved));
  AppState again = app;
  testing::ScriptedPrompts otherPrompts;
  ScriptDesignSession reopened(again, otherPrompts);
  ASSERT_TRUE(reopened.OpenScript(saved));
  EXPECT_EQ(reopened.design()->entry(1).window.bkColour, 0x00FF0000u);
  EXPECT_EQ(reopened.design()->entry(0).window.textColour, 0x000000FFu);
  EXPECT_EQ(reopened.design()->entry(0).window.bkColour, back0);
}

}  // namespace
}  // namespace tablora
