// tablora-cli gen: a design script in, code files out, with the shipped settings' type maps.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "app/cli/cli_test.h"
#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

class GenCommand : public testing::CliTest {
 protected:
  /// Exit code of tablora-cli gen with `args` (shell words); its messages go to Log().
  int Gen(const std::string& args) {
    const testing::CliRun run = Cli("gen " + args);
    log = run.out + run.err;
    return run.exitCode;
  }
  std::string Log() const { return log; }
  /// Expected file bytes: code page 936 with CR LF.
  static std::string Cp936CrLf(const char* utf8) { return TextFile::ToCrLf(Cp936(utf8)); }

  std::string log;
  const std::string design = Fixture("gen_cli/goods.sql");
};

TEST_F(GenCommand, CStructuresOfAllTablesWithPrefixes) {
  ASSERT_EQ(Gen("c '" + design + "' '" + (dir / "all.h") + "' --prefix"), 0) << Log();
  EXPECT_EQ(Read(dir / "all.h"), Cp936CrLf(u8"// 商品: 在售商品\n"
                                           u8"typedef struct{\n"
                                           u8"int nId;\t// 编号:主键\n"
                                           u8"char acName[20];\t// 名称:\n"
                                           u8"double dAdded;\t// 添加时间:\n"
                                           u8"}Goods;\n"
                                           u8"\n"
                                           u8"\n"
                                           u8"typedef struct{\n"
                                           u8"char acBody[200];\t// 内容\n"
                                           u8"}Note;\n"
                                           u8"\n"));
}

TEST_F(GenCommand, OneCppClassWithAccessors) {
  ASSERT_EQ(Gen("cpp '" + design + "' '" + (dir / "goods.hpp") +
                "' --table Goods --accessors --skip-time"),
            0)
      << Log();
  EXPECT_EQ(Read(dir / "goods.hpp"),
            Cp936CrLf(u8"// 商品: 在售商品\n"
                      u8"class Goods\n"
                      u8"{\n"
                      u8"private:\n"
                      u8"int m_Id;\t// 编号:主键\n"
                      u8"char m_Name[20];\t// 名称:\n"
                      u8"double m_Added;\t// 添加时间:\n"
                      u8"\n"
                      u8"public:\n"
                      u8"Goods() { }\n"
                      u8"~Goods() { }\n"
                      u8"int GetId()\n{\nreturn m_Id;\n}\n "
                      u8"void  SetId(const int Id)\n{\nm_Id = Id;\n}\n "
                      u8"void GetName(char* Name)\n{\nstrcpy(Name, m_Name);\n}\n "
                      u8"void  SetName(const char* Name)\n{\nstrcpy(m_Name, Name);\n}\n "
                      u8"double GetAdded()\n{\nreturn m_Added;\n}\n "
                      u8"void  SetAdded(const double Added)\n{\nm_Added = Added;\n}\n "
                      u8"\n"
                      u8"};\n"
                      u8"\n"));
}

TEST_F(GenCommand, JavaIntoAFolderAndIntoOneFile) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string year = std::to_string(local.tm_year + 1900);
  const std::string header = std::string(
                                 u8" /* <p>Title:商品</p>\n"
                                 u8" * <p>Description:在售商品</p>\n"
                                 u8" * <p>Copyright: Copyright (c) ") +
                             year +
                             u8"</p>\n"
                             u8" * <p>Company: </p>\n"
                             u8" * @author Tablora1.5\n"
                             u8" * @version 1.5\n"
                             u8" */\n"
                             u8"\n"
                             u8"public class Goods\n"
                             u8"{\n";
  // Every table into a folder that does not exist yet: the package is its name.
  ASSERT_EQ(Gen("java '" + design + "' '" + (dir / "beans") + "' --prefix --skip-time"), 0)
      << Log();
  EXPECT_EQ(Read(dir.path() / "beans" / "Goods.java"),
            Cp936CrLf((u8"package beans;\n" + header +
                       u8"public int nId;\t// 编号:主键\n"
                       u8"public String strName;\t// 名称:[20]\n"
                       u8"\n"
                       u8"}\n"
                       u8"\n")
                          .c_str()));
  EXPECT_TRUE(fs::exists(dir.path() / "beans" / "Note.java"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "beans"), fs::directory_iterator()),
            2);

  // One table into a file: the package is the name of the file's folder.
  fs::create_directories(dir.path() / "model");
  ASSERT_EQ(Gen("java '" + design + "' '" + (dir.path() / "model" / "G.java").string() +
                "' --table Goods"),
            0)
      << Log();
  const std::string one = Read(dir.path() / "model" / "G.java");
  EXPECT_EQ(one.substr(0, 16), "package model;\r\n");
  EXPECT_NE(one.find("public String Added;\t// " + Cp936(u8"添加时间:") + "\r\n"),
            std::string::npos);
}

TEST_F(GenCommand, EncodingChoosesCodePage936OrUtf8) {
  const std::pair<const char*, bool> cases[] = {
      {"", false}, {" --encoding gbk", false}, {" --encoding utf-8", true},
      {" --encoding UTF-8", true}};
  for (const auto& [option, utf8] : cases) {
    for (const char* language : {"c", "cpp", "java"}) {
      const std::string out = dir / (std::string("enc.") + language);
      ASSERT_EQ(Gen(std::string(language) + " '" + design + "' '" + out + "' --table Goods" +
                    option),
                0)
          << Log();
      const std::string bytes = Read(out);
      const std::string name = utf8 ? u8"商品" : Cp936(u8"商品");
      EXPECT_NE(bytes.find(name), std::string::npos) << language << option;
      EXPECT_EQ(utf8, TextCodec::IsUtf8(bytes)) << language << option;
    }
  }
  EXPECT_EQ(Gen("c '" + design + "' '" + (dir / "x.h") + "' --encoding latin1"), 2);
  EXPECT_NE(Log().find("--encoding takes utf-8 or gbk"), std::string::npos);
}

TEST_F(GenCommand, BadArgumentsAndMissingInputs) {
  const std::string out = "'" + (dir / "x.h") + "'";
  EXPECT_EQ(Gen(""), 2);
  EXPECT_EQ(Gen("rust '" + design + "' " + out), 2);
  EXPECT_NE(Log().find("unknown language 'rust'"), std::string::npos);
  EXPECT_EQ(Gen("c '" + design + "' " + out + " --public"), 2);
  EXPECT_NE(Log().find("unknown option '--public'"), std::string::npos);
  EXPECT_EQ(Gen("c '" + design + "' " + out + " --table"), 2);
  EXPECT_EQ(Gen("c '" + design + "' " + out + " --table Missing"), 1);
  EXPECT_NE(Log().find("no table 'Missing'"), std::string::npos);
  EXPECT_EQ(Gen("c '" + (dir / "none.sql") + "' " + out), 1);
  EXPECT_FALSE(fs::exists(dir.path() / "x.h"));
  // A file that cannot be written is an error, not a success.
  EXPECT_EQ(Gen("c '" + design + "' '" + (dir.path() / "no" / "x.h").string() + "'"), 1);
}

}  // namespace
}  // namespace tablora
