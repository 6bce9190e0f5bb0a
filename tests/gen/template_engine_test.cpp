#include "gen/template_engine.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/text_codec.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

IniFile Markers(const std::string& begin, const std::string& end) {
  std::string ini;
  auto add = [&](const char* name, const std::string& search, const char* def = "",
                 int repeat = 0) {
    ini += std::string("[") + name + "]\r\ntext2replace=" + search + "\r\ntextdefault=" + def +
           "\r\nisrepeat=" + std::to_string(repeat) + "\r\n";
  };
  add("tablename", "TABLE");
  add("tablenameCN", "TCN");
  add("sqlselecttext", "SQLTEXT");
  add("tablevariable", "VAR", "rec");
  add("funcionbegin", "FBEGIN", "Do");
  add("classname", "CLASS", "Dao");
  add("repeatmarkbegin", begin);
  add("repeatmarkend", end);
  add("field_EN", "FIELD", "", 1);
  add("field_CN", "FCN", "", 1);
  add("field_struct_c", "FSTRUCT", "", 1);
  add("fieldaddress_struct_c", "FADDR", "", 1);
  add("increaseid", "NUM", "", 1);
  add("increaseid0", "ZERO", "", 1);
  add("sqltype", "ODBC", "", 1);
  add("fieldtype_java_Caps", "JCAPS", "", 1);
  return IniFile::FromBytes(ini);
}

Settings Maps() {
  Settings s;
  s.typeC = {{"varchar", "char"}, {"int", "int"}};
  s.prefixC = {{"char", "c"}, {"int", "n"}};
  s.typeJava = {{"varchar", "String"}, {"int", "int"}, {"image", "byte[]"}};
  s.typeOdbc = {{"varchar", "SQL_C_CHAR"}, {"int", "SQL_C_SLONG"}};
  return s;
}

TemplateInput Users() {
  TemplateInput in;
  in.tableName = "Users";
  in.tableNameCN = Cp936(u8"用户");
  in.statement =
      Cp936(u8"DECLARE \r\n@a int\r\n\r\n\r\n--开始选择数据\r\nSELECT @a=a \r\nFROM Users");
  in.fields = {
      {"a", Cp936(u8"甲"), "int", "", 0, ""},
      {"b", "", "varchar", "", 20, ""},
      {"c", "", "image", "", 0, ""}};
  return in;
}

TEST(TemplateEngine, ExpandsMarkersAndBlocks) {
  struct Case {
    const char* name;
    const char* begin;
    const char* end;
    const char* text;  // UTF-8
    const char* expected;
  };
  const Case cases[] = {
      {"markers of different lengths vanish; only the last character goes", "<<", "/>",
       "<<FIELD,\n/>|", "a,\nb,\nc,|"},
      {"numbering: only the first occurrence per copy", "<<", "/>", "<<NUM ZERO NUM ZERO;/>",
       "1 0 NUM ZERO;2 1 NUM ZERO;3 2 NUM ZERO"},
      {"ZERO alone counts from 0", "<<", "/>", "<<ZERO,/>", "0,1,2"},
      {"struct names, addresses, ODBC and Java accessor types", "<<", "/>",
       "<<FSTRUCT FADDR ODBC JCAPS FCN;/>",
       u8"na &rec.na SQL_C_SLONG Int 甲;acb rec.acb SQL_C_CHAR String b;c &rec.c image Bytes c"},
      {"an end marker inside the begin marker is not an end", "[[", "[", "x[[FIELD[y", "xaby"},
      {"no end: no block; the begin marker goes as any marker, field markers stay", "<<", "/>",
       "<<FIELD", "FIELD"},
      {"the last character dropped is a whole double-byte one", "<<", "/>", u8"<<FIELD甲/>",
       u8"a甲b甲c"},
      {"outside blocks: table markers, box defaults and the statement", "<<", "/>",
       "FBEGIN TABLE(TCN) CLASS VAR: SQLTEXT",
       u8"Do Users(用户) Dao rec: DECLARE @a int /*开始选择数据*/ SELECT @a=a FROM Users"},
  };
  for (const Case& c : cases) {
    TemplateMarkers markers = TemplateMarkers::FromIni(Markers(c.begin, c.end));
    TemplateBoxes boxes;
    const std::string out = TemplateEngine::Expand(Cp936(c.text), markers, Users(), boxes, Maps());
    EXPECT_EQ(TextCodec::Cp936ToUtf8(out), c.expected) << c.name;
  }
}

TEST(TemplateEngine, BoxesFillFromDefaultsAndTypedTextWins) {
  TemplateMarkers markers = TemplateMarkers::FromIni(Markers("<<", "/>"));
  TemplateBoxes boxes;
  boxes.tableVariable = "row";
  TemplateInput none;  // no fields: blocks expand to nothing
  EXPECT_EQ(TemplateEngine::Expand("FBEGIN VAR [<<FIELD/>]", markers, none, boxes, Maps()),
            "Do row []");
  EXPECT_EQ(boxes.functionPrefix, "Do");
  EXPECT_EQ(boxes.className, "Dao");
  boxes.functionPrefix = "Insert";
  EXPECT_EQ(TemplateEngine::Expand("FBEGIN", markers, none, boxes, Maps()), "Insert");
}

TEST(TemplateEngine, StatementOnOneLineStaysRunnable) {
  EXPECT_EQ(TemplateEngine::SingleLine("SELECT a, b, \r\nc \r\nFROM T \r\nWHERE a = 1"),
            "SELECT a, b, c FROM T WHERE a = 1");
  EXPECT_EQ(TemplateEngine::SingleLine("UPDATE T Set a=? \r\n-- x */ y\r\nWHERE b=1"),
            "UPDATE T Set a=? /* x * / y*/ WHERE b=1");
}

TEST(TemplateEngine, ListsSortedTemplatesWithTheirRealNamesAndReportsMissingFiles) {
  const fs::path dir = fs::path(::testing::TempDir()) / ("tpl_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "sub.h");
  for (const char* name : {"Zeta.h", "alpha.H", "Beta.h", "notes.txt", "noext"}) {
    std::ofstream(dir / name) << "x\r\ny\r\n";
  }
  std::vector<CodeKindFile> kinds;
  std::string error;
  ASSERT_TRUE(TemplateEngine::ListCodeKinds(dir.string(), kinds, error));
  ASSERT_EQ(kinds.size(), 3u);
  EXPECT_EQ(kinds[0].name, "Beta");
  EXPECT_EQ(kinds[1].name, "Zeta");
  EXPECT_EQ(kinds[2].name, "alpha");
  EXPECT_EQ(kinds[2].file, "alpha.H");
  std::string text;
  ASSERT_TRUE(TemplateEngine::ReadTemplate((dir / kinds[2].file).string(), text, error));
  EXPECT_EQ(text, "x\ny\n");

  EXPECT_FALSE(TemplateEngine::ListCodeKinds((dir / "gone").string(), kinds, error));
  EXPECT_EQ(TextCodec::Cp936ToUtf8(error), u8"找不到代码模板文件夹: " + (dir / "gone").string());
  EXPECT_FALSE(TemplateEngine::ReadTemplate((dir / "gone.h").string(), text, error));
  EXPECT_EQ(TextCodec::Cp936ToUtf8(error), u8"无法读取代码模板文件: " + (dir / "gone.h").string());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tablora
