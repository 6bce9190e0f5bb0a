// The format conversion: source formats read with the real script reader and pattern
// files, whole outputs compared, and the Java output compiled by javac.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "base/text_codec.h"
#include "base/text_file.h"
#include "convert/definition_conversion.h"
#include "convert/definition_sample.h"
#include "convert/format_folder.h"
#include "model/script_parser.h"
#include "support/script_test_support.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;
using testing::ResourceFolder;

/// A source format of two tables as the writer writes them: the fields (column name,
/// extraction rule) and the separators (field number, rule text, optional).
std::string FormatScript(const std::vector<std::pair<std::string, std::string>>& fields,
                         const std::vector<std::tuple<int, std::string, bool>>& separators) {
  std::string script = "CREATE TABLE [dbo].[f1_fields] (\r\n";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    script += "[" + fields[i].first + "] [varchar](50) ";
    if (!fields[i].second.empty()) script += "DEFAULT (" + fields[i].second + ") ";
    script += std::string("NOT NULL") + (i + 1 < fields.size() ? " ," : "") + "\r\n";
  }
  script += ") ON [PRIMARY]\r\n\r\nCREATE TABLE [dbo].[f2_separators] (\r\n";
  for (std::size_t i = 0; i < separators.size(); ++i) {
    const auto& [field, text, optional] = separators[i];
    script += "[s" + std::to_string(i) + "] [varchar](50) DEFAULT (" + text + ") " +
              (optional ? "NULL" : "NOT NULL") + (i + 1 < separators.size() ? " ," : "") + "  --" +
              std::to_string(field) + ":\r\n";
  }
  return script + ") ON [PRIMARY]\r\n";
}

/// The format of the dialog's example: #define, blanks, name, blanks, value, "//" comment.
std::string DefineFormat(bool commentOptional = false, const char* commentRule = "after//") {
  return FormatScript({{"defname", ""}, {"defvalue", ""}, {"comment", commentRule}},
                      {{1, "#define", false},
                       {1, "space", false},
                       {2, "space", false},
                       {3, "//", commentOptional}});
}

const std::string kJava = "public static final int %defname%=%defvalue%; //%comment%";

class DefinitionConversionTest : public ::testing::Test {
 protected:
  ConversionResult Convert(const std::string& format, const std::string& output,
                           const std::string& source) {
    return DefinitionConversion(parser).Convert(format, output, source);
  }
  ScriptParser parser{ResourceFolder()};
};

/// The eighteen Java lines the sample gives, CR LF after each.
std::string SampleAsJava() {
  std::string java;
  const std::string sample = DefinitionSample();
  std::size_t start = 0;
  while (start < sample.size()) {
    std::size_t end = sample.find("\r\n", start);
    if (end == std::string::npos) end = sample.size();
    const std::string line = sample.substr(start, end - start);
    const std::size_t name = line.find_first_not_of(' ', 7);
    const std::size_t nameEnd = line.find(' ', name);
    const std::size_t value = line.find_first_not_of(' ', nameEnd);
    const std::size_t valueEnd = line.find(' ', value);
    java += "public static final int " + line.substr(name, nameEnd - name) + "=" +
            line.substr(value, valueEnd - value) + "; //" + line.substr(line.find("// ") + 3) +
            "\r\n";
    start = end + 2;
  }
  return java;
}

TEST_F(DefinitionConversionTest, SampleBecomesJavaWhateverTheLineEnds) {
  const std::string sample = DefinitionSample();
  ASSERT_EQ(sample.substr(0, 72),
            Cp936(u8"#define SUBLANG_CHINESE_TRADITIONAL      0x01    // 汉语 (Taiwan Region)\r\n")
                .substr(0, 72));
  const std::string expected = SampleAsJava();
  EXPECT_EQ(
      expected.substr(0, expected.find("\r\n")),
      Cp936(u8"public static final int SUBLANG_CHINESE_TRADITIONAL=0x01; //汉语 (Taiwan Region)"));
  std::string lineFeeds;
  for (char c : sample) {
    if (c != '\r') lineFeeds += c;
  }
  const struct {
    const char* name;
    std::string source;
  } cases[] = {
      {"CR LF, last line without a line end", sample},
      {"line feeds only", lineFeeds},
      {"CR LF after the last line too, blank lines between", "\r\n" + sample + "\r\n\n\r\n"},
  };
  for (const auto& c : cases) {
    const ConversionResult result = Convert(DefineFormat(), kJava, c.source);
    ASSERT_TRUE(result.ok()) << c.name;
    EXPECT_EQ(result.text, expected) << c.name;
  }
}

TEST_F(DefinitionConversionTest, LineRules) {
  const std::string kAll = "[%defname%|%defvalue%|%comment%|%unknown%]";
  const struct {
    const char* name;
    std::string format;
    std::string source;  // UTF-8
    std::string expected;
  } cases[] = {
      {"a comment line fails the required #define and gives nothing", DefineFormat(),
       u8"// 只有注释\r\n#define A 1 // a", u8"[A|1|a|%unknown%]\r\n"},
      {"a missing required separator drops only its line", DefineFormat(),
       u8"#define A 1\r\n#define B 2 // b", u8"[B|2|b|%unknown%]\r\n"},
      {"an optional separator that is missing leaves the field empty", DefineFormat(true),
       u8"#define A 1", u8"[A|1||%unknown%]\r\n"},
      {"prelineafter takes the comment line above a definition without one",
       DefineFormat(true, "prelineafter//"),
       u8"// 用户数\r\n#define A 1\r\n#define B 2\r\n\t// 角色\r\n#define C 3 // 自己的",
       u8"[A|1|用户数|%unknown%]\r\n[B|2||%unknown%]\r\n[C|3|自己的|%unknown%]\r\n"},
      {"tabs count as blanks; a field may be used twice",
       FormatScript({{"defname", ""}, {"defvalue", ""}},
                    {{1, "#define", false}, {1, "space", false}, {2, "space", false}}),
       "#define\tA\t\t7", u8"[A|7|%comment%|%unknown%]\r\n"},
      {"before stops at character starts only (倉 ends in }, 嶽 in [)",
       FormatScript({{"defname", "before}"}, {"defvalue", "before["}}, {{2, "}", false}}),
       u8"倉} 嶽[值", u8"[倉|嶽|%comment%|%unknown%]\r\n"},
      {"after looks back at character starts only",
       FormatScript({{"defname", ""}, {"comment", "after["}}, {}), u8"嶽 x",
       u8"[嶽|%defvalue%||%unknown%]\r\n"},
  };
  for (const auto& c : cases) {
    const ConversionResult result = Convert(c.format, Cp936(kAll), Cp936(c.source));
    ASSERT_TRUE(result.ok()) << c.name;
    EXPECT_EQ(TextCodec::Cp936ToUtf8(result.text), c.expected) << c.name;
  }
}

TEST_F(DefinitionConversionTest, Messages) {
  EXPECT_EQ(Convert(DefineFormat(), kJava, "").message, Cp936(u8"请输入源文本!"));
  const std::string oneTable =
      DefineFormat().substr(0, DefineFormat().find("CREATE TABLE [dbo].[f2"));
  EXPECT_EQ(Convert(oneTable, kJava, "#define A 1").message, Cp936(u8"不是两个表"));
  EXPECT_EQ(Convert("#define A 1", kJava, "#define A 1").message, Cp936(u8"不是两个表"));
  ScriptParser noPatterns(::testing::TempDir() + "/no_such_program_folder");
  EXPECT_EQ(DefinitionConversion(noPatterns).Convert(DefineFormat(), kJava, "#define A 1").message,
            Cp936(u8"缺少文件!"));
}

/// The shipped folder: every source format with every output format, against one
/// whole-file fixture of expected results.
TEST_F(DefinitionConversionTest, ShippedFormats) {
  const FormatFolder folder(ResourceFolder());
  const std::vector<OutputFormat> outputs = folder.OutputFormats();
  ASSERT_EQ(outputs.size(), 5u);
  const std::vector<std::string> sources = folder.SourceFormats();
  ASSERT_EQ(sources, (std::vector<std::string>{"define", "enum_item", "typed_const"}));
  const std::map<std::string, std::string> inputs = {
      {"typed_const",
       u8"// 最大用户数\r\nstatic const int MAX_USERS = 100;\r\nconst long TIMEOUT = 30; // "
       u8"秒\r\n"},
      {"define", u8"// 最大用户数\r\n#define MAX_USERS 100\r\n#define TIMEOUT   30  // 秒\r\n"},
      {"enum_item",
       u8"enum Limits {\r\n  // 最大用户数\r\n  MAX_USERS = 100,\r\n  TIMEOUT=30, // 秒\r\n};\r\n"},
  };
  std::string actual;
  for (const std::string& source : sources) {
    std::string script;
    ASSERT_TRUE(folder.ReadSourceFormat(source, script)) << source;
    for (const OutputFormat& output : outputs) {
      const ConversionResult result = Convert(script, output.text, Cp936(inputs.at(source)));
      ASSERT_TRUE(result.ok()) << source << " " << TextCodec::Cp936ToUtf8(result.message);
      actual += "== " + source + " -> " + output.name + "\r\n" + result.text;
    }
  }
  std::string expected;
  ASSERT_TRUE(TextFile::ReadBytes(std::string(TABLORA_TEST_DATA) + "/convert_shipped_formats.txt",
                                  expected));
  EXPECT_EQ(actual, expected) << TextCodec::Cp936ToUtf8(actual);
}

TEST_F(DefinitionConversionTest, SampleAsJavaCompiles) {
  if (std::system("command -v javac >/dev/null 2>&1") != 0) GTEST_SKIP() << "no javac";
  const FormatFolder folder(ResourceFolder());
  std::string script;
  ASSERT_TRUE(folder.ReadSourceFormat("define", script));
  const ConversionResult result =
      Convert(script, folder.OutputFormats().at(0).text, DefinitionSample());
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.text, SampleAsJava());
  const fs::path dir =
      fs::path(::testing::TempDir()) / ("convert_java_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  ASSERT_TRUE(TextFile::WriteBytes((dir / "Sublang.java").string(),
                                   "public class Sublang {\r\n" + result.text + "}\r\n"));
  const std::string command = "javac -encoding GBK -d " + dir.string() + " " +
                              (dir / "Sublang.java").string() + " >" + (dir / "log").string() +
                              " 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(fs::exists(dir / "Sublang.class"));
  fs::remove_all(dir);
}

TEST(FormatFolder, ListsSqlFilesAnyCaseAndReadsCountedFormats) {
  const fs::path dir = fs::path(::testing::TempDir()) / ("formats_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "tableformat" / "sub.sql");
  for (const char* name : {"b.sql", "A.SQL", "c.txt", "d.sql.bak"}) {
    std::ofstream(dir / "tableformat" / name) << name;
  }
  ASSERT_TRUE(
      TextFile::WriteBytes((dir / "tableformat" / "tableformat.ini").string(),
                           "[OutFormat]\r\nCount=2\r\nT1A=one\r\nT1B=%x% 1\r\nT3A=three\r\n"));
  const FormatFolder folder(dir.string());
  EXPECT_EQ(folder.SourceFormats(), (std::vector<std::string>{"A", "b"}));
  std::string text;
  EXPECT_TRUE(folder.ReadSourceFormat("A", text));
  EXPECT_EQ(text, "A.SQL");
  EXPECT_FALSE(folder.ReadSourceFormat("c", text));
  const std::vector<OutputFormat> formats = folder.OutputFormats();
  ASSERT_EQ(formats.size(), 2u);
  EXPECT_EQ(formats[0].name + "=" + formats[0].text, "one=%x% 1");
  EXPECT_EQ(formats[1].name + "=" + formats[1].text, "=");
  // A count far past the keys there are reads no more than the keys could hold.
  ASSERT_TRUE(TextFile::WriteBytes((dir / "tableformat" / "tableformat.ini").string(),
                                   "[OutFormat]\r\nCount=2000000000\r\nT1A=one\r\n"));
  EXPECT_EQ(folder.OutputFormats().size(), 2u);
  fs::remove_all(dir);
  EXPECT_TRUE(FormatFolder(dir.string()).SourceFormats().empty());
  EXPECT_TRUE(FormatFolder(dir.string()).OutputFormats().empty());
}

}  // namespace
}  // namespace tablora
