#include "base/settings_loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {
namespace {

using Strings = std::vector<std::string>;

Settings FromText(const std::string& text) { return LoadSettings(IniFile::FromBytes(text), "/p"); }

TEST(SettingsLoaderDefaults, AnEmptyFileGivesEveryDefault) {
  const Settings s = LoadSettings(IniFile(), "/opt/tablora");
  EXPECT_EQ(s.programFolder, "/opt/tablora");
  EXPECT_EQ(s.settingsPath, "/opt/tablora/setting/Tablora.ini");
  EXPECT_EQ(s.dialogBkColor, "007777");
  EXPECT_EQ(s.dialogTextColor, "FF77FF");
  EXPECT_EQ(s.DialogBackground(), (Rgb{0x00, 0x77, 0x77}));
  EXPECT_EQ(s.DialogText(), (Rgb{0xFF, 0x77, 0xFF}));
  EXPECT_EQ(s.tableWinWidth, 150);
  EXPECT_EQ(s.tableWinHeight, 150);
  EXPECT_EQ(s.marginW, 10);
  EXPECT_EQ(s.marginH, 20);
  EXPECT_FALSE(s.fitColumnWidths);
  EXPECT_EQ(s.workBoxPlace, "");
  EXPECT_EQ(s.maxColumnWidth, 300);
  EXPECT_EQ(s.currentHeaderStyle, 0);
  EXPECT_EQ(s.currentColumnStyle, 0);
  EXPECT_TRUE(s.databaseKindNames.empty());
  for (const auto& list : s.dataTypeLists) EXPECT_TRUE(list.empty());
  for (const auto& list : s.dropDownLists) EXPECT_TRUE(list.empty());
  EXPECT_TRUE(s.dropDownColumns.empty());
  EXPECT_TRUE(s.headerStyles.empty());
  EXPECT_TRUE(s.columnStyles.empty());
  EXPECT_TRUE(s.gridCaptions.empty());
  for (const TextMap* map : {&s.typeC, &s.prefixC, &s.typeJava, &s.prefixJava, &s.typeOdbc,
                             &s.gridWidths, &s.columnWidths, &s.typeOracle}) {
    EXPECT_TRUE(map->empty());
  }
  EXPECT_EQ(s.dataTypeColour, (Rgb{0, 0, 255}));
  EXPECT_EQ(s.keywordColour, (Rgb{20, 60, 150}));
  EXPECT_EQ(s.commentColour, (Rgb{51, 153, 0}));
  EXPECT_TRUE(s.SplitCurrentColumnStyle().empty());
}

TEST(SettingsLoaderDefaults, MissingFileGivesDefaultsAndTheFileIsFoundUnderSetting) {
  const std::string folder = ::testing::TempDir() + "/settings_loader_folder";
  ::mkdir(folder.c_str(), 0755);
  EXPECT_EQ(LoadSettingsFile(folder + "/nowhere").tableWinWidth, 150);
  ::mkdir((folder + "/setting").c_str(), 0755);
  ASSERT_TRUE(TextFile::WriteBytes(folder + "/setting/Tablora.ini", "[TableWin]\r\nWidth=222\r\n"));
  const Settings s = LoadSettingsFile(folder);
  EXPECT_EQ(s.tableWinWidth, 222);
  EXPECT_EQ(s.tableWinHeight, 150);
  EXPECT_EQ(s.settingsPath, folder + "/setting/Tablora.ini");
  std::remove((folder + "/setting/Tablora.ini").c_str());
}

TEST(SettingsLoaderOverrides, EverySectionIsRead) {
  const std::string text = Cp936(
      u8"[Dialog]\r\nBKColor=102030\r\nTextColor=a0b0c0\r\n"
      u8"[TableWin]\r\nWidth=200\r\nHeight=180\r\nMarginW=5\r\nMarginH=6\r\nMaxColWidth=240\r\n"
      u8"[SuportDB]\r\nCount=2\r\nType1=MS SQL Server\r\nType2=Oracle\r\n"
      u8"[DesignTableCols]\r\nCount=3\r\nTypeA1=序号\r\nTypeB1=30\r\nTypeA2=显示名称\r\nTypeB2="
      u8"100\r\n"
      u8"TypeA3=实际名称\r\nTypeB3=90\r\n"
      u8"[ColNeedComboBox]\r\nCount=2\r\nTypeA1=4\r\nTypeA2=5\r\n"
      u8"[NeedComboBoxCol5]\r\nCount=2\r\nTypeA1=否\r\nTypeA2=是\r\n"
      u8"[SQLAllDataType]\r\nCount=2\r\nType1=MSSQL\r\nType2=ORA\r\n"
      u8"[MSSQL]\r\nCount=2\r\nTypeA1=int\r\nTypeA2=varchar\r\n"
      u8"[ORA]\r\nCount=1\r\nTypeA1=NUMBER\r\n"
      u8"[SQLKEYWORD]\r\nCount=2\r\nType1=select\r\nType2=from\r\n"
      u8"[Table2StructC]\r\nCount=1\r\nTypeA1=varchar\r\nTypeB1=char\r\n"
      u8"[TypeCExName]\r\nCount=1\r\nTypeA1=char\r\nTypeB1=c\r\n"
      u8"[Table2ClassJava]\r\nCount=1\r\nTypeA1=varchar\r\nTypeB1=String\r\n"
      u8"[TypeJavaExName]\r\nCount=1\r\nTypeA1=String\r\nTypeB1=str\r\n"
      u8"[Table2OdbcC]\r\nCount=1\r\nTypeA1=varchar\r\nTypeB1=SQL_C_CHAR\r\n"
      u8"[Sql2OracleType]\r\nCount=1\r\nTypeA1=varchar\r\nTypeB1=VARCHAR2\r\n"
      u8"[ColType]\r\nCount=2\r\nTypeA1=实际列名\r\nTypeB1=80\r\nTypeA2=数据类型\r\nTypeB2= "
      u8"60px\r\n"
      u8"[DefaultCol]\r\nDefaultTypeHead=2\r\nDefaultType=1\r\nFitColWidth=1\r\n"
      u8"[WorkBox]\r\nPlace= right,300,260 \r\n"
      u8"[ShowTypeHead]\r\nCount=2\r\nType1=实际表名\r\nType2=名称表名\r\n"
      u8"[ShowType]\r\nCount=1\r\nType1=实际列名 数据类型\r\n");
  const Settings s = FromText(text);
  EXPECT_EQ(s.DialogBackground(), (Rgb{0x10, 0x20, 0x30}));
  EXPECT_EQ(s.DialogText(), (Rgb{0xA0, 0xB0, 0xC0}));
  EXPECT_EQ(s.tableWinWidth, 200);
  EXPECT_EQ(s.tableWinHeight, 180);
  EXPECT_EQ(s.marginW, 5);
  EXPECT_EQ(s.marginH, 6);
  EXPECT_EQ(s.maxColumnWidth, 240);
  EXPECT_TRUE(s.fitColumnWidths);
  EXPECT_EQ(s.workBoxPlace, "right,300,260");
  EXPECT_EQ(s.databaseKindNames, (Strings{"MS SQL Server", "Oracle"}));
  EXPECT_EQ(s.gridCaptions, (Strings{Cp936(u8"序号"), Cp936(u8"显示名称"), Cp936(u8"实际名称")}));
  EXPECT_EQ(s.GridColumnWidth(Cp936(u8"显示名称")), 100);
  EXPECT_EQ(s.GridColumnWidth(Cp936(u8"引用表")), -1);
  EXPECT_EQ(s.dropDownColumns, (std::vector<int>{4, 5}));
  EXPECT_TRUE(s.HasDropDown(3));
  EXPECT_TRUE(s.HasDropDown(4));
  EXPECT_FALSE(s.HasDropDown(5));
  EXPECT_EQ(s.NoText(4), Cp936(u8"否"));
  EXPECT_EQ(s.YesText(4), Cp936(u8"是"));
  EXPECT_TRUE(s.DropDownItems(3).empty());  // no section NeedComboBoxCol4 in the file
  EXPECT_EQ(s.DataTypes(kSqlServer), (Strings{"int", "varchar"}));
  EXPECT_EQ(s.DataTypes(kAccess), (Strings{"NUMBER"}));
  EXPECT_TRUE(s.DataTypes(kOracle).empty());
  EXPECT_EQ(s.dropDownLists[0], (Strings{"select", "from"}));
  EXPECT_EQ(s.LookupCType("varchar"), "char");
  EXPECT_EQ(s.LookupCPrefix("char", 20), "ac");
  EXPECT_EQ(s.LookupJavaType("varchar"), "String");
  EXPECT_EQ(s.LookupJavaPrefix("String"), "str");
  EXPECT_EQ(s.LookupOdbcType("varchar"), "SQL_C_CHAR");
  EXPECT_EQ(s.LookupOdbcType("int"), "int");
  EXPECT_EQ(s.typeOracle, (TextMap{{"varchar", "VARCHAR2"}}));
  EXPECT_EQ(s.currentHeaderStyle, 2);
  EXPECT_EQ(s.currentColumnStyle, 1);
  EXPECT_EQ(s.headerStyles, (Strings{Cp936(u8"实际表名"), Cp936(u8"名称表名")}));
  const auto words = s.SplitCurrentColumnStyle();
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].word, Cp936(u8"实际列名"));
  EXPECT_EQ(words[0].width, 80);
  EXPECT_EQ(words[1].word, Cp936(u8"数据类型"));
  EXPECT_EQ(words[1].width, 60);
}

TEST(SettingsLoaderEdgeCases, CodeFilesAreUtf8OnlyWhenTheEncodingSaysSo) {
  const std::pair<const char*, bool> cases[] = {
      {"", false},
      {"[CodeFile]\r\nEncoding=GBK\r\n", false},
      {"[CodeFile]\r\nEncoding=utf-8 \r\n", true},
      {"[CodeFile]\r\nEncoding=UTF-8\r\n", true},
      {"[CodeFile]\r\nEncoding=UTF8\r\n", false},  // not a spelling the file documents
  };
  for (const auto& [text, utf8] : cases) EXPECT_EQ(FromText(text).codeFilesUtf8, utf8) << text;
  EXPECT_FALSE(LoadSettingsFile(TABLORA_SOURCE_DIR "/resources").codeFilesUtf8);
}

TEST(SettingsLoaderEdgeCases, ColourLettersBeyondFCountAsZero) {
  const Settings s = FromText("[Dialog]\r\nBKColor=0077XZ\r\nTextColor=FF77FF99\r\n");
  EXPECT_EQ(s.DialogBackground(), (Rgb{0x00, 0x77, 0x00}));
  EXPECT_EQ(s.dialogTextColor, "FF77FF9");  // an 8-byte buffer keeps 7 characters
  EXPECT_EQ(s.DialogText(), (Rgb{0xFF, 0x77, 0xFF}));
}

TEST(SettingsLoaderEdgeCases, ComboBoxNumberFiveFillsTheNullableColumn) {
  const Settings s = FromText(
      "[ColNeedComboBox]\nCount=1\nTypeA1=5\n[NeedComboBoxCol5]\nCount=2\nTypeA1=N\nTypeA2=Y\n"
      "[NeedComboBoxCol6]\nCount=2\nTypeA1=no\nTypeA2=yes\n");
  EXPECT_TRUE(s.HasDropDown(4));
  EXPECT_EQ(s.DropDownItems(4), (Strings{"N", "Y"}));
  EXPECT_FALSE(s.HasDropDown(5));
  EXPECT_TRUE(s.DropDownItems(5).empty());  // sections are read only for listed numbers
}

TEST(SettingsLoaderEdgeCases, ComboBoxNumbersWithoutASlotAreLeftOut) {
  const Settings s = FromText(
      "[ColNeedComboBox]\nCount=5\nTypeA1=0\nTypeA2=21\nTypeA3=-4\nTypeA4=20\nTypeA5=x\n"
      "[NeedComboBoxCol20]\nCount=1\nTypeA1=last\n");
  EXPECT_EQ(s.dropDownColumns, (std::vector<int>{20}));
  EXPECT_EQ(s.DropDownItems(19), (Strings{"last"}));
}

TEST(SettingsLoaderEdgeCases, AnAccessSectionWithCountZeroLeavesItsListEmpty) {
  const Settings s = FromText(
      "[SQLAllDataType]\nCount=3\nType1=A\nType2=B\nType3=C\n"
      "[A]\nCount=1\nTypeA1=int\n[B]\nCount=0\nTypeA1=ignored\n[C]\nCount=1\nTypeA1=NUMBER\n");
  EXPECT_EQ(s.DataTypes(kSqlServer), (Strings{"int"}));
  EXPECT_TRUE(s.DataTypes(kAccess).empty());
  EXPECT_EQ(s.DataTypes(kOracle), (Strings{"NUMBER"}));
  EXPECT_TRUE(s.DataTypes(3).empty());
  EXPECT_TRUE(s.DataTypes(-1).empty());
}

TEST(SettingsLoaderEdgeCases, AnEmptyDataTypeSectionNameNamesNoSection) {
  const Settings s = FromText(
      "Count=1\nTypeA1=stray\n[SQLAllDataType]\nCount=2\nType2=B\n"
      "[B]\nCount=1\nTypeA1=Text\n");
  EXPECT_TRUE(s.DataTypes(kSqlServer).empty());
  EXPECT_EQ(s.DataTypes(kAccess), (Strings{"Text"}));
}

TEST(SettingsLoaderEdgeCases, TheFirstOfTwoEqualMapKeysStays) {
  const Settings s = FromText(
      "[Table2StructC]\nCount=3\nTypeA1=int\nTypeB1=int\nTypeA2=int\nTypeB2=long\n"
      "TypeA3=bit\nTypeB3=unsigned char\n");
  EXPECT_EQ(s.typeC, (TextMap{{"int", "int"}, {"bit", "unsigned char"}}));
}

TEST(SettingsLoaderEdgeCases, MapKeysAreExactBytes) {
  const Settings s = FromText(
      "[Table2ClassJava]\nCount=2\nTypeA1=Text\nTypeB1=String\n"
      "TypeA2=text\nTypeB2=char[]\n");
  EXPECT_EQ(s.LookupJavaType("Text"), "String");
  EXPECT_EQ(s.LookupJavaType("text"), "char[]");
  EXPECT_EQ(s.LookupJavaType("TEXT"), "TEXT");
}

TEST(SettingsLoaderEdgeCases, AnEmptyCurrentColumnStyleSplitsIntoNoColumns) {
  const Settings s = FromText(
      "[DefaultCol]\nDefaultType=2\n[ShowType]\nCount=3\nType1=A B\nType2=\nType3=C \n"
      "[ColType]\nCount=1\nTypeA1=A\nTypeB1=40\n");
  EXPECT_EQ(s.columnStyles, (Strings{"A B", "", "C"}));
  EXPECT_TRUE(s.SplitCurrentColumnStyle().empty());
}

TEST(SettingsLoaderEdgeCases, MissingEntriesReadAsEmptyAndAreStillAdded) {
  const Settings s = FromText(
      "[SuportDB]\nCount=4\nType1=a\nType3=c\n"
      "[DesignTableCols]\nCount=2\nTypeA1=x\nTypeB1=10\n");
  EXPECT_EQ(s.databaseKindNames, (Strings{"a", "", "c", ""}));
  EXPECT_EQ(s.gridCaptions, (Strings{"x", ""}));
  EXPECT_EQ(s.gridWidths, (TextMap{{"x", "10"}, {"", ""}}));
}

TEST(SettingsLoaderEdgeCases, TableWindowNumbersStayUsableForTheLayout) {
  // The layout divides the view width by Width + MarginW.
  Settings s = FromText("[TableWin]\nWidth=0\nHeight=-40\nMarginW=-10\nMarginH=99999999999\n");
  EXPECT_EQ(s.tableWinWidth, 1);
  EXPECT_EQ(s.tableWinHeight, 1);
  EXPECT_EQ(s.marginW, 0);
  EXPECT_EQ(s.marginH, 32767);
  s = FromText("[TableWin]\nWidth=160px\nHeight=x\nMarginW=\nMarginH=0\n");
  EXPECT_EQ(s.tableWinWidth, 160);
  EXPECT_EQ(s.tableWinHeight, 1);  // no digits read as 0
  EXPECT_EQ(s.marginW, 10);        // an empty value gives the default
  EXPECT_EQ(s.marginH, 0);
}

TEST(SettingsLoaderEdgeCases, EntriesAreCutToTheirBuffers) {
  const std::string longText(300, 'w');
  const Settings s = FromText("[SuportDB]\nCount=1\nType1=" + longText +
                              "\n[ShowType]\nCount=1\nType1=" + longText +
                              "\n[ShowTypeHead]\nCount=1\nType1=" + longText + "\n");
  EXPECT_EQ(s.databaseKindNames[0], std::string(127, 'w'));
  EXPECT_EQ(s.columnStyles[0], std::string(255, 'w'));
  EXPECT_EQ(s.headerStyles[0], std::string(255, 'w'));
}

TEST(SettingsLoaderCounts, HugeNegativeAndGarbageCountsAreBounded) {
  const Settings s = FromText(
      "[SuportDB]\nCount=2000000000\nType1=a\nType2=b\n"
      "[SQLKEYWORD]\nCount=-5\nType1=select\n"
      "[ShowType]\nCount=lots\nType1=A\n"
      "[Table2StructC]\nCount=99999999999\nTypeA1=int\nTypeB1=int\n"
      "[SQLAllDataType]\nCount=2000000000\nType1=T\n[T]\nCount=2000000000\nTypeA1=int\n");
  // Three keys in SuportDB: at most 3 + kMissingEntrySlack entries, the first two real.
  ASSERT_EQ(s.databaseKindNames.size(), 3u + kMissingEntrySlack);
  EXPECT_EQ(s.databaseKindNames[0], "a");
  EXPECT_EQ(s.databaseKindNames[1], "b");
  EXPECT_EQ(s.databaseKindNames.back(), "");
  EXPECT_TRUE(s.dropDownLists[0].empty());
  EXPECT_TRUE(s.columnStyles.empty());
  EXPECT_EQ(s.typeC.at("int"), "int");
  EXPECT_EQ(s.typeC.size(), 2u);  // "int" and the empty key of the missing pairs
  EXPECT_EQ(s.DataTypes(0).size(), 2u + kMissingEntrySlack);
  for (int k = 1; k < Settings::kDataTypeSlots; ++k) EXPECT_TRUE(s.DataTypes(k).empty());
}

TEST(SettingsLoaderCounts, RealisticCountsAreNotCut) {
  std::string text = "[SQLKEYWORD]\nCount=300\n";
  for (int i = 1; i <= 300; i += 2)
    text += "Type" + std::to_string(i) + "=k" + std::to_string(i) + "\n";
  const Settings s = FromText(text);
  ASSERT_EQ(s.dropDownLists[0].size(), 300u);
  EXPECT_EQ(s.dropDownLists[0][298], "k299");
  EXPECT_EQ(s.dropDownLists[0][299], "");
}

TEST(SettingsLoaderWrite, WriteSettingIntChangesOneKeyOnly) {
  const std::string path = ::testing::TempDir() + "/settings_loader_write.ini";
  const std::string original = Cp936(
      u8"; "
      u8"显示样式\r\n[DefaultCol]\r\nDefaultTypeHead=1\r\nDefaultType=1\r\n\r\n[ShowType]\r\nCount="
      u8"0\r\n");
  ASSERT_TRUE(TextFile::WriteBytes(path, original));
  ASSERT_TRUE(WriteSettingInt(path, "DefaultCol", "DefaultType", 3));
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_EQ(bytes,
            Cp936(u8"; 显示样式\r\n[DefaultCol]\r\nDefaultTypeHead=1\r\nDefaultType=3\r\n\r\n"
                  u8"[ShowType]\r\nCount=0\r\n"));
  EXPECT_EQ(LoadSettings(IniFile::Load(path), "/p").currentColumnStyle, 3);
  std::remove(path.c_str());

  ASSERT_TRUE(WriteSettingInt(path, "DefaultCol", "DefaultTypeHead", -2));
  ASSERT_TRUE(TextFile::ReadBytes(path, bytes));
  EXPECT_EQ(bytes, "[DefaultCol]\r\nDefaultTypeHead=-2\r\n");
  std::remove(path.c_str());
}

TEST(SettingsLoaderWrite, AnUnreadableFileIsNotReplaced) {
  const std::string dir = ::testing::TempDir() + "/settings_loader_dir.ini";
  ::mkdir(dir.c_str(), 0755);
  EXPECT_FALSE(WriteSettingInt(dir, "DefaultCol", "DefaultType", 1));
  struct stat info;
  ASSERT_EQ(::stat(dir.c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_FALSE(WriteSettingInt(::testing::TempDir() + "/no/such/folder.ini", "A", "b", 1));
}

}  // namespace
}  // namespace tablora
