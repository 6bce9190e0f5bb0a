#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {
namespace {

std::string ReadFixture(const char* name) {
  std::string bytes;
  EXPECT_TRUE(TextFile::ReadBytes(std::string(TABLORA_TEST_DATA) + "/" + name, bytes));
  return bytes;
}

TEST(IniFileRead, NamesIgnoreAsciiCaseAndBlanksValuesAreTrimmed) {
  const IniFile ini = IniFile::FromBytes(
      "[Dialog]\r\n"
      "  BKColor = 007777 \t\r\n"
      "TextColor=\r\n"
      "Quoted=\"a b\"\r\n"
      "[ Spaced Name ]\r\n"
      "k=v=w\r\n");
  EXPECT_EQ(ini.GetString("dialog", "bkcolor", "x"), "007777");
  EXPECT_EQ(ini.GetString("DIALOG", " BKColor ", "x"), "007777");
  EXPECT_EQ(ini.GetString("Dialog", "TextColor", "x"), "");
  EXPECT_EQ(ini.GetString("Dialog", "Quoted", "x"), "\"a b\"");
  EXPECT_EQ(ini.GetString("spaced name", "K", "x"), "v=w");
}

TEST(IniFileRead, CommentsBlankLinesAndLinesWithoutEqualsAreNotKeys) {
  const IniFile ini = IniFile::FromBytes(
      "top=before any section\n"
      "[S]\n"
      ";commented=1\n"
      "\n"
      "   \n"
      "plain line\n"
      "plain line=2\n"
      "[unclosed\n"
      "[T] ; trailing text\n"
      "t=3\n");
  EXPECT_EQ(ini.GetString("S", ";commented", "none"), "none");
  EXPECT_EQ(ini.GetString("S", "plain line", "none"), "2");
  EXPECT_EQ(ini.GetString("", "top", "none"), "before any section");
  EXPECT_EQ(ini.GetString("T", "t", "none"), "3");
  EXPECT_EQ(ini.KeyCount("S"), 1u);
  EXPECT_EQ(ini.KeyCount("missing"), 0u);
}

TEST(IniFileRead, FirstOfTwoEqualKeysAndFirstOfTwoEqualSectionsWin) {
  const IniFile ini = IniFile::FromBytes(
      "[Map]\nTypeA1=first\ntypea1=second\n[other]\nx=1\n[MAP]\nTypeA1=third\nTypeA2=hidden\n");
  EXPECT_EQ(ini.GetString("Map", "TypeA1", ""), "first");
  EXPECT_EQ(ini.GetString("map", "TypeA2", "missing"), "missing");
  EXPECT_EQ(ini.KeyCount("Map"), 1u);
}

TEST(IniFileRead, DefaultsLoseTrailingBlanksAndResultsAreCutToTheBuffer) {
  const std::string chinese = Cp936(u8"中文");
  const IniFile ini = IniFile::FromBytes("[S]\nascii=abcdefghij\nwide=a" + chinese + "\n");
  EXPECT_EQ(ini.GetString("S", "missing", "dflt  \t"), "dflt");
  EXPECT_EQ(ini.GetString("S", "ascii", "", 8), "abcdefg");
  EXPECT_EQ(ini.GetString("S", "missing", "0077FF99", 8), "0077FF9");
  // "a" + two double-byte characters: a cut never keeps half a character.
  EXPECT_EQ(ini.GetString("S", "wide", "", 3), "a");
  EXPECT_EQ(ini.GetString("S", "wide", "", 4), "a" + chinese.substr(0, 2));
  EXPECT_EQ(ini.GetString("S", "wide", "", 6), "a" + chinese);
  EXPECT_EQ(ini.GetString("S", "ascii", "", 1), "");
  EXPECT_EQ(ini.GetString("S", "ascii", "", 0), "");
}

TEST(IniFileRead, IntegersTakeLeadingDigitsAndMissingOrEmptyGivesTheDefault) {
  const IniFile ini = IniFile::FromBytes(
      "[N]\na=42\nb= -7 \nc=+3\nd=12px\ne=px12\nf=\ng=99999999999\nh=-99999999999\ni=- 5\n");
  EXPECT_EQ(ini.GetInt("N", "a", -1), 42);
  EXPECT_EQ(ini.GetInt("N", "b", -1), -7);
  EXPECT_EQ(ini.GetInt("N", "c", -1), 3);
  EXPECT_EQ(ini.GetInt("N", "d", -1), 12);
  EXPECT_EQ(ini.GetInt("N", "e", -1), 0);
  EXPECT_EQ(ini.GetInt("N", "f", -1), -1);
  EXPECT_EQ(ini.GetInt("N", "g", -1), INT_MAX);
  EXPECT_EQ(ini.GetInt("N", "h", -1), INT_MIN);
  EXPECT_EQ(ini.GetInt("N", "i", -1), 0);
  EXPECT_EQ(ini.GetInt("N", "missing", 150), 150);
  EXPECT_EQ(ini.GetInt("missing", "a", 20), 20);
  // The same rule reads width texts, which may keep their blanks.
  EXPECT_EQ(IniFile::ParseInt(" \t12 px"), 12);
  EXPECT_EQ(IniFile::ParseInt("--1"), 0);
  EXPECT_EQ(IniFile::ParseInt("2147483648"), INT_MAX);
  EXPECT_EQ(IniFile::ParseInt("-2147483648"), INT_MIN);
}

TEST(IniFileRead, GbkFixtureWithCrLf) {
  const IniFile ini = IniFile::FromBytes(ReadFixture("settings_gbk_crlf.ini"));
  EXPECT_EQ(ini.GetString("Dialog", "BKColor", ""), "0077ZZ");
  EXPECT_EQ(ini.GetString("Dialog", "TextColor", ""), "FF77FF");
  EXPECT_EQ(ini.GetString("DesignTableCols", "TypeA1", ""), Cp936(u8"序号"));
  EXPECT_EQ(ini.GetString("DesignTableCols", "TypeA2", ""), Cp936(u8"显示名称"));
  EXPECT_EQ(ini.GetInt("DesignTableCols", "TypeB2", 0), 100);
  EXPECT_EQ(ini.GetString(Cp936(u8"表格"), Cp936(u8"名称"), ""), Cp936(u8"中文值"));
  EXPECT_EQ(ini.GetString(Cp936(u8"表格"), "key without equals", "none"), "none");
  EXPECT_EQ(ini.GetString(Cp936(u8"表格"), "last", ""), "no line end");
}

TEST(IniFileRead, SecondBytesOfDoubleByteCharactersAreNeitherLettersNorBrackets) {
  // 0xB0 0x41 and 0xB0 0x61 are two different double-byte characters; 0x81 0x5D ends in
  // the byte of "]".
  const IniFile ini = IniFile::FromBytes(
      "[S]\n\xB0\x41=upper\n\xB0\x61=lower\n"
      "[\x81\x5D]\nk=1\n"
      "[T] ; \x81\x5D\nk=2\n");
  EXPECT_EQ(ini.GetString("S", "\xB0\x41", ""), "upper");
  EXPECT_EQ(ini.GetString("S", "\xB0\x61", ""), "lower");
  EXPECT_EQ(ini.GetString("\x81\x5D", "k", ""), "1");
  EXPECT_EQ(ini.GetString("T", "k", ""), "2");
}

TEST(IniFileWrite, ChangingOneKeyKeepsEveryOtherByteOfAGbkCrLfFile) {
  const std::string original = ReadFixture("settings_gbk_crlf.ini");
  IniFile ini = IniFile::FromBytes(original);
  ini.WriteString("DIALOG", "textcolor", "123456");
  std::string expected = original;
  const std::string old = "  TextColor =  FF77FF  \r\n";
  ASSERT_NE(expected.find(old), std::string::npos);
  expected.replace(expected.find(old), old.size(), "  TextColor =  123456  \r\n");
  EXPECT_EQ(ini.bytes(), expected);
  EXPECT_EQ(ini.GetString("Dialog", "TextColor", ""), "123456");

  // A value of the first of two equal keys changes; the second stays as it was.
  ini.WriteString("DesignTableCols", "TypeA1", Cp936(u8"行"));
  EXPECT_EQ(ini.GetString("DesignTableCols", "TypeA1", ""), Cp936(u8"行"));
  EXPECT_NE(ini.bytes().find(Cp936(u8"typea1=重复\r\n")), std::string::npos);
}

TEST(IniFileWrite, MissingKeysGoAfterTheLastLineOfTheirSection) {
  IniFile ini = IniFile::FromBytes("; head\r\n[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n");
  ini.WriteString("a", "New", "v");
  EXPECT_EQ(ini.bytes(), "; head\r\n[A]\r\nx=1\r\n; note\r\nNew=v\r\n\r\n[B]\r\ny=2\r\n");
  ini.WriteInt("C", "DefaultType", -3);
  EXPECT_EQ(
      ini.bytes(),
      "; head\r\n[A]\r\nx=1\r\n; note\r\nNew=v\r\n\r\n[B]\r\ny=2\r\n[C]\r\nDefaultType=-3\r\n");
  EXPECT_EQ(ini.GetInt("C", "DefaultType", 0), -3);
  ini.WriteString("[B]" + std::string(), "z", "3");  // no such section: "[[B]]" is added
  EXPECT_EQ(ini.GetString("[B]", "z", ""), "3");
}

TEST(IniFileWrite, LineEndsFollowTheFileAndAnOpenLastLineIsClosedFirst) {
  IniFile lf = IniFile::FromBytes("[A]\nx=1");
  lf.WriteString("A", "y", "2");
  EXPECT_EQ(lf.bytes(), "[A]\nx=1\ny=2\n");
  lf.WriteString("B", "z", "3");
  EXPECT_EQ(lf.bytes(), "[A]\nx=1\ny=2\n[B]\nz=3\n");

  IniFile open = IniFile::FromBytes("[A]\r\nx=1");
  open.WriteString("Other", "k", "v");
  EXPECT_EQ(open.bytes(), "[A]\r\nx=1\r\n[Other]\r\nk=v\r\n");

  IniFile headerOnly = IniFile::FromBytes("[A]\r\n[B]\r\n");
  headerOnly.WriteInt("A", "n", 7);
  EXPECT_EQ(headerOnly.bytes(), "[A]\r\nn=7\r\n[B]\r\n");

  IniFile empty;
  empty.WriteInt("DefaultCol", "DefaultType", 2);
  EXPECT_EQ(empty.bytes(), "[DefaultCol]\r\nDefaultType=2\r\n");
}

TEST(IniFileWrite, ValuesKeepTheirSpacingAndNeverAddLines) {
  IniFile ini = IniFile::FromBytes("[S]\r\nk =  old  \r\nempty=\r\nlast=x\r\n");
  ini.WriteString("S", "k", "two\r\nlines");
  ini.WriteString("S", "empty", "filled");
  EXPECT_EQ(ini.bytes(), "[S]\r\nk =  two  lines  \r\nempty=filled\r\nlast=x\r\n");
  EXPECT_EQ(ini.GetString("S", "k", ""), "two  lines");
  EXPECT_EQ(ini.GetString("S", "last", ""), "x");
}

TEST(IniFileFile, SaveAndLoadRoundTripAndMissingFilesAreEmpty) {
  const std::string path = ::testing::TempDir() + "/ini_file_round_trip.ini";
  const std::string original = ReadFixture("settings_gbk_crlf.ini");
  IniFile ini = IniFile::FromBytes(original);
  ini.WriteInt("DefaultCol", "DefaultTypeHead", 4);
  ASSERT_TRUE(ini.Save(path));
  bool ok = false;
  const IniFile again = IniFile::Load(path, &ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(again.bytes(), ini.bytes());
  EXPECT_EQ(again.bytes().substr(0, original.size()), original);
  EXPECT_EQ(again.GetInt("DefaultCol", "DefaultTypeHead", 0), 4);
  std::remove(path.c_str());

  const IniFile missing = IniFile::Load(path, &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(missing.bytes(), "");
  EXPECT_EQ(missing.GetInt("DefaultCol", "DefaultTypeHead", 9), 9);
}

TEST(IniFile, LargeSectionAnswersEveryKey) {
  // 40,000 keys in one section (about 1 MB); the lookup speed is measured in bench/.
  std::string text = "[Big]\r\n";
  const int keys = 40000;
  for (int i = 1; i <= keys; ++i) {
    text += "TypeA" + std::to_string(i) + "=value number " + std::to_string(i) + "\r\n";
  }
  const IniFile ini = IniFile::FromBytes(text);
  for (int i = 1; i <= keys; ++i) {
    ASSERT_EQ(ini.GetString("big", "typea" + std::to_string(i), ""),
              "value number " + std::to_string(i));
  }
}

}  // namespace
}  // namespace tablora
