#include "ui/table_finder.h"

#include <gtest/gtest.h>

#include "app/script_design_session.h"
#include "base/settings_loader.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace tablora {
namespace {

// Three tables: names, comments and columns in Latin and Chinese; "乤" is stored as the
// bytes 0x81 0x61, whose second byte is the letter "a".
const char kScript[] =
    u8"CREATE TABLE [dbo].[Orders] (\t\t--订单:客户的订单\r\n"
    u8"[OrderID] [int] NOT NULL ,  --订单号:主键\r\n"
    u8"[CustomerRef] [int] NULL   --客户:下单的客户\r\n"
    u8") ON [PRIMARY]\r\nGO\r\n\r\n"
    u8"CREATE TABLE [dbo].[t_stock] (\t\t--库存:Warehouse stock\r\n"
    u8"[qty] [int] NOT NULL   --数量\r\n"
    u8") ON [PRIMARY]\r\nGO\r\n\r\n"
    u8"CREATE TABLE [dbo].[t_misc] (\t\t--乤杂项\r\n"
    u8"[x] [int] NOT NULL   --编号\r\n"
    u8") ON [PRIMARY]\r\nGO\r\n";

TEST(TableFindTest, MatchesEveryNameAndCommentLatinInEitherCaseChineseWhole) {
  testing::TempFolder folder;
  AppState app;
  app.settings = LoadSettingsFile(TABLORA_SOURCE_DIR "/resources");
  app.settings.programFolder = TABLORA_SOURCE_DIR "/resources";
  testing::ScriptedPrompts prompts;
  ScriptDesignSession session(app, prompts);
  const std::string path = folder / "find.sql";
  ASSERT_TRUE(TextFile::WriteBytes(path, TextCodec::Utf8ToCp936(kScript)));
  ASSERT_TRUE(session.OpenScript(path));
  // Tables come sorted by actual name: Orders, t_misc, t_stock.
  ASSERT_EQ(session.design()->definitions()[1].actualName, "t_misc");
  TableFinder finder;
  finder.Build(*session.design());

  const struct {
    const char* text;  ///< UTF-8
    std::vector<int> tables;
  } cases[] = {
      {u8"orders", {0}},       // actual name, other case
      {u8"ORDERID", {0}},      // a column's actual name
      {u8"客户", {0}},         // the comment and a column's display name
      {u8"订单号", {0}},       // a column's display name
      {u8"库存", {2}},         // a display name
      {u8"WAREHOUSE", {2}},    // a comment
      {u8"t_", {1, 2}},
      {u8"乤", {1}},
      {u8"a", {2}},            // not the second byte of "乤"
      {u8"数据", {}},
      {u8"", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(finder.Find(TextCodec::Utf8ToCp936(c.text)), c.tables) << c.text;
  }

  // New names reach the finder when it is built again.
  session.design()->editor(1).ActivatePage(TableEditor::kNamePage);
  session.design()->editor(1).DisplayNameChanged(TextCodec::Utf8ToCp936(u8"杂物"));
  session.design()->editor(1).ActivatePage(TableEditor::kSqlPage);
  finder.Build(*session.design());
  EXPECT_EQ(finder.Find(TextCodec::Utf8ToCp936(u8"杂物")), std::vector<int>{1});
}

}  // namespace
}  // namespace tablora
