// tablora-cli convert-defs and struct2table run as a user runs them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/app_state.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/definition_sample.h"
#include "model/design.h"
#include "model/script_opener.h"
#include "model/script_parser.h"
#include "support/script_test_support.h"
#include "support/scripted_prompts.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

class ConvertCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) / ("convert_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  /// Runs the tool in `dir`; standard output and error land in files there.
  int Run(const std::string& arguments, const std::string& input = "/dev/null") {
    const std::string command = "cd " + dir.string() + " && " + TABLORA_CLI + " " + arguments +
                                " <" + input + " >out 2>err";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Read(const std::string& name) {
    std::string bytes;
    TextFile::ReadBytes((dir / name).string(), bytes);
    return bytes;
  }

  fs::path dir;
};

TEST_F(ConvertCommands, ConvertDefsReadsStandardInputOrAFile) {
  ASSERT_TRUE(TextFile::WriteBytes((dir / "sample.h").string(), DefinitionSample()));
  const std::string firstLine = Cp936(
      u8"public static final int SUBLANG_CHINESE_TRADITIONAL=0x01; //汉语 (Taiwan Region)\r\n");
  // The shipped source format by name, the output format by its (UTF-8) name.
  ASSERT_EQ(Run(u8"convert-defs define Java常量", (dir / "sample.h").string()), 0) << Read("err");
  const std::string fromStdin = Read("out");
  EXPECT_EQ(fromStdin.substr(0, firstLine.size()), firstLine);
  EXPECT_EQ(std::count(fromStdin.begin(), fromStdin.end(), '\n'), 18);
  // A script file and a position in the list; the source as a relative path.
  const std::string script = std::string(TABLORA_SOURCE_DIR) + "/resources/tableformat/define.sql";
  ASSERT_EQ(Run("convert-defs " + script + " 1 sample.h"), 0) << Read("err");
  EXPECT_EQ(Read("out"), fromStdin);
}

TEST_F(ConvertCommands, ConvertDefsFailures) {
  const struct {
    std::string arguments;
    std::string message;  // the start of standard error
  } cases[] = {
      {"convert-defs define Java常量", u8"请输入源文本!"},
      {"convert-defs define 不存在的格式", u8"没有这个输出格式: 不存在的格式"},
      {"convert-defs no_such_format 1", u8"打不开源格式: no_such_format"},
      {"convert-defs define 1 missing.h", u8"打不开源文件: missing.h"},
      {"convert-defs /etc/hostname 1 /etc/hostname", u8"不是两个表"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.arguments), 1) << c.arguments;
    EXPECT_EQ(Read("err").substr(0, c.message.size()), c.message) << c.arguments;
    EXPECT_EQ(Read("out"), "") << c.arguments;
  }
  EXPECT_EQ(Run("convert-defs define"), 2);
}

TEST_F(ConvertCommands, StructToTableSavesAScriptThatOpens) {
  const std::string header = std::string(TABLORA_TEST_DATA) + "/convert_structs.h";
  ASSERT_EQ(Run("struct2table " + header + " out.sql --kind 0"), 0) << Read("err");
  AppState app;
  testing::ScriptedPrompts prompts;
  ScriptParser parser(testing::ResourceFolder());
  Design design(app, prompts, parser);
  ASSERT_TRUE(ScriptOpener(design, parser, prompts).OpenScript((dir / "out.sql").string()));
  std::string names;
  for (const TableDesign& table : design.definitions()) names += table.actualName + " ";
  EXPECT_EQ(names, "POINT WAREHOUSE empty_tail item ");

  ASSERT_TRUE(TextFile::WriteBytes((dir / "none.h").string(), "int x;\n"));
  EXPECT_EQ(Run("struct2table none.h none.sql"), 1);
  EXPECT_FALSE(fs::exists(dir / "none.sql"));
  EXPECT_EQ(Run("struct2table " + header + " x.sql --kind 7"), 2);
  EXPECT_EQ(Run("struct2table missing.h x.sql"), 1);
  EXPECT_FALSE(fs::exists(dir / "x.sql"));
}

}  // namespace
}  // namespace tablora
