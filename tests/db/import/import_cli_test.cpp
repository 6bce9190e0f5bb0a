// tablora-cli import: a database's tables saved as a design script.
#include <sys/wait.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "base/text_codec.h"
#include "db/db_test_support.h"
#include "support/shared_fixtures.h"

namespace tablora {
namespace {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CliRun Cli(const std::string& args) {
  const std::string errPath = ::testing::TempDir() + "import_cli_stderr.txt";
  const std::string command = std::string(TABLORA_CLI) + " " + args + " 2>" + errPath;
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  TextFile::ReadBytes(errPath, run.err);
  return run;
}

/// The actual names of the tables a saved script holds, read back through `dump`.
std::vector<std::string> SavedTableNames(const std::string& script) {
  const CliRun dump = Cli("dump " + script);
  EXPECT_EQ(0, dump.exitCode) << dump.err;
  std::vector<std::string> names;
  const nlohmann::json design = nlohmann::json::parse(dump.out);
  for (const auto& table : design["tables"]) names.push_back(table["actualName"]);
  return names;
}

/// `err` without the progress lines ("import: 40%") an import prints once it has run for a
/// second: whether they appear depends on the machine's load.
std::string WithoutProgress(const std::string& err) {
  static const std::regex kProgress("import: [0-9]+%");
  std::string rest;
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    if (!std::regex_match(line, kProgress)) rest += line + "\n";
  }
  return rest;
}

TEST(ImportCli, ConnectionStringsAndMdbFilesBecomeScripts) {
  const std::string connection = testing::MakeSqliteDatabase(
      "cli.db", {Cp936(u8"CREATE TABLE [客户] (id int PRIMARY KEY)"), "CREATE TABLE t2 (x int)"});
  const std::string sqliteOut = ::testing::TempDir() + "cli_sqlite.sql";
  CliRun run = Cli("import \"" + connection + "\" " + sqliteOut);
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ((std::vector<std::string>{"t2", u8"客户"}), SavedTableNames(sqliteOut));

  run = Cli("import /no/such/file.mdb " + sqliteOut);
  EXPECT_EQ(1, run.exitCode);
  EXPECT_NE(std::string::npos, run.err.find(u8"找不到数据库文件: /no/such/file.mdb")) << run.err;
  // The earlier output is left as it was.
  EXPECT_EQ((std::vector<std::string>{"t2", u8"客户"}), SavedTableNames(sqliteOut));

  EXPECT_EQ(2, Cli("import only-one-argument").exitCode);

  TABLORA_SHARED_FIXTURE(nwind, "nwind.mdb");
  const std::string mdbOut = ::testing::TempDir() + "cli_nwind.sql";
  run = Cli("import " + nwind + " " + mdbOut);
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ("", WithoutProgress(run.err)) << run.err;
  const std::vector<std::string> mdbTables = SavedTableNames(mdbOut);
  EXPECT_EQ(9u, mdbTables.size());
  EXPECT_NE(mdbTables.end(), std::find(mdbTables.begin(), mdbTables.end(), u8"Umsätze"));
}

TEST(ImportCli, IntoADesignATableItHoldsIsReplacedRenamedOrSkippedAsSaid) {
  const std::string connection = testing::MakeSqliteDatabase(
      "cli_into.db",
      {"CREATE TABLE Customer (id int PRIMARY KEY, name text)", "CREATE TABLE Orders (x int)"});
  const std::string design = ::testing::TempDir() + "cli_into_design.sql";
  ASSERT_TRUE(TextFile::WriteBytes(design,
                                   "CREATE TABLE [dbo].[Customer] (\r\n\t[mine] [int] NULL\r\n) "
                                   "ON [PRIMARY]\r\nGO\r\n"));
  const std::string out = ::testing::TempDir() + "cli_into_out.sql";
  const struct {
    const char* option;
    int exitCode;
    std::vector<std::string> tables;
    const char* firstColumn;  ///< of Customer in the saved design
  } cases[] = {
      {"", 1, {}, ""},
      {" --on-conflict replace", 0, {"Customer", "Orders"}, "id"},
      {" --on-conflict rename", 0, {"Customer", "Customer_1", "Orders"}, "mine"},
      {" --on-conflict skip", 0, {"Customer", "Orders"}, "mine"},
      {" --on-conflict merge", 2, {}, ""},
  };
  for (const auto& c : cases) {
    std::remove(out.c_str());
    const CliRun run = Cli("import \"" + connection + "\" " + out + " --into " + design + c.option);
    EXPECT_EQ(c.exitCode, run.exitCode) << c.option << run.err;
    if (c.exitCode != 0) {
      std::string ignored;
      EXPECT_FALSE(TextFile::ReadBytes(out, ignored)) << c.option << ": nothing is written";
      continue;
    }
    EXPECT_EQ(c.tables, SavedTableNames(out)) << c.option;
    const nlohmann::json saved = nlohmann::json::parse(Cli("dump " + out).out);
    EXPECT_EQ(saved["tables"][0]["columns"][0]["actualName"], c.firstColumn) << c.option;
  }
  EXPECT_NE(std::string::npos, Cli("import \"" + connection + "\" " + out + " --into " + design)
                                   .err.find("dbo.Customer is in the design already"));
}

}  // namespace
}  // namespace tablora
