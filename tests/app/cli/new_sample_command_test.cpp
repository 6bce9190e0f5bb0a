#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/text_file.h"
#include "model/layout_block.h"

namespace tablora {
namespace {

int RunCli(const std::string& arguments) {
  const std::string command = std::string(TABLORA_CLI) + " " + arguments + " 2>/dev/null";
  return std::system(command.c_str());
}

TEST(NewSampleCommand, WritesTheSampleDesignScript) {
  const std::string out = ::testing::TempDir() + "/writer_sample_out.sql";
  std::remove(out.c_str());
  ASSERT_EQ(RunCli("new-sample " + out), 0);
  std::string actual, expected;
  ASSERT_TRUE(TextFile::ReadBytes(out, actual));
  ASSERT_TRUE(TextFile::ReadBytes(std::string(TABLORA_TEST_DATA) + "/writer_sample.sql", expected));
  EXPECT_EQ(actual, expected);
}

/// The lines after the layout comment, sorted.
std::vector<std::string> SortedBodyLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes.substr(bytes.find("*/")));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

/// The window positions and colours of the layout comment, sorted by position.
std::vector<std::tuple<int, int, unsigned, unsigned>> SortedLayout(const std::string& bytes) {
  const auto start = bytes.find(':', bytes.find(':') + 1) + 1;
  const auto records = LayoutBlock::Decode(bytes.substr(start, bytes.find("*/") - start));
  std::vector<std::tuple<int, int, unsigned, unsigned>> layout;
  for (const auto& r : records) layout.emplace_back(r.left, r.top, r.textColour, r.bkColour);
  std::sort(layout.begin(), layout.end());
  return layout;
}

TEST(NewSampleCommand, SampleOpensAndSavesAgainWithEveryLineKept) {
  const std::string sample = std::string(TABLORA_TEST_DATA) + "/writer_sample.sql";
  const std::string once = ::testing::TempDir() + "/writer_sample_once.sql";
  const std::string twice = ::testing::TempDir() + "/writer_sample_twice.sql";
  ASSERT_EQ(RunCli("save " + sample + " " + once), 0);
  ASSERT_EQ(RunCli("save " + once + " " + twice), 0);
  std::string original, first, second;
  ASSERT_TRUE(TextFile::ReadBytes(sample, original));
  ASSERT_TRUE(TextFile::ReadBytes(once, first));
  ASSERT_TRUE(TextFile::ReadBytes(twice, second));
  // Opening sorts the tables by actual name and each window keeps its place; nothing
  // else may change.
  EXPECT_NE(first, original);
  EXPECT_EQ(SortedBodyLines(first), SortedBodyLines(original));
  ASSERT_EQ(SortedLayout(original).size(), 4u);
  EXPECT_EQ(SortedLayout(first), SortedLayout(original));
  EXPECT_EQ(second, first);
}

TEST(NewSampleCommand, RelativeTargetsAreWrittenWhereTheCommandRuns) {
  const std::string dir = ::testing::TempDir() + "/cli_relative";
  std::system(("mkdir -p " + dir + " && rm -f " + dir + "/*.sql").c_str());
  ASSERT_EQ(RunCli("new-sample " + dir + "/a.sql"), 0);
  const std::string command = "cd " + dir + " && " + TABLORA_CLI + " save a.sql b.sql 2>/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::string saved;
  EXPECT_TRUE(TextFile::ReadBytes(dir + "/b.sql", saved));
  EXPECT_NE(saved.find("CREATE TABLE"), std::string::npos);
}

TEST(NewSampleCommand, RejectsMissingOrUnwritableTargets) {
  EXPECT_NE(RunCli("new-sample"), 0);
  EXPECT_NE(RunCli("new-sample " + ::testing::TempDir() + "/no_such_dir/x.sql"), 0);
  EXPECT_NE(RunCli("no-such-command"), 0);
}

}  // namespace
}  // namespace tablora
