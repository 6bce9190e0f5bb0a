#include "model/procedure_script.h"

#include <gtest/gtest.h>

namespace tablora {
namespace {

struct Proc {
  std::string name, owner, text;
};

void ExpectProcedures(const std::vector<Proc>& expected,
                      const std::vector<ProcedureDesign>& actual) {
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(expected[i].name, actual[i].name) << i;
    EXPECT_EQ(expected[i].owner, actual[i].owner) << i;
    EXPECT_EQ(expected[i].text, actual[i].text) << i;
    EXPECT_TRUE(actual[i].parameters.empty());
  }
}

TEST(ProcedureScriptTest, RecognisesProcedureScriptsByTheirFirstCreateStatement) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"-- x\nCREATE PROCEDURE p AS\nselect 1\n", true},
      {"create proc p\n", true},
      {"CREATE PROCEDURE p AS select 1", true},
      {"create or alter procedure p as select 1", true},
      {"CREATE TABLE t (a int)\nCREATE PROC p\n", false},
      // Comments and literals are not statements.
      {"-- Tables of the procurement module\nCREATE TABLE t (a int)\n", false},
      {"/* create proc x */\nCREATE TABLE t (a int)\n", false},
      {"-- create procedure later\nCREATE TABLE t (a int)\n", false},
      {"select 'create proc'\nCREATE TABLE t (a int)\n", false},
      {"CREATE PROCESSOR_TABLE\n", false},
      {"select 1\n", false},
      {"", false},
  };
  for (const auto& [text, procedures] : cases) {
    EXPECT_EQ(ProcedureScript::IsProcedureScript(text), procedures) << text;
  }
}

TEST(ProcedureScriptTest, SplitsProceduresAtTheirGoLines) {
  const std::string text =
      "CREATE PROCEDURE [dbo].[p_x] (@a int)\nAS\nselect @a\ngo\n"
      "create proc sales.p_y\nas select 2\nGO\n";
  ExpectProcedures({{"p_x", "dbo", "CREATE PROCEDURE [dbo].[p_x] (@a int)\nAS\nselect @a\ngo\n"},
                    {"p_y", "sales", "create proc sales.p_y\nas select 2\nGO\n"}},
                   ProcedureScript::ParseProcedureScript(text));
}

TEST(ProcedureScriptTest, OnlyALineOfGoAloneEndsAProcedure) {
  // "goto" and "go" inside a line do not end it; blanks, CR LF and capitals around GO do.
  const std::string first =
      "create proc a.p1\nas\ngoto done\ngo_on:\nselect 'go'\ndone: return\n \tGo \r\n";
  const std::string second = "create proc a.p2\nas select 1\nGO";
  ExpectProcedures({{"p1", "a", first}, {"p2", "a", second}},
                   ProcedureScript::ParseProcedureScript(first + "\n" + second));
}

TEST(ProcedureScriptTest, SplitsBatchesAtGoLines) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"a\nGO\nb\n", {"a\n", "b\n"}},
      {"GO\na\r\n go\r\n\r\nGO\nb", {"a\r\n", "b"}},  // blank batches left out
      {"a\ngoto x\ngo on\nx:\n", {"a\ngoto x\ngo on\nx:\n"}},
      {"a\ngo", {"a\n"}},
      {"go\n \n", {}},
      {"", {}},
  };
  for (const auto& [text, batches] : cases) {
    EXPECT_EQ(ProcedureScript::SplitBatches(text), batches) << text;
  }
}

TEST(ProcedureScriptTest, TakesTheWordAfterTheKeywordWithoutAnOwner) {
  ExpectProcedures(
      {{"p_z", "", "CREATE PROCEDURE p_z @a int\nAS select 1"}},
      ProcedureScript::ParseProcedureScript("CREATE PROCEDURE p_z @a int\nAS select 1"));
  ExpectProcedures({{"p_w", "", "create proc [p_w]\nas\n"}},
                   ProcedureScript::ParseProcedureScript("create proc [p_w]\nas\n"));
}

TEST(ProcedureScriptTest, StopsAtTheFirstCreateThatIsNotAProcedure) {
  const std::string text =
      "create proc a.p1\nas\ngo\ncreate table t (x int)\ngo\ncreate proc a.p2\nas\ngo\n";
  ExpectProcedures({{"p1", "a", "create proc a.p1\nas\ngo\n"}},
                   ProcedureScript::ParseProcedureScript(text));
}

TEST(ProcedureScriptTest, KeepsDoubleByteNamesWhole) {
  const std::string name = "\xB4\xE6\xB4\xA2";  // 存储
  const std::string text = "CREATE PROC [dbo].[" + name + "]\nAS\n";
  ExpectProcedures({{name, "dbo", text}}, ProcedureScript::ParseProcedureScript(text));
}

}  // namespace
}  // namespace tablora
