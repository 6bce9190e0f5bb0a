#include "ui/display_styles.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "base/ini_file.h"
#include "base/text_codec.h"

namespace tablora {
namespace {

std::string U(const std::string& cp936) { return TextCodec::Cp936ToUtf8(cp936); }

TableDesign Table(const char* display, const char* actual, const char* comment) {
  TableDesign t;
  t.displayName = Cp936(display);
  t.actualName = Cp936(actual);
  t.comment = Cp936(comment);
  return t;
}

TEST(DisplayStyles, TitleTextOfEveryStyle) {
  struct Case {
    const char* style;
    TableDesign table;
    const char* title;
  };
  const Case cases[] = {
      {u8"名称表名", Table(u8"用户", "t_user", ""), u8"用户"},
      {u8"名称表名", Table("", "t_user", ""), "t_user"},
      {u8"实际表名", Table(u8"用户", "t_user", ""), "t_user"},
      {u8"名称表名(实际表名)", Table(u8"用户", "t_user", ""), u8"用户(t_user)"},
      {u8"名称表名(实际表名)", Table("t_user", "t_user", ""), "t_user"},
      {u8"名称表名(实际表名)", Table("", "t_user", ""), "t_user"},
      {u8"实际表名(名称表名)", Table(u8"用户", "t_user", ""), u8"t_user(用户)"},
      {u8"名称表名(实际表名) 表注释", Table(u8"用户", "t_user", u8"注释"), u8"用户(t_user) 注释"},
      {u8"名称表名(实际表名) 表注释", Table(u8"用户", "t_user", ""), u8"用户(t_user)"},
      {u8"实际表名(名称表名) 表注释", Table("t", "t", "c"), "t c"},
      {u8"别的", Table(u8"用户", "t_user", ""), ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(U(DisplayStyles::TitleText(Cp936(c.style), c.table)), c.title) << c.style;
  }
}

TEST(DisplayStyles, FieldTextOfEveryKeyword) {
  ColumnDesign named;
  named.displayName = Cp936(u8"编号");
  named.actualName = "id";
  named.typeName = "decimal";
  named.length = 10;
  named.scale = 2;
  named.primaryKey = true;
  named.foreignKey = true;
  named.nullable = true;
  named.identity = "1,1";
  named.defaultValue = "0";
  named.note = Cp936(u8"说明");
  ColumnDesign plain;
  plain.actualName = "name";
  plain.typeName = "varchar";
  plain.length = 10;
  ColumnDesign bare;
  bare.actualName = "d";
  bare.displayName = "d";
  bare.typeName = "datetime";
  bare.foreignKey = true;
  struct Case {
    const char* keyword;
    const ColumnDesign* column;
    const char* text;
  };
  const Case cases[] = {
      {u8"名称列名", &named, u8"编号"},
      {u8"名称列名", &plain, "name"},
      {u8"实际列名", &named, "id"},
      {u8"名称列名(实际列名)", &named, u8"编号(id)"},
      {u8"名称列名(实际列名)", &bare, "d"},
      {u8"实际列名(名称列名)", &named, u8"id(编号)"},
      {u8"实际列名(名称列名)", &plain, "name"},
      {u8"数据类型", &named, "decimal"},
      {u8"数组大小", &named, "10,2"},
      {u8"数组大小", &bare, "0"},
      {u8"数据类型(数组大小)", &named, "decimal(10,2)"},
      {u8"数据类型(数组大小)", &plain, "varchar(10)"},
      {u8"数据类型(数组大小)", &bare, "datetime"},
      {u8"是否为空", &named, u8"空"},
      {u8"是否为空", &plain, " "},
      {u8"默认值", &named, "0"},
      {u8"描述", &named, u8"说明"},
      {u8"自增长", &named, u8"自动"},
      {u8"自增长", &plain, ""},
      {u8"主键", &named, "<pk>"},
      {u8"外键", &bare, "<fk>"},
      {u8"外键", &plain, ""},
      {u8"主键(外键)", &named, "<pk,fk>"},
      {u8"主键(外键)", &bare, "<fk>"},
      {u8"主键(外键)", &plain, ""},
      {u8"无此项", &named, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(U(DisplayStyles::FieldText(Cp936(c.keyword), *c.column)), c.text) << c.keyword;
  }
}

TEST(DisplayStyles, IndexesOutsideTheListsFallBackToTheFirstStyle) {
  Settings s;
  s.headerStyles = {Cp936(u8"实际表名"), Cp936(u8"名称表名")};
  s.columnStyles = {Cp936(u8"实际列名 数据类型"), Cp936(u8"主键  描述 ")};
  s.columnWidths = {{Cp936(u8"实际列名"), "90"}, {Cp936(u8"主键"), "30"}};
  const TableDesign t = Table(u8"用户", "t_user", "");
  struct Case {
    int title;
    int field;
    const char* titleText;
    std::vector<std::pair<std::string, int>> words;
  };
  const std::vector<std::pair<std::string, int>> first = {{u8"实际列名", 90}, {u8"数据类型", -1}};
  const Case cases[] = {
      {0, 0, "t_user", first},
      {3, -1, "t_user", first},
      {2, 2, u8"用户", {{u8"主键", 30}, {"", -1}, {u8"描述", -1}, {"", -1}}},
  };
  for (const Case& c : cases) {
    s.currentHeaderStyle = c.title;
    s.currentColumnStyle = c.field;
    EXPECT_EQ(U(DisplayStyles::CurrentTitleText(s, t)), c.titleText) << c.title;
    std::vector<std::pair<std::string, int>> words;
    for (const auto& w : DisplayStyles::CurrentFieldWords(s)) words.push_back({U(w.word), w.width});
    EXPECT_EQ(words, c.words) << c.field;
  }
  Settings empty;
  EXPECT_EQ(DisplayStyles::CurrentTitleText(empty, t), "");
  EXPECT_TRUE(DisplayStyles::CurrentFieldWords(empty).empty());
}

TEST(DisplayStyles, AChoiceIsWrittenToTheSettingsFileOnlyWhereMade) {
  const std::string path = ::testing::TempDir() + "display_styles_choice.ini";
  std::remove(path.c_str());
  Settings s;
  s.settingsPath = path;
  s.currentHeaderStyle = 1;
  s.currentColumnStyle = 1;
  EXPECT_TRUE(DisplayStyles::ApplyChoice(s, {-1, 2}));
  EXPECT_EQ(s.currentHeaderStyle, 1);
  EXPECT_EQ(s.currentColumnStyle, 3);
  IniFile ini = IniFile::Load(path);
  EXPECT_EQ(ini.GetInt("DefaultCol", "DefaultType", -5), 3);
  EXPECT_EQ(ini.GetInt("DefaultCol", "DefaultTypeHead", -5), -5);
  EXPECT_EQ(ini.GetInt("DefaultCol", "FitColWidth", -5), -5);
  EXPECT_TRUE(DisplayStyles::ApplyChoice(s, {4, -1}));
  EXPECT_EQ(IniFile::Load(path).GetInt("DefaultCol", "DefaultTypeHead", -5), 5);
  for (int fit : {1, 0}) {
    EXPECT_TRUE(DisplayStyles::ApplyChoice(s, {-1, -1, fit}));
    EXPECT_EQ(s.fitColumnWidths, fit == 1);
    EXPECT_EQ(IniFile::Load(path).GetInt("DefaultCol", "FitColWidth", -5), fit);
  }
  s.settingsPath.clear();
  EXPECT_FALSE(DisplayStyles::ApplyChoice(s, {0, -1}));
  EXPECT_EQ(s.currentHeaderStyle, 1);
}

}  // namespace
}  // namespace tablora
