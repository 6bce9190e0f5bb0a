// Structure-to-table conversion: structures read from C/C++ text, then added to a design
// through its editors and saved and reopened with the real writer and reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/app_state.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/struct_conversion.h"
#include "convert/struct_reader.h"
#include "model/design.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "model/script_writer.h"
#include "support/model_fixture.h"
#include "support/script_test_support.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

using testing::Describe;

std::string DescribeAll(const std::vector<TableDesign>& tables) {
  std::string text;
  for (const TableDesign& table : tables) text += Describe(table);
  return text;
}

std::string Crlf(const std::string& utf8) {
  std::string text;
  for (char c : Cp936(utf8)) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

/// "name type(length) default display note" per column, after "table display comment group".
std::string Brief(const std::vector<TableDesign>& tables) {
  std::string out;
  auto u = [](const std::string& s) { return TextCodec::Cp936ToUtf8(s); };
  for (const TableDesign& t : tables) {
    out += u(t.actualName) + "|" + u(t.displayName) + "|" + u(t.comment) + "|" + u(t.group) + "\n";
    for (const ColumnDesign& c : t.columns) {
      out += "  " + u(c.actualName) + " " + u(c.typeName) + "(" + std::to_string(c.length) + ") " +
             u(c.defaultValue) + "|" + u(c.displayName) + "|" + u(c.note) + "\n";
    }
  }
  return out;
}

TEST(StructReader, Structures) {
  const struct {
    const char* name;
    std::string text;  // UTF-8, LF (CR LF added where `crlf`)
    bool crlf;
    std::string expected;
  } cases[] = {
      {"typedef struct at the very start of the text; pass 2 skips struct tagA",
       "typedef struct tagA\n{\nint x;\n} A;", true, "A|||\n  x int(0) ||\n"},
      {"a member comment gives display name and note",
       "struct B {\n    char name[20]; //姓名:login name\n};\n", true,
       "B|||\n  name char(20) |姓名|login name\n"},
      {"a member on the line of struct B { makes pass 2 skip the structure",
       "struct B { int a;\n};\n", true, ""},
      {"array lengths that are macros become the default; unsigned types join with +",
       "struct C {\n\tchar buf[MAX_LEN];\n\tunsigned long id;\n\tunsigned   int\tn;\n};\n", false,
       "C|||\n  buf char(0) MAX_LEN||\n  id unsigned+long(0) ||\n  n unsigned+int(0) ||\n"},
      {"structure comment on the line above: display name, comment, group; ：as :",
       "// 用户表：all users: active(组)base\ntypedef struct {\n  int id;\n} USER;\n", true,
       u8"USER|用户表|all users- active|base\n  id int(0) ||\n"},
      {"pointers and references move to the name; closing names cut at the comma",
       "typedef struct tagP {\n  char* p;\n  char *q;\n  int& r;\n  struct tagP *next;\n} POINT, "
       "*PPOINT;\n",
       false,
       "POINT|||\n  *p char(0) ||\n  *q char(0) ||\n  &r int(0) ||\n  *next struct+tagP(0) ||\n"},
      {"comment lines above members; the rest of the { line is the structure's",
       "struct D { // 表\n  // 数量:个数: 总\n  int n;\n  int m; /* 第二 */\n  int k;\n};\n", true,
       u8"D||表|\n  n int(0) |数量|个数- 总\n  m int(0) ||第二\n  k int(0) ||\n"},
      {"a comment whose 倉 ends in a } trail byte does not end the body",
       "struct E {\n  int a; // 北京倉\n  int b; /* 嶽[ */\n};\n", true,
       u8"E|||\n  a int(0) ||北京倉\n  b int(0) ||嶽[\n"},
      {"comments with ; and lines without one are no members; types lose their colons",
       "struct F {\n  // a; b\n  public:\n  std::string s;\n  x;\n};\n", false,
       "F|||\n  s stdstring(0) ||\n"},
      {"forward declarations and typedefs of other structures add nothing",
       "struct G;\ntypedef struct tagH H;\nstruct I { int i; };\n", false, ""},
      {"a structure without a closing brace ends the pass", "struct J {\n  int j;\n\nstruct K {\n",
       false, ""},
      {"a closing brace without its ; takes no name from the next structure",
       "typedef struct {\n int a;\n}\ntypedef struct {\n int b;\n} B;\n", false,
       "B|||\n  b int(0) ||\n"},
      {"pass 1 then pass 2; a structure without a name makes no table",
       "struct L {\n int l;\n};\ntypedef struct {\n int m;\n} M;\nstruct {\n int n;\n};\n", false,
       "M|||\n  m int(0) ||\nL|||\n  l int(0) ||\n"},
  };
  for (const auto& c : cases) {
    const std::string text = c.crlf ? Crlf(c.text) : Cp936(c.text);
    EXPECT_EQ(Brief(StructReader::Read(text)), c.expected) << c.name;
  }
}

class StructConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { app.settings = testing::EditorSettings(); }

  std::string Fixture() {
    std::string text;
    EXPECT_TRUE(TextFile::ReadBytes(std::string(TABLORA_TEST_DATA) + "/convert_structs.h", text));
    return text;
  }

  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser{testing::ResourceFolder()};
  testing::RecordingDesignView view;
  Design design{app, prompts, parser, &view};
};

TEST_F(StructConversionTest, HeaderFileBecomesTablesThatSaveAndReopenAsTheSameDesign) {
  prompts.databaseKinds.push_back(kSqlServer);
  ASSERT_EQ(StructConversion::AddToDesign(design, Fixture()), 4);
  EXPECT_TRUE(app.designHasContent);
  EXPECT_EQ(prompts.databaseKindDialogs, 1);  // the first table of an empty design asks
  EXPECT_EQ(view.events.front(), "added 0 hidden");
  EXPECT_EQ(Brief(design.RefreshTableDefinitions()),
            u8"WAREHOUSE|仓库|存放货物的地方(组)库存|库存\n"
            u8"  id unsigned+long(0) |编号|仓库的唯一编号\n"
            u8"  name char(0) MAX_NAME|名称|如 北京倉\n"
            u8"  code char(8) |代码|内部代码- 大写\n"
            u8"  floors unsigned+short(0) ||层数\n"
            u8"  area double(0) |面积|平方米\n"
            u8"POINT|||\n"
            u8"  x int(0) ||横坐标\n"
            u8"  y int(0) ||纵坐标\n"
            u8"item|货物|仓库里的货物(组)库存|库存\n"
            u8"  barcode long+long(0) |货号|条码\n"
            u8"  *label char(0) ||标签\n"
            u8"  *origin const+char(0) |产地|省-市\n"
            u8"  *next struct+item(0) ||下一个\n"
            u8"  prices float(4) ||价格\n"
            u8"  active bool(0) ||\n"
            u8"empty_tail|||\n"
            u8"  flags unsigned+char(4) ||\n"
            u8"  count int(0) ||嶽[数]\n");

  const std::string path =
      ::testing::TempDir() + "/convert_structs_" + std::to_string(::getpid()) + ".sql";
  ASSERT_TRUE(ScriptWriter(app).SaveScript(design, prompts, path, -1));
  Design reopened(app, prompts, parser);
  ASSERT_TRUE(ScriptOpener(reopened, parser, prompts).OpenScript(path));
  std::vector<TableDesign> before = design.RefreshTableDefinitions();
  std::vector<TableDesign> after = reopened.RefreshTableDefinitions();
  auto byName = [](const TableDesign& a, const TableDesign& b) {
    return a.actualName < b.actualName;
  };
  std::sort(before.begin(), before.end(), byName);
  EXPECT_EQ(DescribeAll(after), DescribeAll(before));
  std::remove(path.c_str());
}

TEST_F(StructConversionTest, ExistingTableOfTheSameNameKeepsItsNames) {
  design.definitions().push_back(testing::Table("B", Cp936(u8"旧表"), "old", "g", "", {}));
  design.AddTable(false, 0);
  const std::string before = Describe(design.definitions()[0]);
  ASSERT_EQ(StructConversion::AddToDesign(
                design, Crlf(u8"// 新表:new(组)n\nstruct B {\n  int a; // 甲:first\n};\n")),
            1);
  ASSERT_EQ(design.definitions().size(), 2u);
  EXPECT_EQ(Describe(design.definitions()[0]), before);
  EXPECT_EQ(Brief({design.definitions()[1]}), u8"B|新表|new(组)n|n\n  a int(0) |甲|first\n");
}

TEST_F(StructConversionTest, ConversionRightAfterANewTableKeepsBothTables) {
  prompts.databaseKinds.push_back(kSqlServer);
  ASSERT_EQ(design.AddTable(true, -1), 0);  // "新建表": its editor has built no text yet
  ASSERT_TRUE(design.definitions().empty());
  ASSERT_EQ(StructConversion::AddToDesign(design, Cp936("struct S {\n int s;\n};\n")), 1);
  ASSERT_EQ(design.tableCount(), 2);
  ASSERT_EQ(design.definitions().size(), 2u);
  EXPECT_EQ(design.definitions()[0].actualName, "");  // still the new table's place
  EXPECT_EQ(Brief({design.definitions()[1]}), "S|||\n  s int(0) ||\n");
  // The new table's editor builds its text later: it takes its own place, not S's.
  design.editor(0).DisplayNameChanged("T0");
  design.editor(0).ActivatePage(TableEditor::kSqlPage);
  const std::vector<TableDesign>& all = design.RefreshTableDefinitions();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].actualName, "T0");
  EXPECT_EQ(all[1].actualName, "S");
  EXPECT_EQ(all[1].columns.size(), 1u);
}

TEST_F(StructConversionTest, ClosedDesignViewAddsNothing) {
  view.open = false;
  EXPECT_EQ(StructConversion::AddToDesign(design, Cp936("struct S {\n int s;\n};\n")), -1);
  EXPECT_TRUE(design.definitions().empty());
  EXPECT_EQ(design.tableCount(), 0);
  EXPECT_FALSE(app.designHasContent);
  view.open = true;
  EXPECT_EQ(StructConversion::AddToDesign(design, "int x;"), 0);
}

}  // namespace
}  // namespace tablora
