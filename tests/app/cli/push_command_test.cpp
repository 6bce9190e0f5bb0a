// tablora-cli push: a design script written to a database, with the program's questions.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "app/cli/cli_test.h"
#include "base/text_codec.h"
#include "base/text_file.h"
#include "db/access/odbc_connection.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

class PushCommand : public testing::CliTest {
 protected:
  /// A SQLite file in the test's folder holding "orders" without keys and two rows.
  std::string MakeDatabase() {
    const std::string connection = "Driver=SQLite3;NoCreat=0;Database=" + (dir / "push.db");
    OdbcConnection db;
    EXPECT_TRUE(db.Open(connection)) << db.ErrorsText();
    for (const char* sql :
         {"CREATE TABLE orders (cust_id int, line_no int, amount int)",
          "INSERT INTO orders VALUES (1, 1, 5)", "INSERT INTO orders VALUES (1, 2, 6)"}) {
      EXPECT_TRUE(db.Execute(sql)) << sql;
    }
    return connection;
  }
  /// Rows of orders, then its key columns.
  std::string State(const std::string& connection) {
    OdbcConnection db;
    EXPECT_TRUE(db.Open(connection));
    ResultSet rows;
    EXPECT_TRUE(db.Query("SELECT COUNT(*) FROM orders", rows));
    std::string state = rows.Text(0, 0) + " rows, key:";
    ResultSet keys;
    EXPECT_TRUE(db.PrimaryKeys("orders", keys));
    for (std::size_t r = 0; r < keys.rows.size(); ++r) state += " " + keys.Text(r, 3);
    return state;
  }
  const std::string design = Fixture("push_cli/orders.sql");
};

TEST_F(PushCommand, AnswersDecideTheDrop) {
  struct Case {
    const char* options;
    const char* input;  ///< standard input
    int exitCode;
    const char* stateAfter;
    const char* errorHas;  ///< UTF-8
  };
  const Case cases[] = {
      // --yes does not cover a table that holds rows.
      {"--yes", "", 1, "2 rows, key:",
       u8"表 orders有 2 行数据, 没有删除它!\ntablora-cli push: --yes does not drop a table "
       u8"that holds rows; add --drop-data to drop it\n"},
      {"--yes --drop-data", "", 0, "0 rows, key: cust_id line_no",
       u8"表 orders已存在, 有 2 行数据, 删除后数据将丢失. 要删除吗? y\nOK!\n"},
      {"--table orders", "y\n", 0, "0 rows, key: cust_id line_no", u8"[y/N] OK!\n"},
      {"", "n\n", 3,
       "2 rows, key:", u8"表 orders已存在, 有 2 行数据, 删除后数据将丢失. 要删除吗? [y/N] "},
      {"", "", 3, "2 rows, key:", "no answer on standard input: no (use --yes)"},
      {"--table missing --yes", "", 2, "2 rows, key:", "no table 'missing'"},
      {"--kind abc --yes", "", 2, "2 rows, key:", "usage: tablora-cli push"},
      // The design has no comments: only drops are sent, and SQLite's refusals of them are
      // what a table without comments answers.
      {"--comments-only", "", 0, "2 rows, key:", "OK!\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const std::string connection = MakeDatabase();
    const std::string input = dir / "input.txt";
    ASSERT_TRUE(TextFile::WriteBytes(input, c.input));
    const testing::CliRun run =
        Cli("push '" + design + "' '" + connection + "' " + c.options + " < '" + input + "'");
    EXPECT_EQ(c.exitCode, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.err.find(c.errorHas)) << run.err;
    EXPECT_EQ(c.stateAfter, State(connection));
    std::remove((dir / "push.db").c_str());
  }
}

TEST_F(PushCommand, AccessFilesAreReadOnly) {
  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  const std::string refusal = u8"MS Access 数据库只能读取: 本系统没有可写入 MS Access 文件的驱动\n";
  const std::string offer =
      refusal + u8"可以保存注释脚本, 在 Windows 上运行它把字段说明写入数据库文件.\n";
  const struct {
    const char* options;
    int exitCode;
    std::string err;
  } cases[] = {
      {"--yes", 1, refusal},
      {"--comments-only", 1, offer + u8"--comment-script OUT.vbs: 保存注释脚本\n"},
      {"--comments-only --comment-script out.vbs", 0,
       offer + u8"保存注释脚本 y\ntablora-cli push: the database was not written; the comment "
               u8"script was\n  saved instead\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    const testing::CliRun run = Cli("push '" + design + "' '" + nwind + "' " + c.options);
    EXPECT_EQ(c.exitCode, run.exitCode);
    EXPECT_EQ(c.err, run.err);
  }
  // The script names the file it was made for and carries the design's columns.
  const std::string script = Read(dir / "out.vbs");
  ASSERT_EQ("\xFF\xFE", script.substr(0, 2));
  const std::string text = TextCodec::Cp936ToUtf8(TextCodec::Utf16LeToCp936(script.substr(2)));
  EXPECT_NE(std::string::npos, text.find("ScriptFullName), \"nwind.mdb\")")) << text;
  EXPECT_NE(std::string::npos, text.find("\r\nDescribe \"orders\", \"cust_id\", ")) << text;
}

// A design with characters code page 936 lacks (four-byte GB18030) survives every edge: the
// script reads and saves back byte for byte, SQLite stores UTF-8, SQL typed reaches the
// server as typed, and query and import give back what is stored.
TEST_F(PushCommand, EveryCharacterSurvivesScriptSqliteQueryAndImport) {
  const std::string script = Fixture("push_cli/every_character.sql");
  const std::string saved = dir / "saved.sql";
  testing::CliRun run = Cli("save '" + script + "' '" + saved + "'");
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_NE(std::string::npos, Read(saved).find("[Ant\x81\x30\x8B\x30nio \x94\x39\xFC\x36]"));
  run = Cli("save '" + saved + "' '" + (dir / "again.sql") + "'");
  EXPECT_EQ(Read(saved), Read(dir / "again.sql"));

  const std::string connection = "Driver=SQLite3;NoCreat=0;Database=" + (dir / "every.db");
  // SQLite has no extended properties: the comment statements fail after the table is made.
  run = Cli("push '" + saved + "' '" + connection + "' --yes");
  ASSERT_NE(std::string::npos, run.err.find(u8"已经写入数据库的表: 订单")) << run.err;
  const std::string query = "query '" + connection + "' ";
  struct Case {
    std::string sql;  ///< as typed (UTF-8)
    std::string csv;
  };
  const Case cases[] = {
      // The names as SQLite keeps them: UTF-8 bytes, one table only.
      {"SELECT hex(name) FROM sqlite_master WHERE type = 'table'", "hex(name)\r\nE8AEA2E58D95\r\n"},
      {u8"SELECT hex(name) FROM pragma_table_info('订单') WHERE cid = 1",
       "hex(name)\r\n416E74C3B46E696F20F09F9880\r\n"},
      {u8"INSERT INTO 订单 VALUES (1, 'Ünï 😀', '中文名')", ""},
      {u8"INSERT INTO 订单 VALUES (2, '€ 𠀀', '英文')", ""},
      // Bytes that are not UTF-8 (a code page 936 client stored them) come back as they were.
      {"INSERT INTO [订单] VALUES (3, NULL, CAST(X'D6D0CEC4' AS TEXT))", ""},
      {u8"SELECT * FROM 订单 WHERE 名称 LIKE '中文%'", u8"id,Antônio 😀,名称\r\n1,Ünï 😀,中文名\r\n"},
      {u8"SELECT id, [Antônio 😀] FROM [订单] WHERE id = 2", u8"id,Antônio 😀\r\n2,€ 𠀀\r\n"},
      {u8"SELECT 名称 FROM 订单 WHERE id = 3", u8"名称\r\n中文\r\n"},
  };
  for (const Case& c : cases) {
    run = Cli(query + "\"" + c.sql + "\"");
    EXPECT_EQ(0, run.exitCode) << c.sql << run.err;
    EXPECT_EQ(c.csv, run.out) << c.sql;
  }

  const std::string imported = dir / "imported.sql";
  run = Cli("import '" + connection + "' '" + imported + "'");
  ASSERT_EQ(0, run.exitCode) << run.err;
  run = Cli("dump '" + imported + "'");
  ASSERT_EQ(0, run.exitCode) << run.err;
  const nlohmann::json design = nlohmann::json::parse(run.out);
  ASSERT_EQ(1u, design["tables"].size());
  EXPECT_EQ(u8"订单", design["tables"][0]["actualName"]);
  std::vector<std::string> columns;
  for (const auto& column : design["tables"][0]["columns"]) columns.push_back(column["actualName"]);
  EXPECT_EQ((std::vector<std::string>{"id", u8"Antônio 😀", u8"名称"}), columns);
}

}  // namespace
}  // namespace tablora
