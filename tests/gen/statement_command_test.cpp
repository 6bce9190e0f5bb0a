// tablora-cli sql and template: a design script in, a statement or filled template out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text_codec.h"
#include "base/text_file.h"

namespace tablora {
namespace {

namespace fs = std::filesystem;

class StatementCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(::testing::TempDir()) / ("sql_cli_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  /// Exit code of tablora-cli with `args`; standard output and error land in out().
  int Cli(const std::string& args) {
    const std::string command =
        std::string("'") + TABLORA_CLI + "' " + args + " >'" + (dir / "log").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string out() {
    std::ifstream in(dir / "log", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir;
  const std::string design = "'" + std::string(TABLORA_TEST_DATA) + "/gen_cli/goods.sql'";
};

TEST_F(StatementCommand, PrintsStatements) {
  const std::pair<std::string, std::string> cases[] = {
      {"sql select " + design + " Goods --top 10",
       "SELECT TOP 10 Id, Name, \r\nAdded \r\nFROM Goods\n"},
      {"sql insert " + design + " Goods --fields Id,Name --params",
       u8"DECLARE \r\n@Id int,\r\n@Name varchar(20)\r\n\r\n\r\n--开始插入数据\r\n"
       u8"INSERT INTO Goods(Id, Name )\r\n VALUES(@Id, @Name)\n"},
      {"sql update " + design + " Goods --fields Name --where \"WHERE Id = 1 AND\"",
       "UPDATE Goods Set Name=?  \r\nWHERE Id = 1\n"},
      {"sql delete " + design + " Goods --database Shop", "DELETE FROM Shop.dbo.Goods\n"},
      {"sql drop " + design + " Note --where 'WHERE x = 1'", "DROP TABLE Note\n"},
      // The command line's --where is the condition: the word is added where it is missing.
      {"sql delete " + design + " Goods --where 'Id=1'", "DELETE FROM Goods \r\nWHERE Id=1\n"},
      {"sql select " + design + " Goods --fields Id --where ' where Id>1 or'",
       "SELECT Id \r\nFROM Goods \r\nwhere Id>1\n"},
      {"sql update " + design + " Goods --fields Name --where 'WhereNot = 1'",
       "UPDATE Goods Set Name=?  \r\nWHERE WhereNot = 1\n"},
  };
  for (const auto& [args, expected] : cases) {
    ASSERT_EQ(Cli(args), 0) << args << "\n" << out();
    EXPECT_EQ(out(), expected) << args;
  }
}

TEST_F(StatementCommand, RejectsBadInputWithAMessage) {
  const std::pair<std::string, std::string> cases[] = {
      {"sql select " + design + " Nothing", "tablora-cli sql: no table 'Nothing'"},
      {"sql select " + design + " Goods --fields Id,Nope",
       "tablora-cli sql: no field 'Nope' in table 'Goods'"},
      {"template select Fortran " + design + " Goods", u8"找不到代码模板: Fortran"},
  };
  for (const auto& [args, expected] : cases) {
    EXPECT_EQ(Cli(args), 1) << args;
    EXPECT_NE(out().find(expected), std::string::npos) << args << "\n" << out();
  }
  EXPECT_EQ(Cli("sql merge " + design + " Goods"), 2);
}

TEST_F(StatementCommand, FillsATemplateIntoAFile) {
  const fs::path code = dir / "insert.c";
  ASSERT_EQ(
      Cli("template insert C_ODBC " + design + " Goods '" + code.string() + "' --fields Id,Name"),
      0)
      << out();
  std::string bytes;
  ASSERT_TRUE(TextFile::ReadBytes(code.string(), bytes));
  const std::string text = TextCodec::Cp936ToUtf8(bytes);
  EXPECT_NE(text.find("/* 商品 在售商品 */\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("SQLRETURN InsertGoods(SQLHDBC hdbc, const Goods *row)\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\"INSERT INTO Goods(Id,Name) VALUES(?,?)\""), std::string::npos);
  EXPECT_NE(text.find("SQLLEN ind[] = {0,0};"), std::string::npos);
  EXPECT_NE(text.find("sizeof(rec.acName), pi);\r\n    if (!SQL_SUCCEEDED(rc)) goto done;\r\n"
                      "    rc = SQLExecDirect"),
            std::string::npos);
  EXPECT_EQ(text.find('$'), std::string::npos) << "a marker was left unfilled";
}

}  // namespace
}  // namespace tablora
