#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

TEST(NewSampleCommand, RejectsMissingOrUnwritableTargets) {
  EXPECT_NE(RunCli("new-sample"), 0);
  EXPECT_NE(RunCli("new-sample " + ::testing::TempDir() + "/no_such_dir/x.sql"), 0);
  EXPECT_NE(RunCli("no-such-command"), 0);
}

}  // namespace
}  // namespace tablora
