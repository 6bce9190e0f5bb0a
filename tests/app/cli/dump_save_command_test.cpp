// tablora-cli dump and save: the open flow behind a command line.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/cli/cli_test.h"
#include "base/text_file.h"

namespace tablora {
namespace {

using testing::CliRun;

class DumpSaveCommand : public testing::CliTest {
 protected:
  /// Opens a fixture with dump, saves it, and checks that the saved file opens as the same
  /// design; returns the design as dump printed it.
  nlohmann::json DumpAndSaveAgain(const char* fixture) {
    const CliRun dumped = Cli(std::string("dump ") + Fixture(fixture));
    EXPECT_EQ(dumped.exitCode, 0) << fixture << "\n" << dumped.err;
    const std::string saved = dir / (std::string("saved_") + fixture);
    EXPECT_EQ(Cli("save " + Fixture(fixture) + " " + saved).exitCode, 0) << fixture;
    const CliRun again = Cli("dump " + saved);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, dumped.out) << fixture;
    return dumped.exitCode == 0 ? nlohmann::json::parse(dumped.out) : nlohmann::json();
  }
};

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
  // "-" is standard output, never a file of that name.
  EXPECT_EQ(Cli("save first.sql -").out, a);
  EXPECT_FALSE(std::filesystem::exists(dir / "-"));
  const CliRun folder = Cli("gen java first.sql -");
  EXPECT_EQ(folder.exitCode, 2) << "java without --table writes a folder";
  EXPECT_FALSE(std::filesystem::exists(dir / "-"));
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

  run = Cli("dump " + dir.path().string());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, dir.path().string() + " 是一个文件夹, 不是SQL脚本文件!\n");

  const std::string out = dir / "never.sql";
  run = Cli("save " + notTables + " " + out);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "不是表的SQL脚本文件!\n");
  std::string ignored;
  EXPECT_FALSE(TextFile::ReadBytes(out, ignored));

  EXPECT_EQ(Cli("dump").exitCode, 2);
  EXPECT_EQ(Cli("save onlyone").exitCode, 2);
}

TEST_F(DumpSaveCommand, WideTablesKeepEveryColumnThroughOpenSaveAndGen) {
  const nlohmann::json design = DumpAndSaveAgain("reader_wide_tables.sql");
  ASSERT_EQ(design["tables"].size(), 3u);
  const std::vector<std::pair<std::string, std::size_t>> widths = {
      {"wide_1024", 1024}, {"wide_300", 300}, {"wide_60", 60}};
  for (std::size_t t = 0; t < widths.size(); ++t) {
    const auto& table = design["tables"][t];
    EXPECT_EQ(table["actualName"], widths[t].first);
    ASSERT_EQ(table["columns"].size(), widths[t].second) << widths[t].first;
    const auto& last = table["columns"][widths[t].second - 1];
    EXPECT_EQ(last["actualName"], "c" + std::to_string(widths[t].second));
    EXPECT_EQ(last["note"], std::to_string(widths[t].second) + " 列的表");
  }
  const std::string header = dir / "wide.h";
  ASSERT_EQ(Cli("gen c " + Fixture("reader_wide_tables.sql") + " " + header).exitCode, 0);
  std::string text;
  ASSERT_TRUE(TextFile::ReadBytes(header, text));
  const std::size_t begin = text.find("typedef struct{");
  const std::size_t end = text.find("}wide_1024;");
  ASSERT_LT(begin, end);
  std::size_t members = 0;
  for (std::size_t at = text.find(";\t", begin); at < end; at = text.find(";\t", at + 1)) ++members;
  EXPECT_EQ(members, 1024u);
}

TEST_F(DumpSaveCommand, LongChecksDescriptionsAndCommentsAreReadAsWritten) {
  const nlohmann::json checks = DumpAndSaveAgain("reader_long_checks.sql");
  ASSERT_EQ(checks["tables"].size(), 1u);
  const auto& columns = checks["tables"][0]["columns"];
  std::string list;
  for (int i = 0; i < 60; ++i) {
    char item[32];
    std::snprintf(item, sizeof item, "%sN'状态%03d'", i == 0 ? "" : ", ", i);
    list += item;
  }
  EXPECT_EQ(columns[0]["checkExpression"], "([Status] IN (" + list + "))");
  EXPECT_EQ(columns[0]["defaultValue"],
            "N'等待处理，请在三个工作日内联系客户并确认订单的收货地址与付款方式（含发票抬头）'");
  EXPECT_EQ(columns[1]["checkExpression"], "([Qty]>(0) AND [Qty]<(100000))");
  EXPECT_EQ(columns[2]["checkExpression"], "([Price]>=(0))");

  const nlohmann::json described = DumpAndSaveAgain("reader_descriptions.sql");
  ASSERT_EQ(described["tables"].size(), 1u);  // the commented-out table is no table
  const auto& item = described["tables"][0];
  EXPECT_EQ(item["actualName"], "Item");
  EXPECT_EQ(item["displayName"], "");  // the same as the actual name: not kept apart
  EXPECT_EQ(item["comment"], "Stock items- all warehouses");
  EXPECT_EQ(item["columns"][0]["displayName"], "编号");
  EXPECT_EQ(item["columns"][0]["note"], "内部编号");  // not the "--" comment of its line
  EXPECT_EQ(item["columns"][0]["identity"], "IDENTITY (100000,1)");
  EXPECT_EQ(item["columns"][0]["nullable"], false);
  EXPECT_EQ(item["columns"][1]["displayName"], "名称");
  EXPECT_EQ(item["columns"][1]["note"], "商品的名称- 中文");
  EXPECT_EQ(item["columns"][2]["note"], "");
}

/// Checks what a server would check first in every statement of a saved script: brackets,
/// parentheses and quotes balanced outside comments, and no empty bracketed name.
::testing::AssertionResult StatementsLookSound(const std::string& script) {
  std::size_t start = 0;
  while (start < script.size()) {
    std::size_t end = script.find("\r\nGO\r\n", start);
    if (end == std::string::npos) end = script.size();
    const std::string statement = script.substr(start, end - start);
    int parens = 0;
    for (std::size_t i = 0; i < statement.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(statement[i]);
      if (c >= 0x81 && c <= 0xFE) {
        ++i;
      } else if (statement.compare(i, 2, "--") == 0) {
        i = statement.find('\n', i);
        if (i == std::string::npos) break;
      } else if (statement.compare(i, 2, "/*") == 0) {
        i = statement.find("*/", i);
        if (i == std::string::npos) return ::testing::AssertionFailure() << "open comment";
        ++i;
      } else if (c == '\'') {
        do {
          i = statement.find('\'', i + 1);
          if (i == std::string::npos)
            return ::testing::AssertionFailure() << "open quote in\n" << statement;
        } while (i + 1 < statement.size() && statement[i + 1] == '\'' && ++i);
      } else if (c == '[') {
        const std::size_t close = statement.find(']', i);
        if (close == std::string::npos || close == i + 1)
          return ::testing::AssertionFailure() << "empty or open name in\n" << statement;
        i = close;
      } else if (c == '(') {
        ++parens;
      } else if (c == ')') {
        if (--parens < 0) return ::testing::AssertionFailure() << "extra ) in\n" << statement;
      }
    }
    if (parens != 0) return ::testing::AssertionFailure() << "open ( in\n" << statement;
    start = end + 6;
  }
  return ::testing::AssertionSuccess();
}

TEST_F(DumpSaveCommand, AServerToolsScriptOpensWholeAndSavesAsTheServerTakesIt) {
  const nlohmann::json design = DumpAndSaveAgain("reader_server_tools_70.sql");
  const auto& tables = design["tables"];
  ASSERT_EQ(tables.size(), 70u);
  int computed = 0, composite = 0, otherOwner = 0, userTyped = 0;
  for (const auto& table : tables) {
    const std::string name = table["actualName"];
    EXPECT_EQ(table["comment"], "表 " + name + " 的说明");
    for (const auto& column : table["columns"]) {
      EXPECT_EQ(column["note"], column["actualName"].get<std::string>() + " 列的说明") << name;
      if (column["primaryKey"] == true) {
        EXPECT_EQ(column["nullable"], false) << name;
      }
      if (column.contains("computedExpression")) ++computed;
      if (column["typeName"] == "Name" || column["typeName"] == "Flag") ++userTyped;
      if (column["typeName"] == "Flag") {
        EXPECT_EQ(column["nullable"], false) << name;
      }
      if (!column["foreignKeyRef"].is_null() && column["foreignKeyRef"].contains("refOwner"))
        ++otherOwner;
    }
    int keys = 0;
    for (const auto& column : table["columns"]) keys += column["primaryKey"] == true;
    composite += keys > 1;
  }
  EXPECT_EQ(computed, 70 + 18);  // [Total] everywhere, [Rounded] in every fourth table
  EXPECT_EQ(composite, 14);
  EXPECT_EQ(userTyped, 140);
  EXPECT_GT(otherOwner, 0);
  EXPECT_EQ(design["userTypes"].size(), 3u);

  const std::string saved = dir / "saved_reader_server_tools_70.sql";
  std::string script;
  ASSERT_TRUE(TextFile::ReadBytes(saved, script));
  EXPECT_TRUE(StatementsLookSound(script));
  EXPECT_EQ(script.find("CONSTRAINT []"), std::string::npos);
}

TEST_F(DumpSaveCommand, BrokenSettingsStopEveryCommandBeforeAnythingIsOpenedOrSaved) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(dir / "broken_settings");
  fs::remove_all(folder);
  fs::create_directories(folder / "setting");
  const fs::path cli = folder / "tablora-cli";
  fs::copy_file(TABLORA_CLI, cli);
  for (const char* pattern : {"e1.dat", "e2.dat"}) {
    fs::copy_file(fs::path(TABLORA_SOURCE_DIR) / "resources/setting" / pattern,
                  folder / "setting" / pattern);
  }
  const std::string out = (folder / "out.sql").string();
  for (const std::string ini : {"", "[DesignTableCols]\r\nCount=abc\r\n",
                                "[DesignTableCols]\r\nCount=-5\r\n", "not an ini file at all"}) {
    ASSERT_TRUE(TextFile::WriteBytes((folder / "setting/Tablora.ini").string(), ini));
    for (const std::string& command : {"dump " + Fixture("reader_one_table.sql"),
                                       "save " + Fixture("reader_one_table.sql") + " " + out,
                                       "gen c " + Fixture("reader_one_table.sql") + " " + out}) {
      const CliRun run = RunProgram(cli.string(), command);
      EXPECT_EQ(run.exitCode, 1) << command;
      EXPECT_NE(run.err.find((folder / "setting/Tablora.ini").string()), std::string::npos)
          << run.err;
      EXPECT_EQ(run.out, "");
      EXPECT_FALSE(fs::exists(out)) << command;
    }
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tablora
