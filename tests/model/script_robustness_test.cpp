// Hostile inputs for the script parser: none may crash, hang or hide the good tables.
#include <algorithm>
#include <ctime>
#include <random>

#include <gtest/gtest.h>

#include "model/script_parser.h"
#include "support/script_test_support.h"

namespace tablora {
namespace {

const char kGoodTable[] =
    "CREATE TABLE [dbo].[good] (\t\t\t--g:c\n[id] [int] NOT NULL ,  --i:n\n[v] [varchar](9) NULL   "
    "\n) ON [PRIMARY]\n\n";

bool Has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

class ScriptRobustnessTest : public ::testing::Test {
 protected:
  ScriptParser parser{testing::ResourceFolder()};

  /// Parses and returns the actual names found; fails when the parse takes too long. The
  /// parse's processor time is measured, which other work on a loaded machine does not
  /// stretch as it stretches the time on the clock.
  std::vector<std::string> Names(const std::string& text, double maxSeconds = 5.0) {
    const std::clock_t start = std::clock();
    const auto tables = parser.ParseTables(text);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, maxSeconds) << "parse of " << text.size() << " bytes";
    std::vector<std::string> names;
    for (const auto& t : tables) names.push_back(t.actualName);
    return names;
  }
};

TEST_F(ScriptRobustnessTest, EmptyAndBinaryInputsYieldNothing) {
  EXPECT_TRUE(Names("").empty());
  std::mt19937 random(7);
  std::string binary(1 << 20, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  EXPECT_TRUE(Names(binary).empty());
  // Binary noise inside a table body costs that table at most, never the next one.
  const std::string mixed =
      "CREATE TABLE [noisy] (\n" + binary.substr(0, 4096) + "\n)\n" + kGoodTable;
  EXPECT_TRUE(Has(Names(mixed), "good"));
}

TEST_F(ScriptRobustnessTest, EveryTruncationOfAScriptParsesWithoutHarm) {
  const std::string script =
      std::string(kGoodTable) +
      "ALTER TABLE [dbo].[good] WITH NOCHECK ADD\nCONSTRAINT [PK_GOOD] PRIMARY KEY  CLUSTERED\n"
      "(\n[id]\n)\nON [PRIMARY],\nCONSTRAINT [CK_v] CHECK ([v] IN ('a','b'))\n\nGO\n\n"
      "exec sp_addextendedproperty N'MS_Description', N'g:c', N'user', N'dbo', N'table', "
      "N'good'\nGO\n";
  for (std::size_t cut = 0; cut <= script.size(); ++cut) {
    const auto tables = parser.ParseTables(script.substr(0, cut));
    ASSERT_LE(tables.size(), 1u);
    if (!tables.empty()) {
      EXPECT_EQ(tables[0].actualName, "good");
      EXPECT_EQ(tables[0].columns.size(), 2u) << cut;
    }
  }
}

TEST_F(ScriptRobustnessTest, AnUnclosedTableFollowedByMegabytesKeepsTheTablesAroundIt) {
  std::string text = kGoodTable;
  text += "CREATE TABLE [x] (\n";
  for (int i = 0; i < 60000; ++i)
    text += "[c" + std::to_string(i) + "] [int] NULL , -- (unclosed 'quote\n";
  text += "CREATE TABLE [after] (\n[a] [int] NULL\n)\n";
  EXPECT_GT(text.size(), 2u << 20);
  EXPECT_EQ(Names(text), (std::vector<std::string>{"after", "good"}));
}

TEST_F(ScriptRobustnessTest, AHundredUnclosedHeadersDoNotHideALaterTable) {
  std::string text;
  for (int i = 0; i < 100; ++i)
    text += "CREATE TABLE [u" + std::to_string(i) + "] (\n[a] [int] NULL ,\n";
  text += kGoodTable;
  EXPECT_EQ(Names(text), (std::vector<std::string>{"good"}));
}

TEST_F(ScriptRobustnessTest, ATenMegabyteSingleLineIsReadInBoundedTime) {
  std::string line = "CREATE TABLE [wide] ([a] [int] NULL";
  while (line.size() < (10u << 20)) line += ", [c] [int] DEFAULT ((1)) NULL";
  line += ")";
  const std::clock_t start = std::clock();
  const auto tables = parser.ParseTables(line);
  EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 10.0);
  if (parser.error().empty()) {
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_GT(tables[0].columns.size(), 100000u);
  }
  // Lines of brackets, quotes and apostrophes that never close.
  for (const char* unit : {"[", "\"", "'", "(", "-", "''", "\xB1"}) {
    std::string junk = "CREATE TABLE [j] (\n";
    while (junk.size() < (10u << 20)) junk += unit;
    junk += "\n)\n";
    junk += kGoodTable;
    EXPECT_TRUE(Has(Names(junk, 10.0), "good")) << unit;
  }
}

TEST_F(ScriptRobustnessTest, DeeplyNestedParenthesesAreCaughtNotFatal) {
  for (int depth : {10, 10000, 200000}) {
    const std::string text = "CREATE TABLE [deep] (\n[a] [int] DEFAULT (" +
                             std::string(depth, '(') + "0" + std::string(depth, ')') +
                             ") NULL\n)\n" + kGoodTable;
    const auto names = Names(text);
    EXPECT_TRUE(Has(names, "good")) << depth;
    if (depth == 10) EXPECT_TRUE(Has(names, "deep"));
  }
}

TEST_F(ScriptRobustnessTest, FiftyMegabytesOfTablesParseInBoundedTime) {
  std::string text;
  text.reserve(52u << 20);
  int count = 0;
  while (text.size() < (50u << 20)) {
    text += "CREATE TABLE [dbo].[t" + std::to_string(count++) + "] (\t\t\t--x:y\n";
    for (int c = 0; c < 20; ++c)
      text += "[col" + std::to_string(c) + "] [varchar](20) NULL ,  --d:n\n";
    text += ") ON [PRIMARY]\n\n";
  }
  const auto names = Names(text, 30.0);
  EXPECT_EQ(names.size(), static_cast<std::size_t>(count));
}

}  // namespace
}  // namespace tablora
