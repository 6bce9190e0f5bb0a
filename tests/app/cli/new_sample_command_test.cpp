#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/text_file.h"

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

std::vector<std::string> SortedLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
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
  // Opening sorts the tables by actual name; nothing else may change.
  EXPECT_NE(first, original);
  EXPECT_EQ(SortedLines(first), SortedLines(original));
  EXPECT_EQ(second, first);
}

TEST(NewSampleCommand, RejectsMissingOrUnwritableTargets) {
  EXPECT_NE(RunCli("new-sample"), 0);
  EXPECT_NE(RunCli("new-sample " + ::testing::TempDir() + "/no_such_dir/x.sql"), 0);
  EXPECT_NE(RunCli("no-such-command"), 0);
}

}  // namespace
}  // namespace tablora
