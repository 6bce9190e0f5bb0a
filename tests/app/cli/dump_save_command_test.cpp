// tablora-cli dump and save: the open flow behind a command line.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

#include "app/cli/cli_test.h"
#include "base/text_file.h"

namespace tablora {
namespace {

using DumpSaveCommand = testing::CliTest;
using testing::CliRun;

TEST_F(DumpSaveCommand, DumpPrintsTheOpenedDesignAsJson) {
  const CliRun run = Cli("dump " + Fixture("reader_one_table.sql"));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const nlohmann::json expected = nlohmann::json::parse(R"({
    "tables": [{
      "displayName": "", "actualName": "log", "comment": "日志", "group": "", "owner": "dbo",
      "columns": [
        {"displayName": "", "actualName": "at", "typeName": "datetime", "length": 0, "scale": 0,
         "identity": "", "defaultValue": "", "note": "", "nullable": false, "primaryKey": false,
         "foreignKey": false, "checkExpression": "", "foreignKeyRef": null},
        {"displayName": "", "actualName": "message", "typeName": "varchar", "length": 200, "scale": 0,
         "identity": "", "defaultValue": "", "note": "内容", "nullable": true, "primaryKey": false,
         "foreignKey": false, "checkExpression": "", "foreignKeyRef": null}],
      "layout": {"left": 0, "top": 0, "textColour": 0, "bkColour": 8454016}}],
    "procedures": []})");
  EXPECT_EQ(nlohmann::json::parse(run.out), expected);
}

TEST_F(DumpSaveCommand, DumpShowsForeignKeysLayoutsAndProcedures) {
  const CliRun tables = Cli("dump " + Fixture("reader_gbk_crlf.sql"));
  ASSERT_EQ(tables.exitCode, 0) << tables.err;
  const auto json = nlohmann::json::parse(tables.out);
  ASSERT_EQ(json["tables"].size(), 2u);
  EXPECT_EQ(json["tables"][0]["columns"][1]["foreignKeyRef"],
            nlohmann::json::parse(
                R"({"constraintName": "FK_order_user", "refTable": "t_user", "refColumn": "id"})"));
  EXPECT_EQ(json["tables"][1]["layout"],
            nlohmann::json::parse(
                R"({"left": 320, "top": 40, "textColour": 255, "bkColour": 16772829})"));

  const std::string procs = dir / "procs.sql";
  ASSERT_TRUE(TextFile::WriteBytes(procs, "create proc dbo.p_a\r\nas select 1\r\ngo\r\n"));
  const CliRun run = Cli("dump " + procs);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(
      nlohmann::json::parse(run.out)["procedures"],
      nlohmann::json::parse(
          R"([{"name": "p_a", "owner": "dbo", "text": "create proc dbo.p_a\nas select 1\ngo\n",
                                       "parameters": []}])"));
}

TEST_F(DumpSaveCommand, SaveWritesWhatOpensAgainAsTheSameDesign) {
  const std::string first = dir / "first.sql";
  const std::string second = dir / "second.sql";
  ASSERT_EQ(Cli("save " + Fixture("reader_handwritten_mssql.sql") + " first.sql").exitCode, 0);
  ASSERT_EQ(Cli("save first.sql second.sql").exitCode, 0);
  std::string a, b;
  ASSERT_TRUE(TextFile::ReadBytes(first, a));
  ASSERT_TRUE(TextFile::ReadBytes(second, b));
  EXPECT_EQ(a, b);
  EXPECT_EQ(Cli("dump " + first).out, Cli("dump " + Fixture("reader_handwritten_mssql.sql")).out);
}

TEST_F(DumpSaveCommand, FailuresExitNonZeroWithTheProgramsMessage) {
  const std::string notTables = dir / "select.sql";
  ASSERT_TRUE(TextFile::WriteBytes(notTables, "select 1\r\n"));
  CliRun run = Cli("dump " + notTables);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "不是表的SQL脚本文件!\n");
  EXPECT_EQ(run.out, "");

  run = Cli("dump missing.sql");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("无法读取文件!", 0), 0u) << run.err;

  const std::string out = dir / "never.sql";
  run = Cli("save " + notTables + " " + out);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "不是表的SQL脚本文件!\n");
  std::string ignored;
  EXPECT_FALSE(TextFile::ReadBytes(out, ignored));

  EXPECT_EQ(Cli("dump").exitCode, 2);
  EXPECT_EQ(Cli("save onlyone").exitCode, 2);
}

}  // namespace
}  // namespace tablora
